#pragma once
// A full disk inside the test process, without root or a special file system: the
// file-size limit is lowered and SIGXFSZ ignored, so that a write past the limit
// fails with EFBIG as a write on a full disk fails with ENOSPC. Both are put back as
// they were when the guard goes (the tests share one process).
#include <csignal>
#include <sys/resource.h>

namespace doppi {

class DiscoPieno {
public:
    explicit DiscoPieno(rlim_t byte = 0)
    {
        ::getrlimit(RLIMIT_FSIZE, &limite_);
        struct sigaction ignora {};
        ignora.sa_handler = SIG_IGN;
        ::sigaction(SIGXFSZ, &ignora, &segnale_);
        rlimit basso = limite_;
        basso.rlim_cur = byte;
        ::setrlimit(RLIMIT_FSIZE, &basso);
    }
    ~DiscoPieno()
    {
        ::setrlimit(RLIMIT_FSIZE, &limite_);
        ::sigaction(SIGXFSZ, &segnale_, nullptr);
    }
    DiscoPieno(const DiscoPieno&) = delete;
    DiscoPieno& operator=(const DiscoPieno&) = delete;

private:
    rlimit limite_{};
    struct sigaction segnale_ {};
};

} // namespace doppi
