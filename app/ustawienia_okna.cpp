#include "ustawienia_okna.h"

#include "ustawienia_ini.h"

namespace {

const QString sekcjaParametry = QStringLiteral("Parametry");
const QString sekcjaJezyk = QStringLiteral("language");

} // namespace

UstawieniaOkna czytajUstawieniaOkna(const PlikIni &ini)
{
    const QString &p = sekcjaParametry;
    const UstawieniaOkna d;
    UstawieniaOkna u;
    u.autoRead = ini.czytajLiczbe(p, QStringLiteral("AutoRead"), 0) == 1;
    u.port = ini.czytajLiczbe(p, QStringLiteral("ComboBoxPort"), d.port);
    u.predkosc = ini.czytajLiczbe(p, QStringLiteral("ComboBoxPredkosc"), d.predkosc);
    u.adres = ini.czytajLiczbe(p, QStringLiteral("IntEditAdres"), d.adres);
    u.ip = ini.czytajTekst(p, QStringLiteral("IpAddress"), d.ip);
    u.numerSeryjny = ini.czytajLiczbe(p, QStringLiteral("SN"), d.numerSeryjny);
    u.rodzaj = ini.czytajLiczbe(p, QStringLiteral("connectionType"), d.rodzaj);
    u.jezykId = ini.czytajLiczbe(sekcjaJezyk, QStringLiteral("langID"), d.jezykId);
    return u;
}

bool zapiszUstawieniaOkna(PlikIni &ini, const UstawieniaOkna &u)
{
    const QString &p = sekcjaParametry;
    ini.zapiszLiczbe(p, QStringLiteral("AutoRead"), u.autoRead ? 1 : 0);
    ini.zapiszLiczbe(p, QStringLiteral("ComboBoxPort"), u.port);
    ini.zapiszLiczbe(p, QStringLiteral("ComboBoxPredkosc"), u.predkosc);
    ini.zapiszLiczbe(p, QStringLiteral("IntEditAdres"), u.adres);
    ini.zapiszLiczbe(p, QStringLiteral("StronaKodowa"), 0);
    ini.zapiszTekst(p, QStringLiteral("IpAddress"), u.ip);
    ini.zapiszLiczbe(p, QStringLiteral("SN"), u.numerSeryjny);
    ini.zapiszLiczbe(p, QStringLiteral("connectionType"), u.rodzaj);
    ini.zapiszLiczbe(sekcjaJezyk, QStringLiteral("langId"), u.jezykId);
    return zapiszUstawienia(ini);
}

QString parametr(const PlikIni &ini, const QString &klucz) { return ini.czytajTekst(sekcjaParametry, klucz); }
