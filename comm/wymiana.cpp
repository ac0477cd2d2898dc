#include "wymiana.h"

namespace {
int trwajace = 0;
} // namespace

void zacznijWymiane() { ++trwajace; }
void zakonczWymiane()
{
    if (trwajace > 0)
        --trwajace;
}

TrwaWymiana::TrwaWymiana() { zacznijWymiane(); }
TrwaWymiana::~TrwaWymiana() { zakonczWymiane(); }

bool wymianaWToku() { return trwajace > 0; }
