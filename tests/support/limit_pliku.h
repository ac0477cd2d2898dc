// Makes writes beyond a size fail with EFBIG while it lives: a write
// failure that root cannot bypass (unlike folder permissions).
#pragma once

#include <csignal>
#include <sys/resource.h>

class LimitPliku {
public:
    explicit LimitPliku(rlim_t bajtow)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &stary_);
        rlimit r = stary_;
        r.rlim_cur = bajtow;
        setrlimit(RLIMIT_FSIZE, &r);
    }
    ~LimitPliku() { setrlimit(RLIMIT_FSIZE, &stary_); }
    LimitPliku(const LimitPliku &) = delete;
    LimitPliku &operator=(const LimitPliku &) = delete;

private:
    rlimit stary_{};
};
