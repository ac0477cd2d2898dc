#include "enumeracje.h"

#include "jezyki.h"

#include <QCoreApplication>

#include <span>

namespace {

constexpr char kontekst[] = "Enumeracje";

// One item: a translatable text (or a literal one) and a literal suffix.
struct Element {
    const char *tekst;
    const char *dopisek = "";
    bool literal = false;
};

struct Lista {
    std::span<const Element> elementy;
    bool wielkie = false; // upper-cased after translation
    int pierwszy = 0;     // code of the first item
};

QStringList wszystkie(const Lista &l)
{
    QStringList wynik;
    wynik.reserve(qsizetype(l.elementy.size()));
    for (const Element &e : l.elementy) {
        QString s = e.literal ? QString::fromUtf8(e.tekst) : QCoreApplication::translate(kontekst, e.tekst);
        s += QString::fromUtf8(e.dopisek);
        wynik.append(l.wielkie ? s.toUpper() : s);
    }
    return wynik;
}

QString jeden(const Lista &l, int indeks)
{
    const qint64 i = qint64(indeks) - l.pierwszy;
    if (i < 0 || i >= qint64(l.elementy.size()))
        return tekstPozaZakresem(indeks);
    return wszystkie(Lista{l.elementy.subspan(size_t(i), 1), l.wielkie}).front();
}

constexpr Element znak[] = {{QT_TRANSLATE_NOOP("Enumeracje", "Dodatnia")}, {QT_TRANSLATE_NOOP("Enumeracje", "Ujemna")}};

constexpr Element stanSterownika[] = {
    {QT_TRANSLATE_NOOP("Enumeracje", "off")},
    {QT_TRANSLATE_NOOP("Enumeracje", "Stop")},
    {QT_TRANSLATE_NOOP("Enumeracje", "Pauza")},
    {QT_TRANSLATE_NOOP("Enumeracje", "Start")},
    {QT_TRANSLATE_NOOP("Enumeracje", "Edycja")},
    {QT_TRANSLATE_NOOP("Enumeracje", "Autostart")},
    {QT_TRANSLATE_NOOP("Enumeracje", "koniec kroku")},
    {QT_TRANSLATE_NOOP("Enumeracje", "koniec procesu")},
    {QT_TRANSLATE_NOOP("Enumeracje", "kontynuacja")},
    {QT_TRANSLATE_NOOP("Enumeracje", "Przerwany")},
    {"..", "", true},
    {QT_TRANSLATE_NOOP("Enumeracje", "Setup")},
    {QT_TRANSLATE_NOOP("Enumeracje", "Stop")},
};

constexpr Element typWejsciaAI[] = {
    {"PT100", "", true},
    {QT_TRANSLATE_NOOP("Enumeracje", "Termopara"), " K"},
    {QT_TRANSLATE_NOOP("Enumeracje", "Termopara"), " J"},
    {QT_TRANSLATE_NOOP("Enumeracje", "Wejście prądowe"), " 0..20 mA"},
    {QT_TRANSLATE_NOOP("Enumeracje", "Wejście prądowe"), " 4..20 mA"},
    {"Kalbren Vane T", "", true},
    {"Kalbren Vane H", "", true},
};

constexpr Element reakcjaAlarmu[] = {{QT_TRANSLATE_NOOP("Enumeracje", "Wyłączony")},
                                     {QT_TRANSLATE_NOOP("Enumeracje", "Przerwanie programu")},
                                     {QT_TRANSLATE_NOOP("Enumeracje", "Kontynuacja programu")}};

constexpr Element operacjaStanu[] = {{QT_TRANSLATE_NOOP("Enumeracje", "Ustawienie stanu")},
                                     {QT_TRANSLATE_NOOP("Enumeracje", "Dodanie stanu")},
                                     {QT_TRANSLATE_NOOP("Enumeracje", "Odjęcie stanu")}};

constexpr Element typWyjsciaAO[] = {{QT_TRANSLATE_NOOP("Enumeracje", "wyłączone")},
                                    {QT_TRANSLATE_NOOP("Enumeracje", "Zadajnik")},
                                    {QT_TRANSLATE_NOOP("Enumeracje", "Regulator PID ")},
                                    {QT_TRANSLATE_NOOP("Enumeracje", "Regulator liniowy")}};

constexpr Element rodzajPrzekaznika[] = {{QT_TRANSLATE_NOOP("Enumeracje", "bistabilny")},
                                         {QT_TRANSLATE_NOOP("Enumeracje", "monostabilny")}};

constexpr Element grzanieChlodzenie[] = {{QT_TRANSLATE_NOOP("Enumeracje", "grzanie")},
                                         {QT_TRANSLATE_NOOP("Enumeracje", "chłodzenie")}};

constexpr Element trybPrzekaznika[] = {
    {QT_TRANSLATE_NOOP("Enumeracje", "Zawsze wyłączony")},
    {QT_TRANSLATE_NOOP("Enumeracje", "Zawsze załączony")},
    {QT_TRANSLATE_NOOP("Enumeracje", "Opóźnione załączenie")},
    {QT_TRANSLATE_NOOP("Enumeracje", "Opóźnione wyłączenie")},
    {QT_TRANSLATE_NOOP("Enumeracje", "Impulsator Start"), "=0"},
    {QT_TRANSLATE_NOOP("Enumeracje", "Impulsator Start"), "=1"},
    {QT_TRANSLATE_NOOP("Enumeracje", "Impuls Start"), "=0"},
    {QT_TRANSLATE_NOOP("Enumeracje", "Impuls Start"), "=1"},
};

constexpr Element typRegulatora[] = {
    {QT_TRANSLATE_NOOP("Enumeracje", "Regulacja wyłączona")},
    {QT_TRANSLATE_NOOP("Enumeracje", "Grzanie \"dochodzenie\"")},
    {QT_TRANSLATE_NOOP("Enumeracje", "Chłodzenie \"dochodzenie\"")},
    {QT_TRANSLATE_NOOP("Enumeracje", "Histereza Grzanie")},
    {QT_TRANSLATE_NOOP("Enumeracje", "Histereza Chłodzenie")},
    {"PID", "", true},
};

constexpr Element pomiarWilgotnosci[] = {{QT_TRANSLATE_NOOP("Enumeracje", "Mokry suchy")},
                                         {QT_TRANSLATE_NOOP("Enumeracje", "Wejście prądowe")},
                                         {QT_TRANSLATE_NOOP("Enumeracje", "Czujnik cyfrowy")}};

#define L(s)                                                                                                           \
    {                                                                                                                  \
        s, "", true                                                                                                    \
    }

constexpr Element warunekKoncaPl[] = {
    L("C01 Off"),
    L("C02 CZo>CZz"),
    L("C03 Tko>Tkz"),
    L("C04 Tbo>TBz"),
    L("C05 Wo>Wz"),
    L("C06 Czo>CZz lub Tko>TKz"),
    L("C07 Czo>CZz lub Tbo>TBz"),
    L("C08 Czo>CZz lub Wo>Wz"),
    L("C09 Czo>CZz i Tko>TKz"),
    L("C10 Czo>CZz i Tbo>TBz"),
    L("C11 Czo>CZz i Wo>Wz"),
    L("C12 Tko<Tkz"),
    L("C13 Tbo<TBz"),
    L("C14 Wo<Wz"),
    L("C15 Czo>CZz lub Tko<TKz"),
    L("C16 Czo>CZz lub Tbo<TBz"),
    L("C17 Czo>CZz lub Wo<Wz"),
    L("C18 Czo>CZz i Tko<TKz"),
    L("C19 Czo>CZz i Tbo<TBz"),
    L("C20 Czo>CZz i Wo<Wz"),
    L("C21 INn=1"),
    L("C22 Czo>CZz i INn=1"),
    L("C23 Czo>CZz lub INn=1"),
    L("C24 INn=0"),
    L("C25 Czo>CZz i INn=0"),
};

constexpr Element warunekKoncaInne[] = {
    L("C01 Off"),
    L("C02 TIr>TIs"),
    L("C03 TCHr>TCHs"),
    L("C04 TCr>TCs"),
    L("C05 HUr>HUs"),
    L("C06 TIr>TIs lub TCHr>TCHs"),
    L("C07 TIr>TIs lub TCr>TCs"),
    L("C08 TIr>TIs lub HUr>HUs"),
    L("C09 TIr>TIs i TCHr>TCHs"),
    L("C10 TIr>TIs i TCr>TCs"),
    L("C11 TIr>TIs i HUr>HUs"),
    L("C12 TCHr<TCHs"),
    L("C13 TCr<TCs"),
    L("C14 HUr<HUs"),
    L("C15 TIr>TIs lub TCHr<TCHs"),
    L("C16 TIr>TIs lub TCr<TCs"),
    L("C17 TIr>TIs lub HUr<HUs"),
    L("C18 TIr>TIs i TCHr<TCHs"),
    L("C19 TIr>TIs i TCr<TCs"),
    L("C20 TIr>TIs i HUr<HUs"),
    L("C21 INn=1"),
    L("C22 TIr>TIs i INn=1"),
    L("C23 TIr>TIs lub INn=1"),
    L("C24 INn=0"),
    L("C25 TIr>TIs i INn=0"),
};

#undef L

Lista warunekKonca(int jezykId)
{
    return {jezykId == jezykPolski ? std::span<const Element>(warunekKoncaPl)
                                   : std::span<const Element>(warunekKoncaInne),
            false, 1};
}

} // namespace

