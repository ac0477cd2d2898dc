// The project a new file starts with: the records the seed inputs are
// packed from.
#pragma once

#include "projekt.h"

#include <memory>

struct ProjektDomyslny {
    std::unique_ptr<TProjektVXTNew> p = std::make_unique<TProjektVXTNew>();
    TProjektDodatkiMycie m{};
    ProjektDomyslny() { wypelnijNowyProjekt(*p, m); }
};
