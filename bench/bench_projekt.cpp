// New, save and open of a project against plain file I/O of the same size.
#include "komunikaty.h"
#include "mediana.h"
#include "projekt.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString p = dir.filePath("bench.k3p"), surowy = dir.filePath("surowy.bin");
    TBiezacyProjekt projekt;
    const QByteArray dane(sizeof(TProjektVXTNew), '\x5a');
    const int n = 50;

    const double nowy = mediana(n, [&] { wypelnijNowyProjekt(projekt.projekt(), projekt.mycie()); });
    const double zapis = mediana(n, [&] { zapiszProjektDoPliku(p, projekt.projekt(), projekt.mycie(), 2); });
    const double odczyt = mediana(n, [&] { projekt.OtworzProjektNazwa(p); });
    const double zapisSurowy = mediana(n, [&] {
        QFile f(surowy);
        f.open(QIODevice::WriteOnly);
        f.write(dane);
    });
    const double odczytSurowy = mediana(n, [&] {
        QFile f(surowy);
        f.open(QIODevice::ReadOnly);
        volatile auto b = f.readAll();
        (void)b;
    });
    std::printf("new project           %8.3f ms\n", nowy);
    std::printf("save (project+sidecar) %7.3f ms   plain write %7.3f ms   ratio %.2f\n", zapis, zapisSurowy,
                zapis / zapisSurowy);
    std::printf("open (project+sidecar) %7.3f ms   plain read  %7.3f ms   ratio %.2f\n", odczyt, odczytSurowy,
                odczyt / odczytSurowy);
    return 0;
}
