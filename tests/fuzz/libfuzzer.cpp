// libFuzzer's side of a fuzz target: the process is prepared once, a
// corpus folder that is still empty gets the target's seed inputs first,
// and a run that names no place for a finding's input (-artifact_prefix,
// -exact_artifact_path) puts it in the build tree's fuzz folder, not in the
// folder it runs in.
#include "fuzz.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstring>
#include <vector>

namespace {

void domyslneMiejsceWynikow(int *argc, char ***argv)
{
    for (int i = 1; i < *argc; ++i)
        if (std::strncmp((*argv)[i], "-artifact_prefix=", 17) == 0 ||
            std::strncmp((*argv)[i], "-exact_artifact_path=", 21) == 0)
            return;
    const QString katalog = QStringLiteral(KVOR_WYNIKI_FUZZ);
    QDir().mkpath(katalog);
    // libFuzzer reads the arguments after this call: they live as long as
    // the process.
    static QByteArray opcja =
        "-artifact_prefix=" +
        QFile::encodeName(QDir(katalog).filePath(QFileInfo(QFile::decodeName((*argv)[0])).fileName() + u'-'));
    static std::vector<char *> argumenty;
    argumenty.assign(*argv, *argv + *argc);
    argumenty.insert(argumenty.begin() + 1, opcja.data());
    argumenty.push_back(nullptr);
    *argv = argumenty.data();
    ++*argc;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    przygotujFuzz();
    domyslneMiejsceWynikow(argc, argv);
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
