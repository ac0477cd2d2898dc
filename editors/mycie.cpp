#include "mycie.h"

#include "dane_sterownika.h"
#include "edycja_czasu.h"
#include "mycie_transfer.h"
#include "przekazniki32.h"
#include "raport.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

using M = TProjektDodatkiMycie;

// "[hh:mm]" follows the label's translated text as it stands.
const QString jednostkaCzasu = QStringLiteral("[hh:mm]");

} // namespace

TfUstawieniaMycia::TfUstawieniaMycia(QWidget *parent)
    : TEdytorRekordu(Odczyt | Wyslanie | Otwarcie | Zapis | Drukowanie | Czyszczenie, parent)
{
    setObjectName(QStringLiteral("TfUstawieniaMycia"));
    rozszerzenie = QStringLiteral("k3washset");
    ileOdczytu = 3;

    auto *uklad = new QVBoxLayout(obszar);
    auto *ukladCzasu = new QHBoxLayout;
    L_czas = new QLabel(obszar);
    L_czas->setObjectName(QStringLiteral("L_czas"));
    hm = new TMin99SecEdit(obszar);
    hm->setObjectName(QStringLiteral("hm"));
    hm->setFixedWidth(hm->fontMetrics().horizontalAdvance(QStringLiteral("000:000")) + 16);
    L_czas->setBuddy(hm);
    tlumaczonaEtykieta(L_czas, [] { return tr("Czas do mycia ") + jednostkaCzasu; });
    ukladCzasu->addWidget(L_czas);
    ukladCzasu->addWidget(hm);
    ukladCzasu->addStretch();
    uklad->addLayout(ukladCzasu);
    // The box reads minutes as its seconds: hh:mm in place of mm:ss.
    czas_ = powiazanieOpoznienia(
        hm, [this] { return qint64(rekord.czaDoMycia); }, [this](qint64 v) { rekord.czaDoMycia = uint16_t(v); });
    powiaz(
        hm,
        [this] {
            czas_.pokaz();
            hm->setCursorPosition(10);
        },
        czas_.przyjmij);

    przekazniki = new TPrzekazniki32(obszar);
    przekazniki->setObjectName(QStringLiteral("przekazniki"));
    przekazniki->setOnOffOnlyValue(true);
    tlumaczonyTytul(przekazniki, [] { return tr("Przekaźnik względem którego, jest naliczany czas mycia"); });
    uklad->addWidget(przekazniki);
    uklad->addStretch();
    // An output is stored as counted (1) or not (0), whatever value it
    // came with.
    powiaz(
        przekazniki,
        [this] {
            for (int n = 0; n < ilePrzekaznikow; ++n)
                przekazniki->setValue(n, rekord.przekazniki[n]);
        },
        [this] {
            for (int n = 0; n < ilePrzekaznikow; ++n)
                rekord.przekazniki[n] = przekazniki->getValue(n) > 0 ? 1 : 0;
        });
}

QString TfUstawieniaMycia::tytul() const { return tr("Ustawienia mycia"); }

void TfUstawieniaMycia::jezykSekcji()
{
    tekstOdczytu = tr("Odczyt ustawień");
    hm->setAccessibleName(L_czas->text());
}

void TfUstawieniaMycia::ustawPrzekazniki(const TPrzekaznikiArray &p) { przekazniki->ustawIkony(p); }

bool TfUstawieniaMycia::czytajRekord(M &m) { return czytajUstawieniaMycia(m, daneSterownika); }

bool TfUstawieniaMycia::wyslijRekord(const M &m)
{
    sprawdzBlokade();
    return wyslijUstawieniaMycia(m, false, daneSterownika);
}

void TfUstawieniaMycia::sb_clsClick()
{
    if (!potwierdzCzyszczenie())
        return;
    czas_.ustaw(0);
    przekazniki->cls();
    modyfikacja();
}

// The page: the time line and the relay caption in one band, the relays
// under it as 64 cells, each relay's number in small grey type followed
// by 1 when it is counted.
void TfUstawieniaMycia::zbudujRaport(TRaport &raport)
{
    const qreal szerokosc = dodajNaglowekIStopke(raport);
    TPasmo &dane = raport.dodajPasmo(QStringLiteral("MasterData1"), TRodzajPasma::Podrzedne, 16);
    dane.dodajTekst(QStringLiteral("h_CzasDoMycia"), QRectF(0, 0, 60, 6));
    dane.dodajTekst(QStringLiteral("MemoCzas"), QRectF(60, 0, szerokosc - 60, 6)).czcionka.setBold(true);
    dane.dodajTekst(QStringLiteral("h_Przekaznik"), QRectF(0, 9, szerokosc, 6)).czcionka.setBold(true);
    TPasmo &stany = dodajPrzekaznikiRaportu(raport, dane, {});
    static_cast<TTekstRaportu &>(*stany.obiekty.front()).ukryjZera = true;
}

QList<std::pair<const char *, QString>> TfUstawieniaMycia::tekstyRaportu() const
{
    const int minuty = rekord.czaDoMycia;
    return {
        {"MemoCzas", QStringLiteral("%1:%2").arg(minuty / 60).arg(minuty % 60, 2, 10, QLatin1Char('0'))},
        {"h_CzasDoMycia", tr("Czas do mycia ") + QLatin1Char(' ') + jednostkaCzasu + QLatin1Char(':')},
        {"h_Przekaznik", tr("Przekaźnik względem którego, jest naliczany czas mycia")},
    };
}

void TfUstawieniaMycia::wypelnijRaport(TRaport &raport)
{
    dopiszPrzekazniki(przekaznikiRaportu(raport), 1, 1,
                      QByteArray(reinterpret_cast<const char *>(rekord.przekazniki), ilePrzekaznikow));
}

bool edytujUstawieniaMycia(M &mycie, const TPrzekaznikiArray &przekazniki, int jezykId)
{
    return otworzEdytor<TfUstawieniaMycia>(mycie, jezykId, TfUstawieniaMycia::Zwrot::OkIWynik,
                                           [&](TfUstawieniaMycia &o) { o.ustawPrzekazniki(przekazniki); });
}
