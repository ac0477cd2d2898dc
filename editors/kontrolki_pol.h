// Controls for the field kinds of pola_sekcji.h, for the one-record editors
// and for the in-cell editors of a grid: a whole number in a TIntEdit,
// tenths in a TFloatEdit (rounded kinds keep every typed decimal until they
// are stored) or a one-decimal TFloatPrecEdit (truncated kinds), a list in
// a drop-down list, a name in a line edit that stops typing at the field's
// limit, a duration in a TMin99SecEdit (hh:mm the same way as mm:ss: two
// parts, the second at most 59, 99:59 at most), relay states in a
// TPrzekazniki32 (titled by the field, asking the definition viewer on a
// click, with the project's output icons; its OnChange is its change).
//
// Values travel as wartoscDoEdycji gives them: tenths as a double of
// units, list codes, seconds or minutes as numbers, names as text, relay
// states as bytes. The box of a field that checks its own range
// (zeroPozaZakresem) hands over a text it cannot read as a number as that
// text, which the field refuses with the range message.
#pragma once

#include "edycja_liczb.h"
#include "pola_sekcji.h"

#include <QLabel>
#include <QLineEdit>
#include <QStyledItemDelegate>

#include <functional>

// The box of a whole-number field that checks its own range: no range of
// its own, and leaving it keeps a text that is no 32-bit number ("1-2",
// "99999999999") for the field to refuse, instead of its default 0.
class TEdycjaSprawdzana : public TIntEdit {
    Q_OBJECT
public:
    using TIntEdit::TIntEdit;

protected:
    void popraw() override;
};

// The control for the field, or nullptr for kinds without one of their own
// (computed texts, masks: the section binds its own).
QWidget *utworzKontrolke(const TOpisPola &opis, QWidget *rodzic, int jezykId);
void ustawWartoscKontrolki(QWidget *k, const TOpisPola &opis, const QVariant &v);
// Invalid for a drop-down list showing no item (a stored code without an
// item): the field then keeps its stored value.
QVariant wartoscKontrolki(QWidget *k, const TOpisPola &opis);
// Calls f on every change of the control's value, also one set from code
// (a shown value that differs from the one before is a change); a relay
// box reports the user's changes only.
void naZmianeKontrolki(QWidget *k, QObject *kontekst, const std::function<void()> &f);

// The item's number above its editor ("LabelNr"): bold, its font scaled by
// skala.
QLabel *etykietaNumeru(QWidget *rodzic, qreal skala = 1.0);

// The in-cell editors of a grid over a TTabelaPamieci: the field's kind and
// bounds come with the cell (also through a proxy model).
class TDelegatPol : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // Esc in a cell editor stores its value as Enter does (otherwise it
    // drops what was typed).
    bool escZapisuje = false;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &o, const QModelIndex &i) const override;
    void setEditorData(QWidget *editor, const QModelIndex &i) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &i) const override;

    // The field as the cell describes it.
    static TOpisPola opisKomorki(const QModelIndex &i);

protected:
    bool eventFilter(QObject *o, QEvent *e) override;
};
