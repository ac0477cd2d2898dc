// Where the editors take the connection record, the lock check, the
// project and its outputs from: the main window's sources, none by default. The SETUP send's
// service-password prompt and follower of the link's parameters: none by
// default. The shared dialogs that live for the whole run (list, compare,
// "Kopiuj z ...", the definition viewers): shown or not, language, title,
// place and contents.
#include "stan_globalny.h"

#include "dane_sterownika.h"
#include "lista.h"
#include "porownaj.h"
#include "projekt_biezacy.h"
#include "przekazniki_projektu.h"
#include "przekazniki_wybor_def.h"
#include "setup_transfer.h"
#include "wybierz_pozycje.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>

#include <vector>

namespace {

const bool editors = StanGlobalny::dodaj([] {
    return [] {
        ustawZrodloUstawien({});
        ustawZrodloPrzekaznikow({});
        ustawSprawdzenieBlokady({});
        ustawZrodloProjektu({});
        ustawHasloSerwisowe({});
        ustawNoweParametryLacza({});
    };
});

// What a window of the run shows apart from its contents.
std::function<void()> zapamietajOkno(QDialog &o, int &jezykId)
{
    const bool widoczne = o.isVisible();
    const QString tytul = o.windowTitle();
    const QPoint miejsce = o.pos();
    const int jezyk = jezykId;
    return [&o, &jezykId, widoczne, tytul, miejsce, jezyk] {
        if (!widoczne)
            o.hide();
        o.setWindowTitle(tytul);
        o.move(miejsce);
        jezykId = jezyk;
    };
}

// A table's rows (every role of every cell) and its column titles.
std::function<void()> zapamietajModel(QStandardItemModel &m)
{
    std::vector<std::vector<QMap<int, QVariant>>> wiersze(size_t(m.rowCount()));
    for (int w = 0; w < m.rowCount(); ++w)
        for (int k = 0; k < m.columnCount(); ++k)
            wiersze[size_t(w)].push_back(m.itemData(m.index(w, k)));
    QStringList tytuly;
    for (int k = 0; k < m.columnCount(); ++k)
        tytuly << m.headerData(k, Qt::Horizontal).toString();
    return [&m, wiersze, tytuly] {
        m.removeRows(0, m.rowCount());
        for (const auto &wiersz : wiersze) {
            QList<QStandardItem *> komorki;
            for (const QMap<int, QVariant> &dane : wiersz) {
                auto *k = new QStandardItem;
                for (auto it = dane.begin(); it != dane.end(); ++it)
                    k->setData(it.value(), it.key());
                komorki << k;
            }
            m.appendRow(komorki);
        }
        m.setHorizontalHeaderLabels(tytuly);
    };
}

// Each is created here on first use, as the program creates it; without a
// QApplication (GoogleTest binaries) there are none.
const bool oknaWspolne = StanGlobalny::dodaj([]() -> std::function<void()> {
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        return [] {};
    TFormLista &l = formaLista();
    TFormPorownaj &p = formaPorownaj();
    TFormWybierzPozycjeDlg &d = formaWybierzPozycje();
    TFormDOwybierzDef &wdo = formaDOwybierzDef();
    TFormAOwybierzDef &wao = formaAOwybierzDef();
    std::vector<std::function<void()>> przywroc = {
        zapamietajOkno(l, l.jezykId),     zapamietajModel(*l.JvMemoryData1), zapamietajOkno(p, p.jezykId),
        zapamietajModel(*p.memproj),      zapamietajOkno(d, d.jezykId),      zapamietajOkno(wdo, wdo.jezykId),
        zapamietajOkno(wao, wao.jezykId),
    };
    const QString info = l.L_info->text();
    QStringList pozycje;
    for (int i = 0; i < d.ComboBox1->count(); ++i)
        pozycje << d.ComboBox1->itemText(i);
    const int wybrana = d.ComboBox1->currentIndex();
    const bool ok = d.but_ok->isEnabled();
    return [przywroc, &l, &d, info, pozycje, wybrana, ok] {
        for (const auto &f : przywroc)
            f();
        l.L_info->setText(info);
        d.ComboBox1->clear();
        d.ComboBox1->addItems(pozycje);
        d.ComboBox1->setCurrentIndex(wybrana);
        d.but_ok->setEnabled(ok);
    };
});

} // namespace
