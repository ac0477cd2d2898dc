#include "panel_przezroczysty.h"
#include "przycisk_plaski.h"
#include "test_qt.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

namespace {

void mysz(QWidget *w, QEvent::Type typ, Qt::MouseButton b, QPoint p)
{
    const Qt::MouseButtons wcisniete = typ == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(b);
    QMouseEvent e(typ, QPointF(p), w->mapToGlobal(QPointF(p)), typ == QEvent::MouseMove ? Qt::NoButton : b,
                  typ == QEvent::MouseMove ? Qt::MouseButtons(Qt::LeftButton) : wcisniete, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

} // namespace

class TestPrzyciskPlaski : public TestQt {
    Q_OBJECT

private slots:
    void poUtworzeniu()
    {
        TAOLButton b;
        QCOMPARE(b.size(), QSize(89, 23));
        QCOMPARE(b.Color(), QColor(52, 105, 165));
        QCOMPARE(b.RaiseColor(), QColor(138, 162, 215));
        QVERIFY(b.Enab());
        QVERIFY(b.font().bold());
        QCOMPARE(b.font().pointSize(), 8);
        QCOMPARE(b.kolorCzcionki(), QColor(Qt::white));
        QVERIFY(b.Caption().isEmpty());
    }

    void wyglad()
    {
        TAOLButton b;
        b.resize(121, 33);
        b.setColor(QColor(20, 41, 65));
        b.setRaiseColor(QColor(1, 2, 3));
        const QImage o = b.grab().toImage();
        const int W = 121, H = 33;
        QCOMPARE(o.pixelColor(0, 0), QColor(Qt::black)); // frame
        QCOMPARE(o.pixelColor(W - 1, H - 1), QColor(Qt::black));
        QCOMPARE(o.pixelColor(1, H / 2), QColor(1, 2, 3));       // light left edge
        QCOMPARE(o.pixelColor(W / 2, 2), QColor(1, 2, 3));       // light top edge
        QCOMPARE(o.pixelColor(W - 2, H / 2), QColor(Qt::black)); // dark right edge
        QCOMPARE(o.pixelColor(W / 2, H - 3), QColor(Qt::black)); // dark bottom edge
        QCOMPARE(o.pixelColor(10, H / 2), QColor(20, 41, 65));   // face

        // A change shows at once.
        b.setColor(QColor(64, 128, 128));
        QCOMPARE(b.grab().toImage().pixelColor(10, H / 2), QColor(64, 128, 128));
        b.setRaiseColor(QColor(192, 192, 192));
        QCOMPARE(b.grab().toImage().pixelColor(1, H / 2), QColor(192, 192, 192));
        const QImage bez = b.grab().toImage();
        b.setCaption("Programy");
        QVERIFY(b.grab().toImage() != bez);
    }

    void klikniecie()
    {
        TAOLButton b;
        b.resize(121, 33);
        QSignalSpy klik(&b, &TAOLButton::klik);
        QSignalSpy wcisnieta(&b, &TAOLButton::myszWcisnieta);
        QSignalSpy puszczona(&b, &TAOLButton::myszPuszczona);
        mysz(&b, QEvent::MouseButtonPress, Qt::LeftButton, {10, 10});
        QVERIFY(b.wcisniety());
        QCOMPARE(wcisnieta.count(), 1);
        const QImage wcisniety = b.grab().toImage();
        QCOMPARE(wcisniety.pixelColor(1, 16), b.Color()); // no light edge while pressed
        QCOMPARE(wcisniety.pixelColor(60, 1), QColor(Qt::black));
        mysz(&b, QEvent::MouseButtonRelease, Qt::LeftButton, {10, 10});
        QVERIFY(!b.wcisniety());
        QCOMPARE(puszczona.count(), 1);
        QCOMPARE(klik.count(), 1);
        QCOMPARE(b.grab().toImage().pixelColor(1, 16), b.RaiseColor());
    }

    void zjechanieMyszaKonczyWcisniecie()
    {
        TAOLButton b;
        b.resize(121, 33);
        QSignalSpy klik(&b, &TAOLButton::klik);
        QSignalSpy opuszczona(&b, &TAOLButton::myszOpuszczona);
        mysz(&b, QEvent::MouseButtonPress, Qt::LeftButton, {10, 10});
        mysz(&b, QEvent::MouseMove, Qt::LeftButton, {200, 10});
        QVERIFY(!b.wcisniety());
        QCOMPARE(opuszczona.count(), 1);
        mysz(&b, QEvent::MouseButtonRelease, Qt::LeftButton, {200, 10});
        QCOMPARE(klik.count(), 0);
        // Coming back does not press it again, nor does a release click.
        mysz(&b, QEvent::MouseButtonPress, Qt::LeftButton, {10, 10});
        mysz(&b, QEvent::MouseMove, Qt::LeftButton, {200, 10});
        mysz(&b, QEvent::MouseMove, Qt::LeftButton, {20, 10});
        QVERIFY(!b.wcisniety());
        mysz(&b, QEvent::MouseButtonRelease, Qt::LeftButton, {20, 10});
        QCOMPARE(klik.count(), 0);
    }

    void prawyPrzycisk()
    {
        TAOLButton b;
        b.resize(121, 33);
        QSignalSpy klik(&b, &TAOLButton::klik);
        QSignalSpy wcisnieta(&b, &TAOLButton::myszWcisnieta);
        mysz(&b, QEvent::MouseButtonPress, Qt::RightButton, {10, 10});
        QCOMPARE(wcisnieta.count(), 1);
        QCOMPARE(wcisnieta.front().front().value<Qt::MouseButton>(), Qt::RightButton);
        QVERIFY(!b.wcisniety());
        mysz(&b, QEvent::MouseButtonRelease, Qt::RightButton, {10, 10});
        QCOMPARE(klik.count(), 0);
    }

    void wylaczonyWygladaJakWlaczony()
    {
        TAOLButton b;
        b.resize(121, 33);
        b.setCaption("Setup");
        const QImage wlaczony = b.grab().toImage();
        b.setEnab(false);
        QVERIFY(b.isEnabled());
        QCOMPARE(b.grab().toImage(), wlaczony);
        QSignalSpy klik(&b, &TAOLButton::klik);
        QSignalSpy wcisnieta(&b, &TAOLButton::myszWcisnieta);
        QSignalSpy puszczona(&b, &TAOLButton::myszPuszczona);
        QSignalSpy opuszczona(&b, &TAOLButton::myszOpuszczona);
        mysz(&b, QEvent::MouseButtonPress, Qt::LeftButton, {10, 10});
        QVERIFY(!b.wcisniety());
        QCOMPARE(b.grab().toImage(), wlaczony);
        mysz(&b, QEvent::MouseButtonRelease, Qt::LeftButton, {10, 10});
        QEvent wyjscie(QEvent::Leave);
        QApplication::sendEvent(&b, &wyjscie);
        QCOMPARE(klik.count() + wcisnieta.count() + puszczona.count() + opuszczona.count(), 0);
    }

    // Assistive technology sees a push button named by the caption, whose
    // press clicks it only while Enab is on.
    void dostepnosc()
    {
        TAOLButton b;
        b.setCaption("Test połączenia");
        QCOMPARE(b.accessibleName(), QString("Test połączenia"));
        QAccessibleInterface *a = QAccessible::queryAccessibleInterface(&b);
        QVERIFY(a);
        QCOMPARE(a->role(), QAccessible::Button);
        QCOMPARE(a->text(QAccessible::Name), QString("Test połączenia"));
        b.setCaption("Czekaj");
        QCOMPARE(a->text(QAccessible::Name), QString("Czekaj"));
        QAccessibleActionInterface *akcje = a->actionInterface();
        QVERIFY(akcje && akcje->actionNames().contains(QAccessibleActionInterface::pressAction()));
        QSignalSpy klik(&b, &TAOLButton::klik);
        akcje->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(klik.count(), 1);
        QVERIFY(!a->state().disabled);
        b.setEnab(false);
        QVERIFY(a->state().disabled);
        akcje->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(klik.count(), 1);
    }

    void dlugiNapisNieJestUciety()
    {
        TAOLButton b;
        b.resize(121, 23);
        b.setCaption("[AO] WYjścia analogowe");
        const QImage o = b.grab().toImage();
        // The caption keeps clear of the edges: the face's first columns
        // have no caption pixels.
        for (int y = 4; y < 19; ++y) {
            QCOMPARE(o.pixelColor(4, y), b.Color());
            QCOMPARE(o.pixelColor(121 - 5, y), b.Color());
        }
    }

    void panelPrzezroczystyZatrzymujeKlikniecia()
    {
        QWidget okno;
        okno.resize(300, 200);
        auto *przycisk = new QPushButton("pod spodem", &okno);
        przycisk->setGeometry(10, 10, 100, 30);
        auto *pole = new QLineEdit(&okno);
        pole->setGeometry(10, 60, 100, 24);
        auto *panel = new TPanelTransparent(&okno);
        okno.show();
        QVERIFY(QTest::qWaitForWindowExposed(&okno, 20000));
        QCOMPARE(panel->geometry(), okno.rect());
        QCOMPARE(okno.childAt(20, 20), panel);

        QSignalSpy klik(przycisk, &QPushButton::clicked);
        QTest::mouseClick(&okno, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
        QCOMPARE(klik.count(), 0);
        QTest::mouseClick(&okno, Qt::LeftButton, Qt::NoModifier, QPoint(20, 70));
        QVERIFY(!pole->hasFocus());

        // What lies below stays visible: the panel paints nothing over it.
        const QImage bez = [&] {
            panel->hide();
            QImage i = okno.grab().toImage();
            panel->show();
            return i;
        }();
        QCOMPARE(okno.grab().toImage(), bez);

        okno.resize(400, 250);
        QCOMPARE(panel->geometry(), QRect(0, 0, 400, 250));
    }
};

QTEST_MAIN(TestPrzyciskPlaski)
#include "test_przycisk_plaski.moc"
