#include "okno_na_ekranie.h"

#include "filtr_aplikacji.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace {

QMargins ramkaWidoczna(const QWidget &w)
{
    const QRect z = w.frameGeometry(), g = w.geometry();
    return {g.left() - z.left(), g.top() - z.top(), z.right() - g.right(), z.bottom() - g.bottom()};
}

// The window's own frame once the window system has given it one, else
// that of another window of the program on screen.
QMargins ramkaOkna(const QWidget &okno)
{
    if (okno.isVisible()) {
        const QMargins m = ramkaWidoczna(okno);
        if (!m.isNull())
            return m;
    }
    if (const QWindow *h = okno.windowHandle(); h && !h->frameMargins().isNull())
        return h->frameMargins();
    for (const QWidget *w : QApplication::topLevelWidgets()) {
        if (w == &okno || !w->isVisible() || (w->windowFlags() & Qt::FramelessWindowHint))
            continue;
        const QMargins m = ramkaWidoczna(*w);
        if (!m.isNull())
            return m;
    }
    return {};
}

bool oknoAplikacji(const QWidget &w)
{
    if (!w.isWindow())
        return false;
    switch (w.windowType()) {
    case Qt::Window:
    case Qt::Dialog:
    case Qt::Sheet:
    case Qt::Tool:
        return true;
    default:
        return false;
    }
}

class FiltrOkien final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *o, QEvent *e) override
    {
        // Before the window system maps the window: it appears in place.
        if (e->type() == QEvent::Show && !e->spontaneous() && o->isWidgetType()) {
            auto *w = static_cast<QWidget *>(o);
            if (oknoAplikacji(*w))
                dopasujDoEkranu(*w);
        }
        return false;
    }
};

} // namespace

QRect geometriaWObszarze(const QRect &okno, const QMargins &ramka, const QSize &minimum, const QRect &obszar)
{
    const QSize naRamke(ramka.left() + ramka.right(), ramka.top() + ramka.bottom());
    const QSize rozmiar = okno.size().boundedTo(obszar.size() - naRamke).expandedTo(minimum);
    QRect z(okno.topLeft() - QPoint(ramka.left(), ramka.top()), rozmiar + naRamke);
    if (z.right() > obszar.right())
        z.moveRight(obszar.right());
    if (z.bottom() > obszar.bottom())
        z.moveBottom(obszar.bottom());
    if (z.left() < obszar.left())
        z.moveLeft(obszar.left());
    if (z.top() < obszar.top())
        z.moveTop(obszar.top());
    return {z.topLeft() + QPoint(ramka.left(), ramka.top()), rozmiar};
}

void dopasujDoEkranu(QWidget &okno)
{
    if (okno.windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))
        return;
    const QScreen *ekran = okno.screen();
    if (!ekran)
        ekran = QGuiApplication::primaryScreen();
    if (!ekran)
        return;
    // pos() and move() are the frame's, which an unmapped window does not
    // know yet: the client area goes by the frame as it will be.
    const QMargins ramka = ramkaOkna(okno);
    const QPoint doKlienta(ramka.left(), ramka.top());
    const QRect g = geometriaWObszarze({okno.pos() + doKlienta, okno.size()}, ramka, okno.minimumSize(),
                                       ekran->availableGeometry());
    if (g.size() != okno.size())
        okno.resize(g.size());
    // A dialog not placed yet is centred by Qt, inside the screen; moving
    // it here would take that away.
    const bool umieszczony = okno.testAttribute(Qt::WA_Moved) || !qobject_cast<QDialog *>(&okno);
    if (umieszczony && g.topLeft() - doKlienta != okno.pos())
        okno.move(g.topLeft() - doKlienta);
}

void pilnujOkienNaEkranie() { zainstalujFiltrAplikacji<FiltrOkien>(); }
