#pragma once
// A disk that fills after so many bytes of one file, for the length of a scope: writes beyond the
// limit fail with EFBIG instead of raising SIGXFSZ. The limit and the signal's handler are put back
// when the scope ends, also when an assertion leaves it early.

#include <csignal>

#include <sys/resource.h>

namespace velmarsund::testing {

class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        active_ = ::getrlimit(RLIMIT_FSIZE, &kept_) == 0;
        if (!active_) return;
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = kept_;
        small.rlim_cur = bytes;
        active_ = ::setrlimit(RLIMIT_FSIZE, &small) == 0;
    }
    ~FileSizeLimit()
    {
        if (active_) ::setrlimit(RLIMIT_FSIZE, &kept_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    // False when the limit could not be set: the test then proves nothing.
    bool Active() const { return active_; }

  private:
    rlimit kept_{};
    void (*previousHandler_)(int) = SIG_DFL;
    bool active_ = false;
};

} // namespace velmarsund::testing
