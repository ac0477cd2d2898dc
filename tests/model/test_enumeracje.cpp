#include "enumeracje.h"
#include "gtest_qt.h"
#include "jezyki.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>

namespace {

struct Lista {
    const char *nazwa;
    std::function<QStringList()> wszystkie;
    std::function<QString(int)> jeden;
    int pierwszy;
    QStringList oczekiwane;
};

QStringList z(std::initializer_list<const char *> l)
{
    QStringList w;
    for (const char *s : l)
        w.append(QString::fromUtf8(s));
    return w;
}

std::vector<Lista> listy()
{
    return {
        {"Znak", [] { return listaZnak(); }, [](int i) { return listaZnak(i); }, 0, z({"Dodatnia", "Ujemna"})},
        {"StanSterownika", [] { return listaStanSterownika(); }, [](int i) { return listaStanSterownika(i); }, 0,
         z({"OFF", "STOP", "PAUZA", "START", "EDYCJA", "AUTOSTART", "KONIEC KROKU", "KONIEC PROCESU", "KONTYNUACJA",
            "PRZERWANY", "..", "SETUP", "STOP"})},
        {"TypWejsciaAI", [] { return listaTypWejsciaAI(); }, [](int i) { return listaTypWejsciaAI(i); }, 0,
         z({"PT100", "Termopara K", "Termopara J", "Wejście prądowe 0..20 mA", "Wejście prądowe 4..20 mA",
            "Kalbren Vane T", "Kalbren Vane H"})},
        {"ReakcjaAlarmu", [] { return listaReakcjaAlarmu(); }, [](int i) { return listaReakcjaAlarmu(i); }, 0,
         z({"WYŁĄCZONY", "PRZERWANIE PROGRAMU", "KONTYNUACJA PROGRAMU"})},
        {"OperacjaStanu", [] { return listaOperacjaStanu(); }, [](int i) { return listaOperacjaStanu(i); }, 0,
         z({"Ustawienie stanu", "Dodanie stanu", "Odjęcie stanu"})},
        {"TypWyjsciaAO", [] { return listaTypWyjsciaAO(); }, [](int i) { return listaTypWyjsciaAO(i); }, 0,
         z({"WYŁĄCZONE", "ZADAJNIK", "REGULATOR PID ", "REGULATOR LINIOWY"})},
        {"RodzajPrzekaznika", [] { return listaRodzajPrzekaznika(); }, [](int i) { return listaRodzajPrzekaznika(i); },
         0, z({"bistabilny", "monostabilny"})},
        {"GrzanieChlodzenie", [] { return listaGrzanieChlodzenie(); }, [](int i) { return listaGrzanieChlodzenie(i); },
         0, z({"grzanie", "chłodzenie"})},
        {"TrybPrzekaznika", [] { return listaTrybPrzekaznika(); }, [](int i) { return listaTrybPrzekaznika(i); }, 0,
         z({"ZAWSZE WYŁĄCZONY", "ZAWSZE ZAŁĄCZONY", "OPÓŹNIONE ZAŁĄCZENIE", "OPÓŹNIONE WYŁĄCZENIE",
            "IMPULSATOR START=0", "IMPULSATOR START=1", "IMPULS START=0", "IMPULS START=1"})},
        {"TypRegulatora", [] { return listaTypRegulatora(); }, [](int i) { return listaTypRegulatora(i); }, 0,
         z({"Regulacja wyłączona", "Grzanie \"dochodzenie\"", "Chłodzenie \"dochodzenie\"", "Histereza Grzanie",
            "Histereza Chłodzenie", "PID"})},
        {"PomiarWilgotnosci", [] { return listaPomiarWilgotnosci(); }, [](int i) { return listaPomiarWilgotnosci(i); },
         0, z({"Mokry suchy", "Wejście prądowe", "Czujnik cyfrowy"})},
        {"WarunekKonca", [] { return listaWarunekKonca(jezykPolski); },
         [](int i) { return listaWarunekKonca(i, jezykPolski); }, 1,
         z({"C01 Off",
            "C02 CZo>CZz",
            "C03 Tko>Tkz",
            "C04 Tbo>TBz",
            "C05 Wo>Wz",
            "C06 Czo>CZz lub Tko>TKz",
            "C07 Czo>CZz lub Tbo>TBz",
            "C08 Czo>CZz lub Wo>Wz",
            "C09 Czo>CZz i Tko>TKz",
            "C10 Czo>CZz i Tbo>TBz",
            "C11 Czo>CZz i Wo>Wz",
            "C12 Tko<Tkz",
            "C13 Tbo<TBz",
            "C14 Wo<Wz",
            "C15 Czo>CZz lub Tko<TKz",
            "C16 Czo>CZz lub Tbo<TBz",
            "C17 Czo>CZz lub Wo<Wz",
            "C18 Czo>CZz i Tko<TKz",
            "C19 Czo>CZz i Tbo<TBz",
            "C20 Czo>CZz i Wo<Wz",
            "C21 INn=1",
            "C22 Czo>CZz i INn=1",
            "C23 Czo>CZz lub INn=1",
            "C24 INn=0",
            "C25 Czo>CZz i INn=0"})},
        {"WarunekKoncaInne", [] { return listaWarunekKonca(jezykAngielski); },
         [](int i) { return listaWarunekKonca(i, jezykRosyjski); }, 1,
         z({"C01 Off",
            "C02 TIr>TIs",
            "C03 TCHr>TCHs",
            "C04 TCr>TCs",
            "C05 HUr>HUs",
            "C06 TIr>TIs lub TCHr>TCHs",
            "C07 TIr>TIs lub TCr>TCs",
            "C08 TIr>TIs lub HUr>HUs",
            "C09 TIr>TIs i TCHr>TCHs",
            "C10 TIr>TIs i TCr>TCs",
            "C11 TIr>TIs i HUr>HUs",
            "C12 TCHr<TCHs",
            "C13 TCr<TCs",
            "C14 HUr<HUs",
            "C15 TIr>TIs lub TCHr<TCHs",
            "C16 TIr>TIs lub TCr<TCs",
            "C17 TIr>TIs lub HUr<HUs",
            "C18 TIr>TIs i TCHr<TCHs",
            "C19 TIr>TIs i TCr<TCs",
            "C20 TIr>TIs i HUr<HUs",
            "C21 INn=1",
            "C22 TIr>TIs i INn=1",
            "C23 TIr>TIs lub INn=1",
            "C24 INn=0",
            "C25 TIr>TIs i INn=0"})},
    };
}

} // namespace

