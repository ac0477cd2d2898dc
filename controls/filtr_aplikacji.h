// An application-wide event filter installed once on the running
// application; it goes with it.
#pragma once

#include <QCoreApplication>
#include <QPointer>

template <class Filtr>
void zainstalujFiltrAplikacji()
{
    static QPointer<QObject> filtr;
    QCoreApplication *app = QCoreApplication::instance();
    if (!app || filtr)
        return;
    filtr = new Filtr(app);
    app->installEventFilter(filtr);
}
