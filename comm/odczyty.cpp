#include "odczyty.h"

#include "ramka.h"

namespace {

int16_t zeZnakiem(uint16_t v) { return int16_t(v); }

} // namespace

void rozpakujOdczyty(const QByteArray &odp, TOdczyty &o)
{
    if (odp.size() < dlOdpowiedziOdczytow)
        return;
    const auto d = [&](int k) { return daneBajt(odp, k); };
    const auto d16 = [&](int k) { return slowoLE(odp, magistrala::naglowek + k); };
    o.wersja = d(0) + 256 * d(1) + 65536 * d(2);
    o.stan1 = d(4);
    o.stan2 = 0;
    o.SekundaCyklu = 0;
    o.nr_prog = d(5);
    o.nr_cykl = d(6);
    o.GodzinaCyklu = d16(13) / 60;
    o.MinutaCyklu = d16(13) % 60;
    o.ZadGodzinaCyklu = d16(16) / 60;
    o.ZadMinutaCyklu = d16(16) % 60;
    o.nr_krok = d(18);
    o.ZadTempKom = zeZnakiem(d16(19)) / 10.0;
    o.ZadTempBat = zeZnakiem(d16(21)) / 10.0;
    // Humidity and delta setpoints: raw signed values as sent.
    o.zadWilg = zeZnakiem(d16(23));
    o.zadDelta = zeZnakiem(d16(29));
    o.AdresOstRej = d16(92);
    o.dzien = d(96);
    o.miesiac = d(97);
    o.rok = d(98) + 2000;
    o.godzina = d(99);
    o.minuta = d(100);
    o.sekunda = d(101);
    o.wersjaProtokolu = d16(102);
}
