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
        QString dane = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        if (dane.isEmpty())
            dane = QDir::homePath() + QStringLiteral("/.kvor-setup");
        QDir().mkpath(dane);
        return dane;
    }();
    return zUkosnikiem(wybrany);
}
