#include "start.h"

#include "nazwy.h"

#include <QFileInfo>

#include <csignal>

bool zadanyLogRamek = false;

bool czyLogRamek(const QStringList &argumenty)
{
    if (argumenty.isEmpty())
        return false;
    return przytnij(argumenty.front().toUpper()) == QLatin1String("/D");
}

QString plikProjektuZArgumentow(const QStringList &argumenty)
{
    if (argumenty.isEmpty() || czyLogRamek(argumenty))
        return {};
    const QFileInfo f(argumenty.front());
    return f.exists() && f.isFile() ? argumenty.front() : QString();
}

void przygotujProces() { std::signal(SIGXFSZ, SIG_IGN); }
