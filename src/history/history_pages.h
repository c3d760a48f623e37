#pragma once

#include <QStringList>
#include <array>

namespace numbrava {

// Lines a result page holds in the program.
constexpr int kHistoryPageLimit = 32730;

// The four result pages of a history check. Lines fill page 0, then 1, 2 and
// 3; once all four are full nothing more is listed, though lines are still
// counted.
class HistoryPages {
  public:
    static constexpr int kPageCount = 4;

    explicit HistoryPages(int pageLimit = kHistoryPageLimit) : limit_(pageLimit) {}

    // Counts one line; false when the pages are full and it is not listed.
    bool countLine();
    // Appends to the current page a line that countLine() let through.
    void append(QString line) { pages_[static_cast<size_t>(current_)].append(std::move(line)); }

    const QStringList& page(int index) const { return pages_[static_cast<size_t>(index)]; }
    // The page that receives lines.
    int currentPage() const { return current_; }
    bool full() const { return full_; }
    // How often a page filled up (which brings the first page into view).
    int pagesFilled() const { return filled_; }

  private:
    int limit_;
    int current_ = 0;
    long long linesOnPage_ = 0;
    bool full_ = false;
    int filled_ = 0;
    std::array<QStringList, kPageCount> pages_;
};

} // namespace numbrava
