// Pack and unpack every block of a whole project, as a full send and a full
// read move them, against a plain copy of the same number of bytes.
#include "kodek.h"
#include "mediana.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <random>
#include <vector>

static std::vector<QByteArray> spakujProjekt(const TProjektVXTNew &p, const TProjektDodatkiMycie &m)
{
    std::vector<QByteArray> b;
    b.reserve(700);
    for (int n = 0; n <= 100; ++n) {
        const TProgram &pr = n < 100 ? p.programy[n] : p.programyMycie;
        for (int c = 0; c < 5; ++c) {
            QByteArray t(blokCzesciProgramu.dlZapisu, '\0');
            spakujBlokProgramu(pr, c, t, 0);
            b.push_back(t);
        }
    }
    for (int k = 1; k <= 32; ++k)
        b.push_back(spakujKrok(p.kroki[k], k));
    for (int k = 1; k <= 16; ++k)
        b.push_back(spakujKrok(p.krokiMycie[k], k));
    for (int i = 0; i < 32; ++i)
        b.push_back(spakujPrzekaznik(p.przekazniki[i], i));
    for (int i = 0; i < 4; ++i)
        b.push_back(spakujAlarmWyjscia(p.przekaznikiAlarmF1F4[i], i));
    for (int i = 0; i < 14; ++i)
        b.push_back(spakujFunkcjeSpec(p.FunkcjeSpec[i], i));
    for (int i = 0; i < 4; ++i)
        b.push_back(spakujWyjscieAnalogowe(p.WyjsciaAn[i], i));
    for (int i = 0; i < 24; ++i) {
        QByteArray t;
        spakujWejscieAnalogowe(i, p.FWejsciaPomiarowe[i], t);
        b.push_back(t);
    }
    for (int i : {0, 2}) {
        QByteArray t;
        spakujAlarm(i, p.FWejsciaPomiarowe[i].alarm_wzgledny, t);
        b.push_back(t);
    }
    for (int i = 0; i < 24; ++i)
        b.push_back(spakujWejscieCyfrowe(p.WejsciaCyfrowe[i]));
    for (int i = 0; i < 10; ++i)
        b.push_back(spakujZadana(p.zadana[i], i));
    b.push_back(spakujWilgotnosc(p.wilgotnosc));
    b.push_back(spakujDodatki(p.dodatki));
    b.push_back(spakujUstawieniaMycia(m));
    b.push_back(spakujModuly(p.modulyWeWyjKonf));
    b.push_back(spakujSetup(p.Setup));
    return b;
}

static int rozpakujProjekt(const std::vector<QByteArray> &b, TProjektVXTNew &p, TProjektDodatkiMycie &m)
{
    size_t j = 0;
    int ok = 0;
    for (int n = 0; n <= 100; ++n) {
        TProgram &pr = n < 100 ? p.programy[n] : p.programyMycie;
        for (int c = 0; c < 5; ++c)
            ok += rozpakujBlokProgramu(b[j++], c, pr);
    }
    for (int k = 1; k <= 32; ++k)
        ok += rozpakujKrok(b[j++], p.kroki[k]);
    for (int k = 1; k <= 16; ++k)
        ok += rozpakujKrok(b[j++], p.krokiMycie[k]);
    for (int i = 0; i < 32; ++i)
        ok += rozpakujPrzekaznik(b[j++], p.przekazniki[i]);
    for (int i = 0; i < 4; ++i)
        ok += rozpakujAlarmWyjscia(b[j++], p.przekaznikiAlarmF1F4[i]);
    for (int i = 0; i < 14; ++i)
        ok += rozpakujFunkcjeSpec(b[j++], p.FunkcjeSpec[i]);
    for (int i = 0; i < 4; ++i)
        ok += rozpakujWyjscieAnalogowe(b[j++], p.WyjsciaAn[i]);
    for (int i = 0; i < 24; ++i)
        ok += rozpakujWejscieAnalogowe(b[j++], p.FWejsciaPomiarowe[i]);
    for (int i : {0, 2})
        ok += rozpakujAlarm(b[j++], p.FWejsciaPomiarowe[i].alarm_wzgledny);
    for (int i = 0; i < 24; ++i)
        ok += rozpakujWejscieCyfrowe(b[j++], p.WejsciaCyfrowe[i]);
    for (int i = 0; i < 10; ++i)
        ok += rozpakujZadana(b[j++], p.zadana[i]);
    ok += rozpakujWilgotnosc(b[j++], p.wilgotnosc);
    ok += rozpakujDodatki(b[j++], p.dodatki);
    ok += rozpakujUstawieniaMycia(b[j++], m);
    ok += rozpakujModuly(b[j++], p.modulyWeWyjKonf);
    ok += rozpakujSetup(b[j++], p.Setup);
    return ok;
}

int main()
{
    auto p = std::make_unique<TProjektVXTNew>();
    auto odczyt = std::make_unique<TProjektVXTNew>();
    TProjektDodatkiMycie m, mOdczyt;
    std::mt19937 los(1);
    auto *bajty = reinterpret_cast<uint8_t *>(p.get());
    for (size_t i = 0; i < sizeof *p; ++i)
        bajty[i] = uint8_t(los());
    std::memset(&m, 1, sizeof m);

    std::vector<QByteArray> bloki = spakujProjekt(*p, m);
    qsizetype razem = 0;
    for (const auto &b : bloki)
        razem += b.size();

    const int n = 200;
    const double pakowanie = 1e3 * mediana(n, [&] { bloki = spakujProjekt(*p, m); });
    int ok = 0;
    const double rozpakowanie = 1e3 * mediana(n, [&] { ok = rozpakujProjekt(bloki, *odczyt, mOdczyt); });
    QByteArray zrodlo(razem, 'x'), cel(razem, '\0');
    const double kopia = 1e3 * mediana(n, [&] { std::memcpy(cel.data(), zrodlo.constData(), size_t(razem)); });

    std::printf("blocks %zu (%d unpacked), %lld bytes\n", bloki.size(), ok, (long long)razem);
    std::printf("pack   %8.1f us  (%.2f us per block)\n", pakowanie, pakowanie / double(bloki.size()));
    std::printf("unpack %8.1f us  (%.2f us per block)\n", rozpakowanie, rozpakowanie / double(bloki.size()));
    std::printf("memcpy %8.1f us  of the same byte count\n", kopia);
    return 0;
}
