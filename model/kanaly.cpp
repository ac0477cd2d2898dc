#include "kanaly.h"

#include "nazwy.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

const TWejsciaPomiarowe *biezace = nullptr;

QString wilgotnosc() { return QCoreApplication::translate("Kanaly", "Wilgotność"); }

} // namespace

void ustawWejsciaPomiarowe(const TWejsciaPomiarowe *wejscia) { biezace = wejscia; }

TListaAI budujListeAI(const TWejsciaPomiarowe &wejscia)
{
    TListaAI lista;
    for (int n = 1; n <= 24; ++n) {
        TAiMyStructure &d = lista[n - 1];
        d.nr = n;
        d.nrWsterowniku = n - 1;
        d.poz = n % 6 == 0 ? 6 : n % 6;
        d.modul = (n - 1) / 6 + 1;
        d.shortName = QString::asprintf("AI%d.%d", d.modul, d.poz);
        const QString nazwa = nazwa50NaTekst(wejscia[n - 1].nazwa);
        d.name = nazwa.isEmpty() ? d.shortName : nazwa;
    }
    return lista;
}

TListaAI budujListeAI()
{
    if (biezace)
        return budujListeAI(*biezace);
    static const TWejsciaPomiarowe puste{};
    return budujListeAI(puste);
}

void listaWejscAnalogowychMaska(int ile, QStringList &podpisy, QStringList &numery, bool czysc, uint8_t maska)
{
    const TListaAI lista = budujListeAI();
    if (czysc) {
        podpisy.clear();
        numery.clear();
    }
    for (int i = 0; i < std::clamp(ile, 0, 24); ++i) {
        const TAiMyStructure &d = lista[i];
        if (maska & (1u << (d.modul - 1))) {
            podpisy.append(d.shortName + QLatin1Char(' ') + d.name);
            numery.append(QString::number(d.nrWsterowniku));
        }
    }
}

void listaWejscAnalogowych(int ile, QStringList &podpisy, QStringList &numery, bool zWilgotnoscia)
{
    podpisy.clear();
    numery.clear();
    if (zWilgotnoscia) {
        podpisy.append(wilgotnosc());
        numery.append(QStringLiteral("24"));
    }
    listaWejscAnalogowychMaska(ile, podpisy, numery, false, 1);
}

QString opisWejsciaAnalogowego(int kanal)
{
    QStringList podpisy, numery;
    listaWejscAnalogowych(24, podpisy, numery, true);
    const qsizetype i = numery.indexOf(QString::number(kanal));
    return i < 0 ? QString() : podpisy.at(i);
}

QStringList listaZrodelZadanej()
{
    QStringList l;
    for (int i = 0; i < 25; ++i)
        l.append(opisZrodlaZadanej(i));
    return l;
}

QString opisZrodlaZadanej(int indeks)
{
    switch (indeks) {
    case 0:
        return QCoreApplication::translate("Kanaly", "Temp. Komory");
    case 1:
        return QCoreApplication::translate("Kanaly", "Temp. Batonu");
    case 2:
        return wilgotnosc();
    }
    if (indeks >= 3 && indeks <= 10)
        return QString::asprintf("D%d", indeks - 2);
    if (indeks >= 11 && indeks <= 14)
        return QString::asprintf("ZS%d", indeks - 10);
    if (indeks >= 15 && indeks <= 24)
        return QString::asprintf("Z%d", indeks - 14);
    return {};
}
