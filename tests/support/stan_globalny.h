// The program's global state that a test may change (installed services,
// module settings, the locale), put back as it was: a snapshot of every
// registered global on construction, restored on destruction. The QtTest
// base fixture and the GoogleTest main take one around every test.
//
// The model's globals and Qt's are registered here; each higher layer's in
// support/globalne_<layer>.cpp, which the test binaries linking that layer
// compile in (tests/CMakeLists.txt).
#pragma once

#include <functional>
#include <vector>

class StanGlobalny {
public:
    // Takes the snapshot of one global and returns what puts it back.
    using Zapamietaj = std::function<std::function<void()>()>;
    // For registration at start-up: static const bool x = StanGlobalny::dodaj(...).
    static bool dodaj(Zapamietaj zapamietaj);

    StanGlobalny();
    ~StanGlobalny(); // the last registered is put back first
    StanGlobalny(const StanGlobalny &) = delete;
    StanGlobalny &operator=(const StanGlobalny &) = delete;

private:
    std::vector<std::function<void()>> przywroc_;
};
