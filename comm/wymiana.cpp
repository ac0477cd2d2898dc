#include "wymiana.h"

namespace {
int trwajace = 0;
} // namespace

TrwaWymiana::TrwaWymiana() { ++trwajace; }
TrwaWymiana::~TrwaWymiana() { --trwajace; }

bool wymianaWToku() { return trwajace > 0; }
