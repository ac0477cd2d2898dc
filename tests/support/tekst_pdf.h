// The text of a PDF that a report wrote, laid out as on its page.
#pragma once

#include <QProcess>
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
