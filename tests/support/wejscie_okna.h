// Input as the window system delivers it: through the control's window to
// the widget under the mouse or to whatever has the window's focus, seen
// by the application's event filters and taken away by a modal window over
// it, as a user's clicks and keys are.
#pragma once

#include <QAbstractItemView>
#include <QString>
#include <QWidget>
#include <QWindow>
#include <QtTest>

inline QWindow *oknoSystemu(QWidget *w) { return w->window()->windowHandle(); }

// A left click in the middle of the control.
inline void klik(QWidget *w)
{
    QTest::mouseClick(oknoSystemu(w), Qt::LeftButton, {}, w->mapTo(w->window(), w->rect().center()));
}

// One key to the focus of the control's window. Ctrl with a letter carries
// the control character the window system gives it (Ctrl+A: U+0001).
inline void klawisz(QWidget *okno, Qt::Key k, Qt::KeyboardModifiers m = {})
{
    if ((m & Qt::ControlModifier) && k >= Qt::Key_A && k <= Qt::Key_Z)
        QTest::sendKeyEvent(QTest::Click, oknoSystemu(okno), k, QString(QChar(k - Qt::Key_A + 1)), m);
    else
        QTest::keyClick(oknoSystemu(okno), k, m);
}

// Each character of the text (ASCII) typed to the focus of the window.
inline void pisz(QWidget *okno, const QString &tekst)
{
    for (const QChar c : tekst)
        QTest::keyClick(oknoSystemu(okno), c.toLatin1());
}

// The grid the widget is or lies in (a cell editor), or none.
inline QAbstractItemView *wSiatce(QWidget *w)
{
    for (; w; w = w->parentWidget())
        if (auto *v = qobject_cast<QAbstractItemView *>(w))
            return v;
    return nullptr;
}

// Moves the focus of the control's window with the keys a keyboard user
// has until `cel` has it: Tab, or Ctrl+Tab in a grid (which keeps Tab for
// its cells). False when it never gets there.
inline bool dojdzKlawiszami(QWidget *okno, QWidget *cel)
{
    QWidget *o = okno->window();
    for (int i = 0; i < 80 && o->focusWidget() != cel; ++i)
        klawisz(o, Qt::Key_Tab, wSiatce(o->focusWidget()) ? Qt::ControlModifier : Qt::NoModifier);
    return o->focusWidget() == cel;
}
