#include "lista_rozwijana.h"

#include <QComboBox>
#include <QSignalBlocker>

void zmienPozycje(QComboBox *c, const QStringList &pozycje)
{
    const QSignalBlocker cicho(c);
    const int i = c->currentIndex();
    c->clear();
    c->addItems(pozycje);
    c->setCurrentIndex(i < c->count() ? i : -1);
}
