#include "history/history_pages.h"

namespace numbrava {

bool HistoryPages::countLine() {
    if (full_)
        return false;
    if (++linesOnPage_ > limit_) {
        ++filled_;
        if (current_ < kPageCount - 1) {
            ++current_;
            linesOnPage_ = 1;
        } else {
            full_ = true;
        }
    }
    return !full_;
}

} // namespace numbrava
