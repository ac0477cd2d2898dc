#include "jezyk.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace {

// A module is read whole and kept: the translator works on its bytes.
struct ModulJezyka {
    QByteArray dane;
    QTranslator tlumacz;
    QString plik;
};

std::unique_ptr<ModulJezyka> modul;
std::unique_ptr<QTranslator> tlumaczQt;

std::unique_ptr<ModulJezyka> ladujZasobyJezyka(int jezykId, const QString &sciezkaProgramu)
{
    for (const QString &plik : plikiModuluJezyka(sciezkaProgramu, jezykId)) {
        QFile f(plik);
        if (!f.open(QIODevice::ReadOnly))
            continue;
        auto m = std::make_unique<ModulJezyka>();
        m->dane = f.readAll();
        if (m->tlumacz.load(reinterpret_cast<const uchar *>(m->dane.constData()), int(m->dane.size()))) {
            m->plik = plik;
            return m;
        }
    }
    return nullptr;
}

} // namespace

QString skrotJezyka(int jezykId)
{
    switch (jezykId) {
    case 1045:
        return QStringLiteral("PLK");
    case 1049:
        return QStringLiteral("RUS");
    case 2057:
        return QStringLiteral("ENG");
    default:
        return {};
    }
}

QString kodJezyka(int jezykId)
{
    switch (jezykId) {
    case 1045:
        return QStringLiteral("pl");
    case 1049:
        return QStringLiteral("ru");
    case 2057:
        return QStringLiteral("en");
    default:
        return {};
    }
}

QStringList plikiModuluJezyka(const QString &sciezkaProgramu, int jezykId)
{
    const QString skrot = skrotJezyka(jezykId);
    const qsizetype ukosnik = sciezkaProgramu.lastIndexOf(QLatin1Char('/'));
    const QString nazwa = sciezkaProgramu.mid(ukosnik + 1);
    if (skrot.isEmpty() || nazwa.isEmpty())
        return {};
    const qsizetype kropka = nazwa.lastIndexOf(QLatin1Char('.'));
    const QString baza = sciezkaProgramu.left(ukosnik + 1) + (kropka > 0 ? nazwa.left(kropka + 1) : nazwa);
    return {baza + skrot, baza + skrot.left(2)};
}

bool przelaczJezykZasobow(int jezykId, const QString &sciezkaProgramu)
{
    const QString program = sciezkaProgramu.isEmpty() ? QCoreApplication::applicationFilePath() : sciezkaProgramu;
    std::unique_ptr<ModulJezyka> nowy = ladujZasobyJezyka(jezykId, program);

    if (modul)
        QCoreApplication::removeTranslator(&modul->tlumacz);
    modul = std::move(nowy);
    if (tlumaczQt)
        QCoreApplication::removeTranslator(tlumaczQt.get());
    tlumaczQt.reset();

    // Qt's standard buttons and dialogs speak the language of our texts.
    const QString kod = kodJezyka(modul ? jezykId : 1045);
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_") + kod, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        tlumaczQt = std::move(qt);
        QCoreApplication::installTranslator(tlumaczQt.get());
    }
    if (modul)
        QCoreApplication::installTranslator(&modul->tlumacz);
    // Every window retranslates before the caller goes on.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    return modul != nullptr;
}

QString biezacyModulJezyka() { return modul ? modul->plik : QString(); }
