#include "gtest_qt.h"
#include "setup_teksty.h"

#include <gtest/gtest.h>

#include <climits>

TEST(SetupTeksty, NazwyParametrow)
{
    const char *const nazwy[50] = {
        "",
        "Adres RS-485",
        "Prędkość transmisji",
        "Czas warunku końca [mm:ss]",
        "Buczek Alarmu",
        "Jednostka temperatury",
        "Typ Delty",
        "Częstotliwość rejestracji [s]",
        "\tnieaktywne",
        "Maksymalna temp. zadana komory (TK)",
        "Maksymalna temp. zadana batonu (TB)",
        "Minimalna temp. zadana komory (TK)",
        "Minimalna temp. zadana batonu (TB)",
        "Czas ponowienia alarmu [s]",
        "Warunek końca INn",
        "Numer INn (DI:1-8 DO:1-32)",
        "Blokada edycji",
        "Dźwięk klawiatury",
        "Jednostka czasu",
        "Identyfikator ID ",
        "Wartości dziesiętne",
        "Ilość zapętleń programu",
        "Przekaźnik silnika B1",
        "Przekaźnik silnika B2",
        "Czas rozpędzania silnika [s]",
        "Czas hamowania silnika [s]",
        "Czas wyświetlania info [s]",
        "Edycja kroku w cyklu",
        "Czas wyjścia z edycji [s]",
        "Czas do wylogowania [s]",
        "Czas blokady ekranu ",
        "Okno batonu",
        "Okno wilgotności",
        "\tnieaktywne",
        "Hasło użytkownika",
        "Hasło programowania",
        "Hasło serwis",
        "Czujnik cyfrowy",
        "Duży zegar",
        "Wygaszacz ekranu",
        "Blokada transmisji (0-wyłączona)",
        "\tnieaktywne",
        "Ukryj detale INFO",
        "Zachowanie STOP",
        "Tryb rejestracji",
        "Autostart",
        "Edycja mycia",
        "Kod fabryczny",
        "Użytkownik - AIN offset",
        "Użytkownik - dostęp do diagnostyki",
    };
    for (int n = 0; n < 50; ++n) {
        EXPECT_EQ(nazwaParametruSetup(n), QString::fromUtf8(nazwy[n])) << n;
        EXPECT_EQ(parametrSetupNieaktywny(n), n == 8 || n == 33 || n == 41) << n;
    }
    for (int n : {-1, 50, 100, INT_MIN, INT_MAX})
        EXPECT_EQ(nazwaParametruSetup(n), QString()) << n;
}

TEST(SetupTeksty, TekstyWartosci)
{
    struct Przypadek {
        int n, wartosc;
        const char *tekst;
    } const przypadki[] = {
        {0, 7, "7"},
        {1, 247, "247"},
        {2, 0, "9600 [b/s]"},
        {2, 4, "115200 [b/s]"},
        {2, 7, "7"},
        {2, -1, "-1"},
        {3, 125, "02:05"},
        {3, 0, "00:00"},
        {8, 3600, "60:00"},
        {4, 0, "off"},
        {4, 1, "on"},
        {4, 2, "2"},
        {49, 1, "on"},
        {5, 0, "Celsjusz"},
        {5, 1, "Fahrenheit"},
        {5, 2, "2"},
        {6, 1, "TK/TB"},
        {6, 2, "TK/min"},
        {6, 3, "3"},
        {9, 2000, "200,0"},
        {9, -5, "-0,5"},
        {12, 0, "0,0"},
        {14, 0, "DI"},
        {14, 1, "DO"},
        {18, 0, "[hh:mm]"},
        {18, 1, "mm:ss"},
        {18, 2, "2"},
        // The reversed on/off parameters.
        {20, 0, "on"},
        {20, 1, "off"},
        {43, 0, "on"},
        {47, 1, "off"},
        {31, 0, "on"},
        {32, 1, "off"},
        {45, 0, "on"},
        {45, 2, "2"},
        {30, 0, "off"},
        {30, 1, "15 [s]"},
        {30, 5, "5 [min]"},
        {30, 6, "6"},
        {34, 0, "***"},
        {35, 1234, "***"},
        {36, -1, "***"},
        {40, 0, "off"},
        {40, 1, "***"},
        {40, -3, "***"},
        {44, 0, "Proces"},
        {44, 1, "Ciągła"},
        {44, 2, "2"},
        {13, 30, "30"},
        {33, 1, "1"},
        {41, 1, "1"},
        {50, 1, "1"},
        {100, -42, "-42"},
        {101, 5, "5"},
        {-1, 5, "5"},
    };
    for (const auto &p : przypadki)
        EXPECT_EQ(tekstWartosciSetup(p.n, p.wartosc), QString::fromUtf8(p.tekst)) << p.n << " " << p.wartosc;
}