QString tekstPozaZakresem(int indeks) { return QString::asprintf("element out of bounds: %d", indeks); }

QStringList listaZnak() { return wszystkie({znak}); }
QString listaZnak(int indeks) { return jeden({znak}, indeks); }
QStringList listaStanSterownika() { return wszystkie({stanSterownika, true}); }
QString listaStanSterownika(int indeks) { return jeden({stanSterownika, true}, indeks); }
QStringList listaTypWejsciaAI() { return wszystkie({typWejsciaAI}); }
QString listaTypWejsciaAI(int indeks) { return jeden({typWejsciaAI}, indeks); }
QStringList listaReakcjaAlarmu() { return wszystkie({reakcjaAlarmu, true}); }
QString listaReakcjaAlarmu(int indeks) { return jeden({reakcjaAlarmu, true}, indeks); }
QStringList listaOperacjaStanu() { return wszystkie({operacjaStanu}); }
QString listaOperacjaStanu(int indeks) { return jeden({operacjaStanu}, indeks); }
QStringList listaTypWyjsciaAO() { return wszystkie({typWyjsciaAO, true}); }
QString listaTypWyjsciaAO(int indeks) { return jeden({typWyjsciaAO, true}, indeks); }
QStringList listaRodzajPrzekaznika() { return wszystkie({rodzajPrzekaznika}); }
QString listaRodzajPrzekaznika(int indeks) { return jeden({rodzajPrzekaznika}, indeks); }
QStringList listaGrzanieChlodzenie() { return wszystkie({grzanieChlodzenie}); }
QString listaGrzanieChlodzenie(int indeks) { return jeden({grzanieChlodzenie}, indeks); }
QStringList listaTrybPrzekaznika() { return wszystkie({trybPrzekaznika, true}); }
QString listaTrybPrzekaznika(int indeks) { return jeden({trybPrzekaznika, true}, indeks); }
QStringList listaTypRegulatora() { return wszystkie({typRegulatora}); }
QString listaTypRegulatora(int indeks) { return jeden({typRegulatora}, indeks); }
QStringList listaPomiarWilgotnosci() { return wszystkie({pomiarWilgotnosci}); }
QString listaPomiarWilgotnosci(int indeks) { return jeden({pomiarWilgotnosci}, indeks); }
QStringList listaWarunekKonca(int jezykId) { return wszystkie(warunekKonca(jezykId)); }
QString listaWarunekKonca(int indeks, int jezykId) { return jeden(warunekKonca(jezykId), indeks); }

QString nazwaFunkcjiSpecjalnej(int n, bool krotka)
{
    static const char *const krotkie[] = {"FPs", "FFs", "FPf", "FAs"};
    static const char *const dlugie[] = {
        QT_TRANSLATE_NOOP("Enumeracje", "Pauza"),
        QT_TRANSLATE_NOOP("Enumeracje", "Zatrzymanie"),
        QT_TRANSLATE_NOOP("Enumeracje", "Zanik zasilania"),
        QT_TRANSLATE_NOOP("Enumeracje", "Aktywny STOP"),
    };
    if (n < 1 || n > 14)
        return {};
    if (n <= 4)
        return krotka ? QString::fromLatin1(krotkie[n - 1]) : QCoreApplication::translate(kontekst, dlugie[n - 1]);
    return krotka ? QString::asprintf("FS%2.2d", n - 4) : QStringLiteral("F%1").arg(n - 4);
}
