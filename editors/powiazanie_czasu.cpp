#include "powiazanie_czasu.h"

#include "edycja_czasu.h"

#include <memory>

TPowiazanieOpoznienia powiazanieOpoznienia(TMin99SecEdit *k, std::function<qint64()> zapisane,
                                           std::function<void(qint64)> zapisz)
{
    auto zmienione = std::make_shared<bool>(false);
    // zmiana comes with every key typed into the box, also one that leaves
    // its text as it was, and with every new text set by the window.
    QObject::connect(k, &TMin99SecEdit::zmiana, k, [zmienione] { *zmienione = true; });
    return {[k, zapisane, zmienione] {
                k->setTimesek(int(zapisane()));
                *zmienione = false;
            },
            [k, zapisz, zmienione] {
                if (*zmienione)
                    zapisz(k->timesek());
            },
            [k, zmienione](int sekundy) {
                k->setTimesek(sekundy);
                *zmienione = true;
            }};
}
