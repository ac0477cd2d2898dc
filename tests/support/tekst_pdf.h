// The text of a PDF that a report wrote, laid out as on its page, and the
// relay states its relay bands print.
#pragma once

#include <QList>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

// Empty when pdftotext cannot read the file or does not finish.
inline QString tekstPdf(const QString &plik)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), plik, QStringLiteral("-")});
    if (!p.waitForFinished(20000) || p.exitCode() != 0)
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The states of relays 1..32 that the first relay band at or after `od`
// prints: its cells read "1 s1 2 s2 ... 32 s32" (each relay's number, then
// its state). Empty when no such band follows.
inline QList<int> stanyPrzekaznikowPdf(const QString &tekst, qsizetype od = 0)
{
    QString wzor = QStringLiteral("(?<!\\d)");
    for (int j = 1; j <= 32; ++j)
        wzor += QStringLiteral("%1\\s+(\\d+)").arg(j) + (j < 32 ? QStringLiteral("\\s+") : QStringLiteral("(?!\\d)"));
    const QRegularExpressionMatch m = QRegularExpression(wzor).match(tekst, od);
    QList<int> stany;
    if (m.hasMatch())
        for (int j = 1; j <= 32; ++j)
            stany << m.captured(j).toInt();
    return stany;
}
