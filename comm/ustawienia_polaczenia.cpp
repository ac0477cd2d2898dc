#include "ustawienia_polaczenia.h"

#include <array>

int predkoscZKodu(int kod)
{
    static constexpr std::array<int, 15> predkosci = {110,   300,   600,   1200,  2400,   4800,   9600,  14400,
                                                      19200, 38400, 56000, 57600, 115200, 128000, 256000};
    if (kod < 0 || kod >= int(predkosci.size()))
        return 0;
    return predkosci[size_t(kod)];
}

int kodPredkosciOkna(int pozycja)
{
    return pozycja >= 0 && pozycja < int(kodyPredkosciOkna.size()) ? kodyPredkosciOkna[size_t(pozycja)]
                                                                   : kodyPredkosciOkna.back();
}

int pozycjaPredkosciOkna(int kod)
{
    for (size_t i = 0; i < kodyPredkosciOkna.size(); ++i)
        if (kodyPredkosciOkna[i] == kod)
            return int(i);
    return -1;
}
