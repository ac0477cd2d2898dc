// A one-record window as its entry function opens it: the language set, the
// record shown, the window unchanged; shown without a modal run.
#pragma once

#include "edytor_rekordu.h"
#include "okno_modalne.h"

#include <QPushButton>

#include <cstring>
#include <memory>

template <class Okno>
std::unique_ptr<Okno> oknoRekordu(const typename Okno::Rekord &rekord, bool pokaz = true)
{
    auto o = std::make_unique<Okno>();
    o->ustawJezyk(1045);
    std::memcpy(&o->rekord, &rekord, sizeof rekord);
    o->pokazDane();
    o->wynik = false;
    o->but_ok->setEnabled(false);
    if (pokaz)
        o->show();
    return o;
}

// The entry function `otworz` run while `wOknie` acts on its window of type
// Okno once that is up as the modal window: what the entry function says.
template <class Okno, class F>
bool przezWejscie(const std::function<void(TEdytorSekcji &)> &wOknie, F otworz)
{
    gdyOknoModalne<Okno>([&](Okno *o) { wOknie(*o); });
    return otworz();
}
