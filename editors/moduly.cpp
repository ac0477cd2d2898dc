#include "moduly.h"

#include "moduly_transfer.h"
#include "panel_modulow.h"

#include <QHBoxLayout>
#include <QToolButton>

void wymusModulBazowy(TModulyWejWyKonfig &m)
{
    m.ain |= 1;
    m.aout |= 1;
    m.din |= 1;
    m.dout |= 1;
}

TFormModuly::TFormModuly(QWidget *parent)
    : TEdytorRekordu(Odczyt | Wyslanie | Otwarcie | Zapis | Drukowanie | Czyszczenie, parent)
{
    setObjectName(QStringLiteral("TFormModuly"));
    rozszerzenie = QStringLiteral("k3mod");
    ileOdczytu = 5;
    ileWysylania = 1;
    jedenBladPliku = true;
    wylaczNarzedzie(but_drukuj);

    Panel3 = new QWidget(obszar);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    moduly = new TKvor350inOutModul(Panel3, [this](QObject *) { modyfikacja(); });
    Panel3->setMinimumSize(moduly->x() + TKvor350inOutModul::rozmiar + 40,
                           moduly->y() + TKvor350inOutModul::rozmiar + 30);
    auto *uklad = new QHBoxLayout(obszar);
    uklad->setContentsMargins(0, 0, 0, 0);
    uklad->addWidget(Panel3, 0, Qt::AlignCenter);
}

QString TFormModuly::tytul() const { return tr("Moduły dodatkowe"); }

void TFormModuly::WypiszDane()
{
    wymusModulBazowy(modulyKonfig);
    moduly->setValueAin(modulyKonfig.ain);
    moduly->setValueAout(modulyKonfig.aout);
    moduly->setValueDin(modulyKonfig.din);
    moduly->setValueDout(modulyKonfig.dout);
}

void TFormModuly::AktualizujDanePoEdycji()
{
    modulyKonfig.ain = uint8_t(moduly->getValueAin());
    modulyKonfig.aout = uint8_t(moduly->getValueAout());
    modulyKonfig.din = uint8_t(moduly->getValueDin());
    modulyKonfig.dout = uint8_t(moduly->getValueDout());
}

bool TFormModuly::czytajRekord(TModulyWejWyKonfig &m) { return czytajModuly(m, daneSterownika); }

bool TFormModuly::wyslijRekord(const TModulyWejWyKonfig &m) { return wyslijModuly(m, false, daneSterownika); }

void TFormModuly::sb_clsClick()
{
    if (!potwierdzCzyszczenie())
        return;
    modulyKonfig = {1, 1, 1, 1};
    WypiszDane();
    modyfikacja();
}

bool edytujModuly(TModulyWejWyKonfig &moduly, const TUstawieniaSterownika &ust, int jezykId)
{
    return otworzEdytor<TFormModuly>(moduly, jezykId, TFormModuly::Zwrot::OkIWynik,
                                     [&](TFormModuly &o) { o.daneSterownika = ust; });
}
