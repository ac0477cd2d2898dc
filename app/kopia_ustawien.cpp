#include "kopia_ustawien.h"

#include "komunikaty.h"
#include "sciezki.h"

#include <QFile>
#include <QFileInfo>

#include <cstring>
#include <memory>

namespace {

TOdczytKopii &odczyt()
{
    static TOdczytKopii f;
    return f;
}

// The current project as it was, put back when the copy is done.
class ZachowanyProjekt {
public:
    explicit ZachowanyProjekt(TBiezacyProjekt &p)
        : p_(p), projekt_(std::make_unique<TProjektVXTNew>()), mycie_(p.mycie()), zmiana_(p.bylazmianaProjektu)
    {
        std::memcpy(projekt_.get(), &p.projekt(), sizeof(TProjektVXTNew));
    }
    ~ZachowanyProjekt()
    {
        std::memcpy(&p_.projekt(), projekt_.get(), sizeof(TProjektVXTNew));
        p_.mycie() = mycie_;
        p_.bylazmianaProjektu = zmiana_;
    }
    ZachowanyProjekt(const ZachowanyProjekt &) = delete;
    ZachowanyProjekt &operator=(const ZachowanyProjekt &) = delete;

private:
    TBiezacyProjekt &p_;
    std::unique_ptr<TProjektVXTNew> projekt_;
    TProjektDodatkiMycie mycie_;
    bool zmiana_;
};

struct Odczytany {
    TProjektVXTNew projekt;
    TProjektDodatkiMycie mycie;
};

// The controller's project read through the current project; nullptr when
// the read failed or there is no reader.
std::unique_ptr<Odczytany> odczytajSterownik(TBiezacyProjekt &projekt, int numerSeryjny)
{
    if (!odczyt())
        return nullptr;
    const ZachowanyProjekt zachowany(projekt);
    if (!odczyt()(numerSeryjny))
        return nullptr;
    auto o = std::make_unique<Odczytany>();
    std::memcpy(&o->projekt, &projekt.projekt(), sizeof o->projekt);
    o->mycie = projekt.mycie();
    return o;
}

bool tylkoDoOdczytu(const QString &plik)
{
    const QFileDevice::Permissions zapis =
        QFileDevice::WriteOwner | QFileDevice::WriteUser | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return QFile::setPermissions(plik, QFile::permissions(plik) & ~zapis);
}

} // namespace

void ustawOdczytKopii(TOdczytKopii f) { odczyt() = std::move(f); }

QString nazwaPlikuKopii(int numerSeryjny, const QDateTime &teraz)
{
    return katalogProgramu() + QString::number(numerSeryjny) + QStringLiteral("_update_") +
           teraz.toString(QStringLiteral("yyyy-MM-dd_HH_mm")) + QStringLiteral(".k3p");
}

bool KopiaUstawien::zapisz(TBiezacyProjekt &projekt, int numerSeryjny, const QDateTime &teraz)
{
    const std::unique_ptr<Odczytany> o = odczytajSterownik(projekt, numerSeryjny);
    if (!o)
        return false;
    const QString plik = nazwaPlikuKopii(numerSeryjny, teraz);
    if (QFileInfo::exists(plik)) {
        pokazOstrzezenie(tr("Plik %1 istnieje. Przerwano zapis ustawień.").arg(plik));
        return false;
    }
    try {
        if (!zapiszProjektDoPliku(plik, o->projekt, o->mycie, 0))
            return false;
    } catch (const BladZapisuProjektu &e) {
        pokazOstrzezenie(tr("Nie udało się zapisać kopii ustawień") + QStringLiteral(": ") +
                         QString::fromStdString(e.what()));
        return false;
    }
    if (!QFileInfo(plik).isFile()) {
        pokazOstrzezenie(tr("Nie udało się zapisać kopii ustawień") + QStringLiteral(": ") + plik);
        return false;
    }
    if (!tylkoDoOdczytu(plik)) {
        pokazOstrzezenie(tr("Zapisano ustawienia w pliku: %1").arg(plik) + QStringLiteral("\n\n") +
                         tr("Nie udało się ustawić atrybutu tylko do odczytu."));
        return false;
    }
    pokazInformacje(tr("Zapisano ustawienia w pliku: %1").arg(plik) + QStringLiteral(" \n\n") +
                    tr("UWAGA: plik ma ustawiony atrybut tylko do odczytu!"));
    return true;
}
