#include "stan_globalny.h"

#include "kanaly.h"
#include "komunikaty.h"
#include "sciezki.h"
#include "wybor_pliku.h"
#include "zegar.h"

#include <QCoreApplication>
#include <QLocale>

namespace {

std::vector<StanGlobalny::Zapamietaj> &zarejestrowane()
{
    static std::vector<StanGlobalny::Zapamietaj> z;
    return z;
}

// Installed services: the one in place, be it a test's or the default.
const bool model = StanGlobalny::dodaj([] {
    IKomunikaty *k = &komunikaty();
    IZegar *z = &zegar();
    IWyborPliku *w = &wyborPliku();
    return [k, z, w] {
        ustawKomunikaty(k);
        ustawZegar(z);
        ustawWyborPliku(w);
        // Sources with no getter go back to the program's default.
        ustawKatalogProgramu(QString());
        ustawWejsciaPomiarowe(nullptr);
    };
});

const bool qt = StanGlobalny::dodaj([] {
    const QLocale jezyk;
    const QString nazwa = QCoreApplication::applicationName();
    return [jezyk, nazwa] {
        QLocale::setDefault(jezyk);
        if (QCoreApplication::instance())
            QCoreApplication::setApplicationName(nazwa);
    };
});

} // namespace

bool StanGlobalny::dodaj(Zapamietaj zapamietaj)
{
    zarejestrowane().push_back(std::move(zapamietaj));
    return true;
}

StanGlobalny::StanGlobalny()
{
    for (const Zapamietaj &z : zarejestrowane())
        przywroc_.push_back(z());
}

StanGlobalny::~StanGlobalny()
{
    for (auto it = przywroc_.rbegin(); it != przywroc_.rend(); ++it)
        (*it)();
}
