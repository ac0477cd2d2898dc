#include "lista.h"

#include "enumeracje.h"
#include "kodek.h"
#include "komunikaty.h"
#include "nazwy.h"
#include "obrazki.h"
#include "okna_wspolne.h"
#include "pomocnicze.h"

#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include <span>

namespace {

// A text of the list window marked with QT_TRANSLATE_NOOP("TFormLista", ...).
QString tekst(const char *t) { return QCoreApplication::translate("TFormLista", t); }

// Rows of the uses of one output, by the definition rule.
class Zestawienie {
public:
    Zestawienie(int wybrany, int definicja) : wybrany_(wybrany), definicja_(definicja) {}

    // A relay byte matches when it switches the output on with the chosen
    // definition, or with any when none was chosen.
    bool pasuje(uint8_t v) const { return v > 0 && (definicja_ < 1 || v == definicja_); }

    // Adds the row when the record's byte for the output matches.
    void dodaj(const uint8_t (&przekazniki)[128], const QString &id, const QString &nazwa)
    {
        const uint8_t v = przekazniki[wybrany_ - 1];
        if (pasuje(v))
            wiersze.append({id, nazwa, QStringLiteral("[DEF %1]").arg(v)});
    }

    QList<TPozycjaListy> wiersze;

private:
    int wybrany_;
    int definicja_;
};

QString zDopiskiem(const QString &nazwa, uint8_t status, const char *alarm)
{
    return status != 0 ? nazwa + QLatin1Char('\t') + tekst(alarm) : nazwa;
}

} // namespace

TZestawienieDO zestawienieDO(int wybrany, int definicja, const TProjektVXTNew &proj, const TProjektDodatkiMycie &um)
{
    TZestawienieDO z;
    if (wybrany < 1 || wybrany > 128)
        return z;
    z.info = QCoreApplication::translate("TFormLista", "Wybrany") +
             (definicja > 0 ? QStringLiteral(": DO1.%1  DEF %2").arg(wybrany).arg(definicja)
                            : QStringLiteral(": DO1.%1").arg(wybrany)) +
             QLatin1Char('\t') + nazwa50NaTekst(proj.przekazniki[wybrany - 1].nazwa);

    Zestawienie w(wybrany, definicja);
    for (int i = 1; i <= 6; ++i) {
        const TWejscieAnalogowe &we = proj.FWejsciaPomiarowe[i - 1];
        const QString id = QStringLiteral("AI1.%1").arg(i);
        const QString nazwa = nazwa50NaTekst(we.nazwa);
        w.dodaj(we.alarm_bezwzgledny.przekazniki, id,
                zDopiskiem(nazwa, we.alarm_bezwzgledny.status, QT_TRANSLATE_NOOP("TFormLista", "Alarm Min/Max")));
        if (i == 1 || i == 3)
            w.dodaj(we.alarm_wzgledny.przekazniki, id,
                    zDopiskiem(nazwa, we.alarm_wzgledny.status, QT_TRANSLATE_NOOP("TFormLista", "Alarm względny")));
        w.dodaj(
            we.alarm_brak_czujnika.przekazniki, id,
            zDopiskiem(nazwa, we.alarm_brak_czujnika.status, QT_TRANSLATE_NOOP("TFormLista", "Alarm Brak czujnika")));
    }
    for (int i = 1; i <= 24; ++i) {
        const Tkvor350wejscieDwustanowe &we = proj.WejsciaCyfrowe[i - 1];
        int karta = 0, wejscie = 0;
        kanalNaKarteWejscie(i, 8, 16, karta, wejscie);
        w.dodaj(we.wyjscia_przypisane, QStringLiteral("DI%1.%2 : ").arg(karta + 1).arg(wejscie + 1),
                tekstJednobajtowy(std::span<const uint8_t>(we.nazwa_str)));
    }
    w.dodaj(proj.wilgotnosc.alarm.przekazniki, QString(),
            QCoreApplication::translate("TFormLista", "Wilgotność") + QStringLiteral(" - ") +
                QCoreApplication::translate("TFormLista", "Alarm"));
    for (int i = 1; i <= 14; ++i)
        w.dodaj(proj.FunkcjeSpec[i - 1].przekazniki, nazwaFunkcjiSpecjalnej(i, true),
                nazwa50NaTekst(proj.FunkcjeSpec[i - 1].nazwa));
    for (int i = 1; i <= 32; ++i)
        w.dodaj(proj.kroki[i].przekazniki, QString::asprintf("ST%2.2d", i), nazwa50NaTekst(proj.kroki[i].nazwa));
    for (int i = 1; i <= 16; ++i)
        w.dodaj(proj.krokiMycie[i].przekazniki, QString::asprintf("SW%2.2d", i),
                nazwa50NaTekst(proj.krokiMycie[i].nazwa));
    z.wiersze = std::move(w.wiersze);
    // The washing settings count an output or not: no definition to match.
    if (um.przekazniki[wybrany - 1] != 0)
        z.wiersze.append({QString(), QCoreApplication::translate("TFormLista", "Ustawienia mycia"), QString()});
    return z;
}

