#include "obrazki.h"

static void zaladujZasoby()
{
    // The pictures live in a static library: nothing else pulls them in.
    Q_INIT_RESOURCE(obrazki);
    Q_INIT_RESOURCE(obrazki_wyjsc);
}

QPixmap obrazek(const QString &nazwa)
{
    static const bool zaladowane = (zaladujZasoby(), true);
    (void)zaladowane;
    return QPixmap(QStringLiteral(":/obrazki/") + nazwa);
}
