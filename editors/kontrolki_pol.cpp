#include "kontrolki_pol.h"

#include "edycja_czasu.h"
#include "nazwy.h"
#include "pole_nazwy.h"
#include "przekazniki32.h"
#include "przekazniki_projektu.h"
#include "przekazniki_wybor_def.h"
#include "tabela_pamieci.h"

#include <QComboBox>
#include <QKeyEvent>

#include <algorithm>
#include <limits>

void TEdycjaSprawdzana::popraw()
{
    bool liczba = false;
    przytnij(text()).toInt(&liczba, 10);
    if (liczba)
        TIntEdit::popraw();
}

QWidget *utworzKontrolke(const TOpisPola &opis, QWidget *rodzic, int jezykId)
{
    switch (opis.rodzaj) {
    case TRodzajPola::Calkowita: {
        // Out of range is the field's to handle: the box keeps what was typed.
        if (opis.zeroPozaZakresem)
            return new TEdycjaSprawdzana(rodzic);
        auto *e = new TIntEdit(rodzic);
        const auto doInt = [](qint64 v) {
            return int(std::clamp<qint64>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
        };
        e->setMinValue(doInt(opis.min));
        e->setMaxValue(doInt(opis.max));
        return e;
    }
    case TRodzajPola::Dziesiate:
    case TRodzajPola::DziesiateObciete: {
        TFloatEdit *e;
        if (opis.rodzaj == TRodzajPola::DziesiateObciete) {
            auto *p = new TFloatPrecEdit(rodzic);
            p->setPrecision(1);
            e = p;
        } else {
            e = new TFloatEdit(rodzic);
        }
        if (opis.zeroPozaZakresem)
            return e;
        e->setMinValue(double(opis.min) / 10);
        e->setMaxValue(double(opis.max) / 10);
        e->setIncludeBounds(true);
        return e;
    }
    case TRodzajPola::MinutySekundy:
    case TRodzajPola::GodzinyMinuty:
        return new TMin99SecEdit(rodzic);
    case TRodzajPola::Nazwa50:
    case TRodzajPola::Nazwa1250: {
        auto *e = new QLineEdit(rodzic);
        if (opis.znakow > 0)
            ograniczPisanie(e, opis.znakow);
        return e;
    }
    case TRodzajPola::Lista: {
        auto *c = new QComboBox(rodzic);
        if (opis.lista)
            c->addItems(opis.lista(jezykId));
        return c;
    }
    case TRodzajPola::Przekazniki: {
        // Titled by the field; a click asks the definition viewer; the
        // switches show the current project's output icons.
        auto *p = new TPrzekazniki32(rodzic, opis.tytulTekstu());
        p->setDefFuncValue(wyborDefinicjiDO());
        for (int i = 0; i < p->ileWyjsc(); ++i)
            p->setIcon(i, przekaznikProjektu(i).ikona);
        return p;
    }
    default:
        return nullptr;
    }
}

void ustawWartoscKontrolki(QWidget *k, const TOpisPola &, const QVariant &v)
{
    if (auto *p = qobject_cast<TPrzelacznikiWyjsc *>(k))
        p->ustawStany(v.toByteArray());
    else if (auto *c = qobject_cast<QComboBox *>(k)) {
        const qint64 i = v.toLongLong();
        c->setCurrentIndex(i >= 0 && i < c->count() ? int(i) : -1);
    } else if (auto *t = qobject_cast<TMin99SecEdit *>(k)) {
        t->setTimesek(int(std::clamp<qint64>(v.toLongLong(), 0, std::numeric_limits<int>::max())));
    } else if (auto *f = qobject_cast<TFloatEdit *>(k)) {
        f->setValue(v.toDouble());
    } else if (auto *s = qobject_cast<TEdycjaSprawdzana *>(k)) {
        // A stored value beyond 32 bits (a file's) shows as it is.
        s->setText(QString::number(v.toLongLong()));
    } else if (auto *n = qobject_cast<TIntEdit *>(k)) {
        n->setValue(
            int(std::clamp<qint64>(v.toLongLong(), std::numeric_limits<int>::min(), std::numeric_limits<int>::max())));
    } else if (auto *e = qobject_cast<QLineEdit *>(k)) {
        e->setText(v.toString());
    }
}

QVariant wartoscKontrolki(QWidget *k, const TOpisPola &opis)
{
    if (auto *p = qobject_cast<TPrzelacznikiWyjsc *>(k))
        return p->stany();
    if (auto *c = qobject_cast<QComboBox *>(k))
        return c->currentIndex() < 0 ? QVariant() : QVariant(qint64(c->currentIndex()));
    if (auto *t = qobject_cast<TMin99SecEdit *>(k))
        return qint64(t->timesek());
    // A checked field's box: a text that is no number it can read goes to
    // the field as it is; whole numbers are read in 64 bits.
    const bool sprawdzane = opis.zeroPozaZakresem;
    if (auto *f = qobject_cast<TFloatEdit *>(k)) {
        double v = 0;
        if (sprawdzane && !f->text().isEmpty() && !TFloatEdit::liczbaZTekstu(f->text(), v))
            return f->text();
        return f->Value();
    }
    if (auto *n = qobject_cast<TIntEdit *>(k)) {
        if (!sprawdzane || n->text().isEmpty())
            return qint64(n->Value());
        bool ok = false;
        const qint64 v = przytnij(n->text()).toLongLong(&ok, 10);
        return ok ? QVariant(v) : QVariant(n->text());
    }
    if (auto *e = qobject_cast<QLineEdit *>(k))
        return e->text();
    return {};
}

void naZmianeKontrolki(QWidget *k, QObject *kontekst, const std::function<void()> &f)
{
    if (auto *p = qobject_cast<TPrzelacznikiWyjsc *>(k))
        QObject::connect(p, &TPrzelacznikiWyjsc::OnChange, kontekst, [f] { f(); });
    else if (auto *c = qobject_cast<QComboBox *>(k))
        QObject::connect(c, &QComboBox::currentIndexChanged, kontekst, [f] { f(); });
    else if (auto *t = qobject_cast<TMin99SecEdit *>(k))
        QObject::connect(t, &TMin99SecEdit::zmiana, kontekst, [f] { f(); });
    else if (auto *e = qobject_cast<QLineEdit *>(k))
        QObject::connect(e, &QLineEdit::textChanged, kontekst, [f] { f(); });
}

TOpisPola TDelegatPol::opisKomorki(const QModelIndex &i)
{
    TOpisPola o;
    o.rodzaj = TRodzajPola(i.data(TTabelaPamieci::RolaRodzaju).toInt());
    o.min = i.data(TTabelaPamieci::RolaMin).toLongLong();
    o.max = i.data(TTabelaPamieci::RolaMax).toLongLong();
    o.znakow = i.data(TTabelaPamieci::RolaZnakow).toInt();
    o.zeroPozaZakresem = i.data(TTabelaPamieci::RolaZeroPoza).toBool();
    const QStringList pozycje = i.data(TTabelaPamieci::RolaListy).toStringList();
    o.lista = [pozycje](int) { return pozycje; };
    return o;
}

QWidget *TDelegatPol::createEditor(QWidget *parent, const QStyleOptionViewItem &o, const QModelIndex &i) const
{
    if (QWidget *k = utworzKontrolke(opisKomorki(i), parent, 0))
        return k;
    return QStyledItemDelegate::createEditor(parent, o, i);
}

void TDelegatPol::setEditorData(QWidget *editor, const QModelIndex &i) const
{
    ustawWartoscKontrolki(editor, opisKomorki(i), i.data(Qt::EditRole));
}

void TDelegatPol::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &i) const
{
    model->setData(i, wartoscKontrolki(editor, opisKomorki(i)), Qt::EditRole);
}

bool TDelegatPol::eventFilter(QObject *o, QEvent *e)
{
    auto *w = qobject_cast<QWidget *>(o);
    if (escZapisuje && w && e->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(e)->key() == Qt::Key_Escape) {
        emit commitData(w);
        emit closeEditor(w, NoHint);
        return true;
    }
    return QStyledItemDelegate::eventFilter(o, e);
}

QLabel *etykietaNumeru(QWidget *rodzic, qreal skala)
{
    auto *l = new QLabel(rodzic);
    l->setObjectName(QStringLiteral("LabelNr"));
    QFont f = l->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * skala);
    l->setFont(f);
    return l;
}