TFormLista::TFormLista(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TFormLista"));
    resize(599, 493);

    Panel2 = new QWidget(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFixedHeight(41);
    L_info = new QLabel(Panel2);
    L_info->setObjectName(QStringLiteral("L_info"));
    L_info->setTextFormat(Qt::PlainText);
    but_popraw = new QToolButton(Panel2);
    but_popraw->setObjectName(QStringLiteral("but_popraw"));
    but_popraw->setAutoRaise(true);
    but_popraw->setFixedSize(34, 34);
    but_popraw->setIcon(obrazek(QStringLiteral("SCHOWEK")));
    but_popraw->setIconSize(QSize(24, 24));
    auto *gora = new QHBoxLayout(Panel2);
    gora->setContentsMargins(16, 1, 25, 6);
    gora->addWidget(L_info, 1);
    gora->addWidget(but_popraw);

    JvMemoryData1 = new QStandardItemModel(0, 3, this);
    JvMemoryData1->setObjectName(QStringLiteral("JvMemoryData1"));
    JvDBGrid1 = new QTableView(this);
    JvDBGrid1->setObjectName(QStringLiteral("JvDBGrid1"));
    JvDBGrid1->setModel(JvMemoryData1);
    JvDBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    JvDBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    JvDBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    JvDBGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    JvDBGrid1->setWordWrap(false);
    JvDBGrid1->verticalHeader()->hide();
    JvDBGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    JvDBGrid1->verticalHeader()->setDefaultSectionSize(20);
    JvDBGrid1->horizontalHeader()->setStretchLastSection(true);
    JvDBGrid1->setColumnWidth(0, 102);
    JvDBGrid1->setColumnWidth(1, 345);

    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedHeight(41);
    but_close = new QPushButton(Panel1);
    but_close->setObjectName(QStringLiteral("but_close"));
    but_close->setAutoDefault(false);
    auto *dol = new QHBoxLayout(Panel1);
    dol->addStretch();
    dol->addWidget(but_close);

    auto *uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(0, 0, 0, 0);
    uklad->setSpacing(0);
    uklad->addWidget(Panel2);
    uklad->addWidget(JvDBGrid1, 1);
    uklad->addWidget(Panel1);

    connect(but_close, &QPushButton::clicked, this, &TFormLista::but_closeClick);
    connect(but_popraw, &QToolButton::clicked, this, &TFormLista::but_poprawClick);
    jezyk();
}

void TFormLista::jezyk()
{
    but_close->setText(tr("Zamknij"));
    JvMemoryData1->setHorizontalHeaderLabels({QStringLiteral("Id"), tr("Nazwa"), QStringLiteral("Def")});
    but_popraw->setToolTip(tr("Kopiuj do schowka"));
    but_popraw->setAccessibleName(tr("Kopiuj do schowka"));
}

void TFormLista::changeEvent(QEvent *e)
{
    if (e->type() == QEvent::LanguageChange)
        jezyk();
    QDialog::changeEvent(e);
}

void TFormLista::Pokaz(const QString &A_title, int A_jezykId)
{
    jezykId = A_jezykId;
    jezyk();
    setWindowTitle(A_title);
    wysrodkuj(*this, QApplication::activeWindow());
    exec();
}

void TFormLista::memoCls(QStandardItemModel *a_mem) { a_mem->removeRows(0, a_mem->rowCount()); }

void TFormLista::memoAdd(QStandardItemModel *a_mem, const QString &a_id, const QString &a_nazwa, const QString &a_def)
{
    auto *def = new QStandardItem(a_def.left(dlugoscDef));
    def->setTextAlignment(Qt::AlignCenter);
    a_mem->appendRow({new QStandardItem(a_id.left(dlugoscId)), new QStandardItem(a_nazwa.left(dlugoscNazwy)), def});
}

QString TFormLista::tekstListy(const QStandardItemModel *a_mem) const
{
    QString t = windowTitle() + QLatin1Char('\n') + L_info->text() + QStringLiteral("\n\n");
    for (int w = 0; w < a_mem->rowCount(); ++w) {
        QStringList pola;
        for (int k = 0; k < a_mem->columnCount(); ++k)
            pola << a_mem->index(w, k).data().toString();
        t += pola.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return t;
}

void TFormLista::mem2ClipBoard(QStandardItemModel *a_mem)
{
    QGuiApplication::clipboard()->setText(tekstListy(a_mem));
    pokazInformacje(tr("Skopiowano do schowka."));
}

void TFormLista::ZestawienieDO(int A_wybrany, int A_definicja, const TProjektVXTNew &A_proj,
                               const TProjektDodatkiMycie &A_um, int A_jezykId)
{
    (void)A_jezykId; // the list's texts come from the current language
    memoCls(JvMemoryData1);
    const TZestawienieDO z = zestawienieDO(A_wybrany, A_definicja, A_proj, A_um);
    L_info->setText(z.info);
    for (const TPozycjaListy &p : z.wiersze)
        memoAdd(JvMemoryData1, p.id, p.nazwa, p.def);
    if (JvMemoryData1->rowCount() > 0)
        JvDBGrid1->setCurrentIndex(JvMemoryData1->index(0, 0));
    Pokaz(tr("Informacja o użyciu wyjść cyfrowych [DO] "), jezykId);
}

void TFormLista::but_closeClick() { reject(); }

void TFormLista::but_poprawClick() { mem2ClipBoard(JvMemoryData1); }

TFormLista &formaLista()
{
    // Lives for the whole run, like the window it stands for.
    static TFormLista *okno = new TFormLista;
    return *okno;
}
