#include "setup_teksty.h"

#include "pomocnicze.h"

#include <QCoreApplication>

namespace {

constexpr char kontekst[] = "SetupTeksty";

QString przetlumacz(const char *s) { return QCoreApplication::translate(kontekst, s); }

// A name: the text, a literal joint, an optional unit text and a literal end.
struct Nazwa {
    const char *tekst;
    const char *lacznik = "";
    const char *jednostka = nullptr;
    const char *koniec = "";
};

const char *const sekundy = QT_TRANSLATE_NOOP("SetupTeksty", "[s]");
const char *const minSek = QT_TRANSLATE_NOOP("SetupTeksty", "mm:ss");

const Nazwa nazwy[50] = {
    {nullptr},
    {QT_TRANSLATE_NOOP("SetupTeksty", "Adres RS-485")},
    {QT_TRANSLATE_NOOP("SetupTeksty", "Prędkość transmisji")},
    {QT_TRANSLATE_NOOP("SetupTeksty", "Czas warunku końca"), " [", minSek, "]"},
    {QT_TRANSLATE_NOOP("SetupTeksty", "Buczek Alarmu")},
    {QT_TRANSLATE_NOOP("SetupTeksty", "Jednostka temperatury")},
    {QT_TRANSLATE_NOOP("SetupTeksty", "Typ Delty")},
    {QT_TRANSLATE_NOOP("SetupTeksty", "Częstotliwość rejestracji"), " ", sekundy},
    {nullptr},
    {QT_TRANSLATE_NOOP("SetupTeksty", "Maksymalna temp. zadana komory (TK)")},
    {QT_TRANSLATE_NOOP("SetupTeksty", "Maksymalna temp. zadana batonu (TB)")},
    {QT_TRANSLATE_NOOP("SetupTeksty", "Minimalna temp. zadana komory (TK)")},
    {QT_TRANSLATE_NOOP("SetupTeksty", "Minimalna temp. zadana batonu (TB)")},
    {QT_TRANSLATE_NOOP("SetupTeksty", "Czas ponowienia alarmu [s]")},
    {QT_TRANSLATE_NOOP("SetupTeksty", "Warunek końca INn")},
    {QT_TRANSLATE_NOOP("SetupTeksty", "Numer INn (DI:1-8 DO:1-32)")},
    {QT_TRANSLATE_NOOP("SetupTeksty", "Blokada edycji")},
    {QT_TRANSLATE_NOOP("SetupTeksty", "Dźwięk klawiatury")},
    {QT_TRANSLATE_NOOP("SetupTeksty", "Jednostka czasu")},
    {QT_TRANSLATE_NOOP("SetupTeksty", "Identyfikator ID ")},
    {QT_TRANSLATE_NOOP("SetupTeksty", "Wartości dziesiętne")},
    {QT_TRANSLATE_NOOP("SetupTeksty", "Ilość zapętleń programu")},
    {QT_TRANSLATE_NOOP("SetupTeksty", "Przekaźnik silnika B"), "1"},
    {QT_TRANSLATE_NOOP("SetupTeksty", "Przekaźnik silnika B"), "2"},
    {QT_TRANSLATE_NOOP("SetupTeksty", "Czas rozpędzania silnika"), " ", sekundy},
    {QT_TRANSLATE_NOOP("SetupTeksty", "Czas hamowania silnika"), " ", sekundy},
    {QT_TRANSLATE_NOOP("SetupTeksty", "Czas wyświetlania info"), " ", sekundy},
    {QT_TRANSLATE_NOOP("SetupTeksty", "Edycja kroku w cyklu")},
    {QT_TRANSLATE_NOOP("SetupTeksty", "Czas wyjścia z edycji"), " ", sekundy},
    {QT_TRANSLATE_NOOP("SetupTeksty", "Czas do wylogowania"), " ", sekundy},
    {QT_TRANSLATE_NOOP("SetupTeksty", "Czas blokady ekranu"), " "},
    {QT_TRANSLATE_NOOP("SetupTeksty", "Okno batonu")},
    {QT_TRANSLATE_NOOP("SetupTeksty", "Okno wilgotności")},
    {nullptr},
    {QT_TRANSLATE_NOOP("SetupTeksty", "Hasło użytkownika")},
    {QT_TRANSLATE_NOOP("SetupTeksty", "Hasło programowania")},
    {QT_TRANSLATE_NOOP("SetupTeksty", "Hasło serwis")},
    {QT_TRANSLATE_NOOP("SetupTeksty", "Czujnik cyfrowy")},
    {QT_TRANSLATE_NOOP("SetupTeksty", "Duży zegar")},
    {QT_TRANSLATE_NOOP("SetupTeksty", "Wygaszacz ekranu")},
    {QT_TRANSLATE_NOOP("SetupTeksty", "Blokada transmisji (0-wyłączona)")},
    {nullptr},
    {QT_TRANSLATE_NOOP("SetupTeksty", "Ukryj detale INFO")},
    {QT_TRANSLATE_NOOP("SetupTeksty", "Zachowanie STOP")},
    {QT_TRANSLATE_NOOP("SetupTeksty", "Tryb rejestracji")},
    {QT_TRANSLATE_NOOP("SetupTeksty", "Autostart")},
    {QT_TRANSLATE_NOOP("SetupTeksty", "Edycja mycia")},
    {QT_TRANSLATE_NOOP("SetupTeksty", "Kod fabryczny")},
    {QT_TRANSLATE_NOOP("SetupTeksty", "Użytkownik - AIN offset")},
    {QT_TRANSLATE_NOOP("SetupTeksty", "Użytkownik - dostęp do diagnostyki")},
};

// The word of a value from a list of words for 0, 1, ...; the decimal
// value when the list has none.
template <size_t N>
QString slowo(const char *const (&slowa)[N], int wartosc)
{
    return wartosc >= 0 && size_t(wartosc) < N ? QString::fromUtf8(slowa[wartosc]) : QString::number(wartosc);
}

} // namespace

