#include "enumeracje.h"

#include <QCoreApplication>

QString nazwaFunkcjiSpecjalnej(int n, bool krotka)
{
    static const char *const krotkie[] = {"FPs", "FFs", "FPf", "FAs"};
    static const char *const dlugie[] = {
        QT_TRANSLATE_NOOP("Enumeracje", "Pauza"),
        QT_TRANSLATE_NOOP("Enumeracje", "Zatrzymanie"),
        QT_TRANSLATE_NOOP("Enumeracje", "Zanik zasilania"),
        QT_TRANSLATE_NOOP("Enumeracje", "Aktywny STOP"),
    };
    if (n < 1 || n > 14)
        return {};
    if (n <= 4)
        return krotka ? QString::fromLatin1(krotkie[n - 1])
                      : QCoreApplication::translate("Enumeracje", dlugie[n - 1]);
    return krotka ? QString::asprintf("FS%2.2d", n - 4) : QStringLiteral("F%1").arg(n - 4);
}
