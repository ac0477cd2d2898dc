// One exchange with the controller at a time. The waits for a reply keep
// the windows alive (they process messages in short slices), so a timer
// tick, a click or closing a window can run in the middle of an exchange.
// Whatever would start a second exchange on the same port or socket asks
// wymianaWToku() first and skips or defers its work. The transports hold a
// TrwaWymiana while they wait, the retrying facades and the TCP/IP runner
// across all their attempts and pauses, and a kept TCP/IP stream from its
// start to its end.
#pragma once

class TrwaWymiana {
public:
    TrwaWymiana();
    ~TrwaWymiana();
    TrwaWymiana(const TrwaWymiana &) = delete;
    TrwaWymiana &operator=(const TrwaWymiana &) = delete;
};

bool wymianaWToku();
// What TrwaWymiana does, for a hold that is no scope (a kept stream); each
// zacznijWymiane() needs its zakonczWymiane().
void zacznijWymiane();
void zakonczWymiane();
