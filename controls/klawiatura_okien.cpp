#include "klawiatura_okien.h"

#include "filtr_aplikacji.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>

namespace {

// A button that Return presses: a push, tool or picture button, but no
// check or radio box; an auto-default push button takes Return itself.
bool przyciskDlaEnter(QObject *o)
{
    auto *b = qobject_cast<QAbstractButton *>(o);
    if (!b || qobject_cast<QCheckBox *>(b) || qobject_cast<QRadioButton *>(b))
        return false;
    auto *p = qobject_cast<QPushButton *>(b);
    return !p || (!p->autoDefault() && !p->isDefault());
}

// The grid the widget is or lies in (a cell editor in its viewport); none
// in a popup (a drop-down list's items).
QAbstractItemView *siatka(QObject *o)
{
    for (QWidget *w = qobject_cast<QWidget *>(o); w; w = w->parentWidget()) {
        if (auto *v = qobject_cast<QAbstractItemView *>(w))
            return v->window()->windowType() == Qt::Popup ? nullptr : v;
        if (w->isWindow())
            break;
    }
    return nullptr;
}

// The window's next (or previous) control after the grid that Tab would
// give the focus to, outside the grid; nullptr when there is none.
QWidget *obok(QAbstractItemView *v, bool dalej)
{
    const QWidget *okno = v->window();
    const auto krok = [dalej](QWidget *w) { return dalej ? w->nextInFocusChain() : w->previousInFocusChain(); };
    QWidget *pierwszy = krok(v);
    for (QWidget *w = pierwszy; w && w != v; w = krok(w)) {
        if (!v->isAncestorOf(w) && w->window() == okno && !w->focusProxy() && (w->focusPolicy() & Qt::TabFocus) &&
            w->isEnabled() && w->isVisibleTo(okno))
            return w;
        if (krok(w) == pierwszy)
            break;
    }
    return nullptr;
}

// The keys of the controls that take them (installed on each control).
class KlawiszeKontrolek : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() != QEvent::KeyPress)
            return false;
        const auto *k = static_cast<QKeyEvent *>(e);
        const Qt::KeyboardModifiers m = k->modifiers() & ~Qt::KeypadModifier;
        if ((k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) && m == Qt::NoModifier && przyciskDlaEnter(o)) {
            static_cast<QAbstractButton *>(o)->click();
            return true;
        }
        const bool tab = k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab;
        if (!tab || (m & ~Qt::ShiftModifier) != Qt::ControlModifier)
            return false;
        QAbstractItemView *v = siatka(o);
        if (!v)
            return false;
        const bool dalej = k->key() == Qt::Key_Tab && !(m & Qt::ShiftModifier);
        // A cell being edited goes in first: what it changes (OK enabled by
        // the edit) counts for where the focus goes.
        if (o != v)
            v->setFocus(Qt::OtherFocusReason);
        if (QWidget *w = obok(v, dalej))
            w->setFocus(dalej ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
    }
};

// Puts the key filter on each control that takes these keys: on its first
// polish and again whenever it gets the focus, so that the filter comes
// before those installed since (a cell editor's delegate takes Tab).
class InstalatorKlawiszy : public QObject {
public:
    explicit InstalatorKlawiszy(QObject *rodzic) : QObject(rodzic), klawisze_(new KlawiszeKontrolek(this)) {}

protected:
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if ((e->type() == QEvent::Polish || e->type() == QEvent::FocusIn) && o->isWidgetType() &&
            (qobject_cast<QAbstractButton *>(o) || siatka(o)))
            o->installEventFilter(klawisze_);
        return false;
    }

private:
    KlawiszeKontrolek *klawisze_;
};

} // namespace

void klawiaturaOkien() { zainstalujFiltrAplikacji<InstalatorKlawiszy>(); }
