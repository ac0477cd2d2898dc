// Every way out of a dialog tried once: reject(), accept(), Esc and the
// title bar's close. True when the dialog is still open, as it must be
// while its operation runs.
#pragma once

#include <QDialog>
#include <QTest>

inline bool wyjsciaOdrzucone(QDialog *o)
{
    o->reject();
    o->accept();
    QTest::keyClick(o, Qt::Key_Escape);
    o->close();
    return o->isVisible();
}
