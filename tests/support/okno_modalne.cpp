#include "okno_modalne.h"

#include "komunikaty_skrypt.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QtTest>

#include <memory>
#include <set>

namespace {

class Pomocnik;
std::set<Pomocnik *> &czekajace()
{
    static std::set<Pomocnik *> p;
    return p;
}

void zamknij(QWidget *w)
{
    if (auto *d = qobject_cast<QDialog *>(w))
        d->reject();
    else
        w->close();
    // A window that refuses to close (a frozen prompt) is hidden, which
    // ends its modal run all the same.
    if (w->isVisible())
        w->hide();
}

// Waits for its window, runs the action once, then watches the window
// until it hides. Deletes itself when done.
class Pomocnik : public QObject {
public:
    Pomocnik(std::function<QWidget *(QWidget *)> wybierz, std::function<void(QWidget *)> akcja, int terminMs)
        : wybierz_(std::move(wybierz)), akcja_(std::move(akcja)), terminMs_(terminMs)
    {
        czekajace().insert(this);
        zegar_.start();
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, this, [this] { tik(); });
        timer_.start();
    }
    ~Pomocnik() override { czekajace().erase(this); }

    // The test function is over.
    void zakoncz()
    {
        timer_.stop();
        if (!okno_ && !poAkcji_)
            KomunikatySkrypt::naBlad()(QStringLiteral("the modal window the test waited for never came"));
        if (okno_ && okno_->isVisible())
            zamknij(okno_);
        deleteLater();
        czekajace().erase(this);
    }

protected:
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (o == okno_ && e->type() == QEvent::Hide && poAkcji_)
            zakonczone();
        return false;
    }

private:
    void tik()
    {
        if (poAkcji_) {
            if (zegar_.elapsed() > terminMs_) {
                KomunikatySkrypt::naBlad()(
                    QStringLiteral("a modal window stayed open %1 ms after the test acted on it").arg(terminMs_));
                if (okno_)
                    zamknij(okno_);
                zakonczone();
            }
            return;
        }
        QWidget *w = QApplication::activeModalWidget();
        w = w ? wybierz_(w) : nullptr;
        if (!w) {
            if (zegar_.elapsed() > terminMs_) {
                KomunikatySkrypt::naBlad()(
                    QStringLiteral("the modal window the test waited for did not come within %1 ms").arg(terminMs_));
                timer_.stop();
                poAkcji_ = true; // reported
                zakonczone();
            }
            return;
        }
        // The action may run event loops of its own: no tick meanwhile.
        timer_.stop();
        okno_ = w;
        akcja_(w);
        poAkcji_ = true;
        if (!okno_ || !okno_->isVisible()) {
            zakonczone();
            return;
        }
        if (QTest::currentTestFailed()) {
            zamknij(okno_);
            zakonczone();
            return;
        }
        okno_->installEventFilter(this);
        zegar_.restart();
        timer_.start();
    }

    void zakonczone()
    {
        timer_.stop();
        if (okno_)
            okno_->removeEventFilter(this);
        czekajace().erase(this);
        deleteLater();
    }

    std::function<QWidget *(QWidget *)> wybierz_;
    std::function<void(QWidget *)> akcja_;
    int terminMs_;
    QElapsedTimer zegar_;
    QTimer timer_;
    QPointer<QWidget> okno_;
    bool poAkcji_ = false;
};

} // namespace

void gdyOknoModalneRdzen(std::function<QWidget *(QWidget *)> wybierz, std::function<void(QWidget *)> akcja,
                         int terminMs)
{
    new Pomocnik(std::move(wybierz), std::move(akcja), terminMs);
}

void gdyOknoModalne(std::function<void(QWidget *)> akcja, int terminMs)
{
    gdyOknoModalneRdzen([](QWidget *w) { return w; }, std::move(akcja), terminMs);
}

void gdyOknoModalne(QWidget *okno, std::function<void()> akcja, int terminMs)
{
    QPointer<QWidget> ktore(okno);
    gdyOknoModalneRdzen([ktore](QWidget *w) -> QWidget * { return w == ktore ? w : nullptr; },
                        [akcja](QWidget *) { akcja(); }, terminMs);
}

void zakonczOknaModalne()
{
    const std::set<Pomocnik *> p = czekajace();
    for (Pomocnik *h : p)
        h->zakoncz();
}
