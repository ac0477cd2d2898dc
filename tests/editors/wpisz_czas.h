// Keys into a minutes:seconds box of a shown record window, as the
// technician types them into the box with the focus.
#pragma once

#include "edycja_czasu.h"
#include "edytor_sekcji.h"

#include <QApplication>
#include <QPushButton>
#include <QtTest>

// Types "12:34", or the digits the box shows (teSame: the text stays, yet
// it is an edit), into box t of window o, then clicks OK.
inline void wpiszCzasIOk(TEdytorSekcji &o, TMin99SecEdit *t, const QString &pokazane, bool teSame)
{
    o.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&o));
    t->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), t);
    t->setCursorPosition(0);
    QTest::keyClicks(QApplication::focusWidget(), teSame ? QString(pokazane).remove(u':') : QStringLiteral("1234"));
    QCOMPARE(t->text(), teSame ? pokazane : QStringLiteral("12:34"));
    if (!teSame)
        QVERIFY(o.but_ok->isEnabled());
    o.modyfikacja();
    o.but_ok->click();
}
