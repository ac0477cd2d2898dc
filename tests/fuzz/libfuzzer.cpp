// libFuzzer's side of a fuzz target: the process is prepared once, and a
// corpus folder that is still empty gets the target's seed inputs first.
#include "fuzz.h"

#include <QDir>
#include <QFile>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    przygotujFuzz();
    for (int i = 1; i < *argc; ++i) {
        const char *a = (*argv)[i];
        if (a[0] == '-')
            continue;
        const QDir katalog(QString::fromLocal8Bit(a));
        if (katalog.exists() && katalog.isEmpty()) {
            const std::vector<QByteArray> ziarna = ziarnaFuzz();
            for (size_t k = 0; k < ziarna.size(); ++k) {
                QFile f(katalog.filePath(QStringLiteral("ziarno-%1").arg(k, 4, 10, QLatin1Char('0'))));
                if (f.open(QIODevice::WriteOnly))
                    f.write(ziarna[k]);
            }
        }
        break;
    }
    return 0;
}
