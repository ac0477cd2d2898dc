#include "wybor_pliku.h"

namespace {

class BrakWyboru final : public IWyborPliku {
public:
    QString plikDoOtwarcia(const QString &, const QString &) override { return {}; }
    QString plikDoZapisu(const QString &, const QString &, const QString &) override { return {}; }
};

BrakWyboru brak;
IWyborPliku *biezacy = nullptr;

} // namespace

void ustawWyborPliku(IWyborPliku *w) { biezacy = w; }

IWyborPliku &wyborPliku() { return biezacy ? *biezacy : brak; }