bool parametrSetupNieaktywny(int n) { return n == 8 || n == 33 || n == 41; }

QString nazwaParametruSetup(int n)
{
    if (n < 1 || n > 49)
        return {};
    if (parametrSetupNieaktywny(n))
        return QLatin1Char('\t') + przetlumacz(QT_TRANSLATE_NOOP("SetupTeksty", "nieaktywne"));
    const Nazwa &z = nazwy[n];
    QString s = przetlumacz(z.tekst) + QString::fromLatin1(z.lacznik);
    if (z.jednostka)
        s += przetlumacz(z.jednostka);
    return s + QString::fromLatin1(z.koniec);
}

QString tekstWartosciSetup(int n, int wartosc)
{
    static const char *const wlWyl[] = {"off", "on"};
    static const char *const wylWl[] = {"on", "off"};
    switch (n) {
    case 2: {
        static const char *const predkosci[] = {"9600 [b/s]", "19200 [b/s]", "38400 [b/s]", "57600 [b/s]",
                                                "115200 [b/s]"};
        return slowo(predkosci, wartosc);
    }
    case 3:
    case 8:
        return QString::asprintf("%2.2d:%2.2d", wartosc / 60, wartosc % 60);
    case 4:
    case 16:
    case 17:
    case 19:
    case 27:
    case 37:
    case 38:
    case 39:
    case 42:
    case 46:
    case 48:
    case 49:
        return slowo(wlWyl, wartosc);
    case 5:
        if (wartosc == 0)
            return przetlumacz(QT_TRANSLATE_NOOP("SetupTeksty", "Celsjusz"));
        if (wartosc == 1)
            return przetlumacz(QT_TRANSLATE_NOOP("SetupTeksty", "Fahrenheit"));
        break;
    case 6: {
        static const char *const delty[] = {"off", "TK/TB", "TK/min"};
        return slowo(delty, wartosc);
    }
    case 9:
    case 10:
    case 11:
    case 12:
        return tekstDziesiatych(wartosc);
    case 14: {
        static const char *const wejscia[] = {"DI", "DO"};
        return slowo(wejscia, wartosc);
    }
    case 18:
        if (wartosc == 0)
            return przetlumacz(QT_TRANSLATE_NOOP("SetupTeksty", "[hh:mm]"));
        if (wartosc == 1)
            return przetlumacz(minSek);
        break;
    case 20:
    case 31:
    case 32:
    case 43:
    case 45:
    case 47:
        return slowo(wylWl, wartosc);
    case 30: {
        static const char *const czasy[] = {"off", "15 [s]", "30 [s]", "1 [min]", "2 [min]", "5 [min]"};
        return slowo(czasy, wartosc);
    }
    case 34:
    case 35:
    case 36:
        return QStringLiteral("***");
    case 40:
        return wartosc == 0 ? QStringLiteral("off") : QStringLiteral("***");
    case 44:
        if (wartosc == 0)
            return przetlumacz(QT_TRANSLATE_NOOP("SetupTeksty", "Proces"));
        if (wartosc == 1)
            return przetlumacz(QT_TRANSLATE_NOOP("SetupTeksty", "Ciągła"));
        break;
    default:
        break;
    }
    return QString::number(wartosc);
}
