// Tests that run the same input once with no exchange running and once
// during one, to show that held-back input does what it does without.
#pragma once

#include "wymiana.h"

#include <QtTest>

#include <optional>

// The two rows: a column "wymiana", false with no exchange, true during one.
inline void wierszeWymiany()
{
    QTest::addColumn<bool>("wymiana");
    QTest::newRow("no exchange") << false;
    QTest::newRow("during an exchange") << true;
}

// An exchange running for its scope when the row says so.
class WymianaWiersza {
public:
    explicit WymianaWiersza(bool wymiana)
    {
        if (wymiana)
            trwa_.emplace();
    }

private:
    std::optional<TrwaWymiana> trwa_;
};
