#pragma once

#include <csignal>
#include <sys/resource.h>

namespace numbrava::testing {

// A full disk, as far as this process can tell: files cannot grow past
// `bytes` while it lives (RLIMIT_FSIZE works for the superuser too). The
// signal the limit raises is ignored, as the program itself does, so the
// write fails with EFBIG instead. Both are put back afterwards.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &old_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit old_{};
    void (*oldHandler_)(int) = nullptr;
};

} // namespace numbrava::testing
