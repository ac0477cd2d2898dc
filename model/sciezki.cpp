#include "sciezki.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
QString nadpisany;

QString zUkosnikiem(QString k)
{
    if (!k.endsWith(QLatin1Char('/')))
        k += QLatin1Char('/');
    return k;
}
} // namespace

void ustawKatalogProgramu(const QString &katalog) { nadpisany = katalog; }

QString katalogProgramu()
{
    if (!nadpisany.isEmpty())
        return zUkosnikiem(nadpisany);
    static const QString wybrany = [] {
        const QString programu = QCoreApplication::applicationDirPath();
        if (!programu.isEmpty() && QFileInfo(programu).isWritable())
            return programu;
        // Not AppDataLocation: it follows the application name, which the
        // main window changes at start-up.
        QString dane = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
        dane =
            dane.isEmpty() ? QDir::homePath() + QStringLiteral("/.kvor-setup") : dane + QStringLiteral("/kvor-setup");
        QDir().mkpath(dane);
        return dane;
    }();
    return zUkosnikiem(wybrany);
}
