#include "alarmy_transfer.h"

#include "lan.h"
#include "lan_polecenia.h"
#include "powtorz.h"
#include "transfer_sekcji.h"

#include <cstring>

namespace {

constexpr int ileAlarmow = 4;

} // namespace

bool czytajAlarmyDO(TAlarmyF1F4Array &alarmy, const TUstawieniaSterownika &ust)
{
    TAlarmyF1F4Array kopia;
    std::memcpy(&kopia, &alarmy, sizeof kopia);
    const bool ok = przeslijPozycje(
        ust, 0,
        [&](const TUstawieniaSterownika &u) {
            for (int nr = 1; nr <= ileAlarmow; ++nr)
                if (const int w = powtorzCzytajPrzekaznikiAlarm(kopia[nr - 1], nr, u.adresRS, u.ParametryTransmisji))
                    return w;
            return 0;
        },
        [&](TFormLan &lan, const TUstawieniaSterownika &u) {
            for (int nr = 1; nr <= ileAlarmow; ++nr)
                if (const int w = lan.make(probyLanSekcji, &lanCzytajPrzekaznikiAlarm, nr, kopia[nr - 1], u))
                    return w;
            return 0;
        });
    if (ok)
        std::memcpy(&alarmy, &kopia, sizeof kopia);
    return ok;
}

bool wyslijAlarmyDO(const TAlarmyF1F4Array &alarmy, bool wSesji, const TUstawieniaSterownika &ust)
{
    return przeslijPozycje(
        ust, 0,
        [&](const TUstawieniaSterownika &u) {
            return powtorzZapisKomPrzekaznikiAlarm(alarmy, u.adresRS, u.ParametryTransmisji, wSesji);
        },
        [&](TFormLan &lan, const TUstawieniaSterownika &u) {
            return lan.make(probyLanSekcji, &lanZapisPrzekaznikiAlarm, alarmy, wSesji, u);
        });
}