TEST(Enumeracje, KazdaListaWKolejnosciKodowIPozaZakresem)
{
    for (const Lista &l : listy()) {
        SCOPED_TRACE(l.nazwa);
        EXPECT_EQ(l.wszystkie(), l.oczekiwane);
        const int ile = int(l.oczekiwane.size());
        for (int i = 0; i < ile; ++i)
            EXPECT_EQ(l.jeden(l.pierwszy + i), l.oczekiwane.at(i)) << i;
        for (int poza : {l.pierwszy - 1, l.pierwszy + ile, -1000, INT_MIN, INT_MAX})
            EXPECT_EQ(l.jeden(poza), QStringLiteral("element out of bounds: %1").arg(poza));
    }
}

TEST(Enumeracje, PrzypadkiBrzegowe)
{
    EXPECT_EQ(listaTypRegulatora(6), QStringLiteral("element out of bounds: 6"));
    EXPECT_EQ(listaWarunekKonca(0, jezykPolski), QStringLiteral("element out of bounds: 0"));
    EXPECT_EQ(listaWarunekKonca(25, jezykPolski), QStringLiteral("C25 Czo>CZz i INn=0"));
    EXPECT_EQ(listaWarunekKonca(26, jezykAngielski), QStringLiteral("element out of bounds: 26"));
    // The analog outputs' working mode: PID before linear.
    EXPECT_EQ(listaTypWyjsciaAO(2), QStringLiteral("REGULATOR PID "));
}

TEST(Enumeracje, NazwyKrotkie)
{
    struct Przypadek {
        int n;
        bool krotka;
        const char *tekst;
    } const przypadki[] = {
        {1, true, "FPs"},
        {2, true, "FFs"},
        {3, true, "FPf"},
        {4, true, "FAs"},
        {5, true, "FS01"},
        {14, true, "FS10"},
        {1, false, "Pauza"},
        {2, false, "Zatrzymanie"},
        {3, false, "Zanik zasilania"},
        {4, false, "Aktywny STOP"},
        {5, false, "F1"},
        {14, false, "F10"},
        {0, true, ""},
        {15, true, ""},
        {15, false, ""},
        {-1, false, ""},
    };
    for (const auto &p : przypadki)
        EXPECT_EQ(nazwaFunkcjiSpecjalnej(p.n, p.krotka), QString::fromUtf8(p.tekst)) << p.n << p.krotka;
}
