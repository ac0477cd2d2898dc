// A record window's binding of a minutes:seconds box (TMin99SecEdit) to a
// duration of its record (TEdytorRekordu::powiaz with `pokaz` and
// `przyjmij`): an alarm delay, a special mode's or the washing time, a
// SETUP parameter. The box shows the stored value as far as it can (a
// negative one as 00:00, 6000 and more as 99:59); its value goes into the
// record only once the box was changed after the record was last shown in
// it: typed into (also with the text it showed), or set by the window
// through `ustaw` (a reset). A duration the box cannot show keeps its
// stored bytes through every other edit, a send, a save and a print.
#pragma once

#include <QtGlobal>

#include <functional>

class TMin99SecEdit;

struct TPowiazanieOpoznienia {
    std::function<void()> pokaz, przyjmij;
    // The window's own value in the box, taken into the record like a
    // typed one, also where the box showed it already.
    std::function<void(int sekundy)> ustaw;
};
TPowiazanieOpoznienia powiazanieOpoznienia(TMin99SecEdit *k, std::function<qint64()> zapisane,
                                           std::function<void(qint64)> zapisz);
