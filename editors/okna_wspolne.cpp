#include "okna_wspolne.h"

#include "pasek_postepu.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void wysrodkuj(QWidget &okno, const QWidget *nad)
{
    if (nad && nad->isVisible()) {
        const QRect r = nad->frameGeometry();
        okno.move(r.center() - QPoint(okno.width() / 2, okno.height() / 2));
        return;
    }
    if (QScreen *s = QGuiApplication::primaryScreen())
        okno.move(s->availableGeometry().topLeft() + polozenieNaSrodku(s->availableGeometry().size(), okno.size()));
}
