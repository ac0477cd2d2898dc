#include "pasek_postepu.h"

#include "filtr_aplikacji.h"
#include "operacja.h"
#include "zegar.h"

#include <QApplication>
#include <QEvent>
#include <QInputEvent>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <vector>

QPoint polozenieNaSrodku(const QSize &ekran, const QSize &okno)
{
    const int lewo = ekran.width() / 2 - okno.width() / 2;
    return {std::max(lewo, 0), ekran.height() / 2 - okno.height() / 2};
}

TpasekPostepu::TpasekPostepu(QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("pasekPostepu"));
    setWindowModality(Qt::ApplicationModal);
    QFont f(QStringLiteral("Tahoma"));
    f.setPixelSize(13);
    setFont(f);
    setFixedSize(308, 103);

    L_info = new QLabel(this);
    L_info->setObjectName(QStringLiteral("L_info"));
    L_info->setGeometry(8, 16, 292, 17);

    Gauge1 = new QProgressBar(this);
    Gauge1->setObjectName(QStringLiteral("Gauge1"));
    Gauge1->setGeometry(8, 36, 289, 23);
    Gauge1->setRange(0, 100);
    Gauge1->setValue(0);

    SpeedButton1 = new QPushButton(this);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setGeometry(100, 71, 97, 24);
    SpeedButton1->setFlat(true);
    SpeedButton1->setAutoDefault(false);
    connect(SpeedButton1, &QPushButton::clicked, this, &TpasekPostepu::SpeedButton1Click);

    tekstyPrzyciskow();
    if (QScreen *s = QGuiApplication::primaryScreen())
        move(polozenieNaSrodku(s->geometry().size(), size()));
}

void TpasekPostepu::SpeedButton1Click() { koniec = true; }

void TpasekPostepu::tekstyPrzyciskow()
{
    SpeedButton1->setText(tr("Anuluj"));
    if (tekstDomyslny_)
        L_info->setText(tr("Czekaj") + QStringLiteral("..."));
}

void TpasekPostepu::changeEvent(QEvent *e)
{
    if (e->type() == QEvent::LanguageChange)
        tekstyPrzyciskow();
    QWidget::changeEvent(e);
}

TpasekPostepu &pasekPostepu()
{
    // Lives for the whole run, like the window it stands for.
    static TpasekPostepu *okno = new TpasekPostepu;
    return *okno;
}

void pokazPostep(int pozycja, int maksimum, const QString &tekst)
{
    TpasekPostepu &p = pasekPostepu();
    // A range of 0..0 would turn the gauge into a busy indicator.
    p.Gauge1->setRange(0, std::max(maksimum, 1));
    p.Gauge1->setValue(std::clamp(pozycja, 0, std::max(maksimum, 0)));
    p.tekstDomyslny_ = tekst.isEmpty();
    if (!p.tekstDomyslny_)
        p.L_info->setText(tekst);
    p.tekstyPrzyciskow(); // in the current language, "Czekaj..." for no text
    if (!p.isVisible())
        p.show(); // on top of the others
    // A message box opened above the window stays above it.
    if (QWidget *m = QApplication::activeModalWidget(); m && m != &p && m->isVisible())
        m->raise();
    zegar().przetworzZdarzenia();
}

namespace {

bool mysz(QEvent::Type t)
{
    switch (t) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
        return true;
    default:
        return false;
    }
}

bool klawisz(QEvent::Type t) { return t == QEvent::KeyPress || t == QEvent::KeyRelease; }

bool wejscie(QEvent::Type t) { return mysz(t) || klawisz(t) || t == QEvent::Shortcut; }

// The window an input event is meant for; a shortcut goes to an action or
// a shortcut object, whose window is that of the widget it belongs to.
QWidget *oknoCelu(QObject *o)
{
    for (; o; o = o->parent())
        if (o->isWidgetType())
            return static_cast<QWidget *>(o)->window();
    return nullptr;
}

// Another modal window is up over this one: its input waits for it.
bool zaslonieteModalnym(const QWidget *okno)
{
    const QWidget *m = QApplication::activeModalWidget();
    for (const QWidget *w = okno; w; w = w->parentWidget())
        if (w == m)
            return false;
    return m != nullptr;
}

// The modal window `modalne` takes the input away from `okno`: every other
// window when it is application-modal, the windows it stands over when it
// is window-modal, never itself or a window of its own.
bool blokuje(const QWidget *modalne, const QWidget *okno)
{
    for (const QWidget *w = okno; w; w = w->parentWidget())
        if (w == modalne)
            return false;
    if (modalne->windowModality() == Qt::ApplicationModal)
        return true;
    for (const QWidget *w = modalne->parentWidget(); w; w = w->parentWidget())
        if (w->window() == okno)
            return true;
    return false;
}

// Input meant for a window that takes none while an exchange or a
// background operation runs is kept, in order, and handed on when they end:
// nothing the user typed or clicked meanwhile is lost, and it does what it
// would have done had it come then. The progress window, the windows shown
// meanwhile (a box of the exchange) and a window whose own operation runs
// take their input at once.
//
// - A key goes to the widget that has its window's focus when it is handed
//   on (a held Tab moves the focus before the keys after it arrive).
// - A mouse event keeps its widget; one on a disabled widget does nothing,
//   also when the widget is enabled before it would be handed on.
// - A handed-on event that opens a modal window (a dialog, the progress
//   window of an operation) takes away what came after it for the windows
//   that one blocks: it would have met the modal window and been dropped.
// - What Qt passes on from a handed-on event to the parents of a widget
//   that ignores it (a press on a label) goes straight to them, before the
//   input that came after it.
class FiltrWymiany : public QObject {
public:
    explicit FiltrWymiany(QObject *rodzic) : QObject(rodzic)
    {
        ponow_.setInterval(plasterekCzekaniaMs);
        connect(&ponow_, &QTimer::timeout, this, [this] { przekaz(); });
    }
    ~FiltrWymiany() override
    {
        for (Czekajace &c : kolejka_)
            delete c.zdarzenie;
    }

protected:
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e == wPrzekazaniu_ || przekazanaRodzicowi(o, e))
            return false;
        const bool czeka = wejscieCzeka();
        auto *w = qobject_cast<QWidget *>(o);
        if (e->type() == QEvent::Show && w && w->isWindow() && w->isModal() && wPrzekazaniu_)
            porzucBlokowane(w);
        if (!czeka) {
            pokazaneWTrakcie_.clear();
        } else if (e->type() == QEvent::Show && w && w->isWindow()) {
            pokazaneWTrakcie_.emplace_back(w);
            return false;
        }
        if (!wejscie(e->type()))
            return false;
        QWidget *okno = oknoCelu(o);
        if (!okno || dozwolone(okno))
            return false;
        if (!czeka) {
            przekaz();
            if (!wejscieCzeka() && !czekaDla(okno))
                return false;
        }
        // Handed on later it would act: a disabled widget takes no clicks.
        if (mysz(e->type()) && w && !w->isEnabled())
            return true;
        kolejka_.push_back({o, okno, e->clone(), ++numer_});
        ponow_.start();
        return true;
    }

private:
    struct Czekajace {
        QPointer<QObject> cel;
        QPointer<QWidget> okno;
        QEvent *zdarzenie;
        quint64 numer; // in the order of arrival
    };

    bool dozwolone(const QWidget *okno) const
    {
        if (qobject_cast<const TpasekPostepu *>(okno) || oknoOperacji(okno))
            return true;
        const auto to = [okno](const QPointer<QWidget> &p) { return p == okno; };
        return std::any_of(pokazaneWTrakcie_.begin(), pokazaneWTrakcie_.end(), to);
    }
    // A mouse, wheel or context-menu event that the widget it is handed on
    // to ignores goes on to its parents, each time as a new event: a part
    // of the one being handed on, not input of its own.
    bool przekazanaRodzicowi(const QObject *o, const QEvent *e) const
    {
        if (!wPrzekazaniu_ || e->type() != wPrzekazaniu_->type() || !o->isWidgetType())
            return false;
        const auto *cel = qobject_cast<const QWidget *>(celPrzekazywanego_);
        if (!cel || !static_cast<const QWidget *>(o)->isAncestorOf(cel))
            return false;
        const auto *a = dynamic_cast<const QInputEvent *>(e);
        const auto *b = dynamic_cast<const QInputEvent *>(wPrzekazaniu_);
        return a && b && a->timestamp() == b->timestamp();
    }
    bool czekaDla(const QWidget *okno) const
    {
        return std::any_of(kolejka_.begin(), kolejka_.end(), [okno](const Czekajace &c) { return c.okno == okno; });
    }

    // Hands on what waits, in order, while nothing holds it back; the input
    // of a window under another modal one waits on (with all that follows
    // for that window). A handed-on click may open a modal window: what
    // comes after it is handed on once that is gone.
    void przekaz()
    {
        std::vector<const QWidget *> wstrzymane;
        for (size_t i = 0; i < kolejka_.size() && !wejscieCzeka();) {
            Czekajace &c = kolejka_[i];
            // Its window is gone or closed meanwhile: nothing to act on.
            if (!c.cel || !c.okno || !c.okno->isVisible()) {
                delete c.zdarzenie;
                kolejka_.erase(kolejka_.begin() + std::ptrdiff_t(i));
                continue;
            }
            const bool wstrzymane1 = std::find(wstrzymane.begin(), wstrzymane.end(), c.okno.data()) != wstrzymane.end();
            if (wstrzymane1 || zaslonieteModalnym(c.okno)) {
                if (!wstrzymane1)
                    wstrzymane.push_back(c.okno);
                ++i;
                continue;
            }
            const Czekajace teraz = c;
            kolejka_.erase(kolejka_.begin() + std::ptrdiff_t(i));
            QEvent *poprzednie = wPrzekazaniu_;
            const quint64 poprzedniNumer = numerPrzekazywanego_;
            QObject *poprzedniCel = celPrzekazywanego_;
            QObject *cel = teraz.cel;
            if (klawisz(teraz.zdarzenie->type())) {
                QWidget *f = teraz.okno->focusWidget();
                cel = f ? f : teraz.okno.data();
            }
            wPrzekazaniu_ = teraz.zdarzenie;
            numerPrzekazywanego_ = teraz.numer;
            celPrzekazywanego_ = cel;
            QCoreApplication::instance()->notify(cel, teraz.zdarzenie);
            wPrzekazaniu_ = poprzednie;
            numerPrzekazywanego_ = poprzedniNumer;
            celPrzekazywanego_ = poprzedniCel;
            delete teraz.zdarzenie;
            // What the handed-on event did may have handed on more.
            i = 0;
            wstrzymane.clear();
        }
        if (kolejka_.empty())
            ponow_.stop();
    }

    // A modal window opened by the event being handed on: what came after
    // that event for the windows it blocks is dropped.
    void porzucBlokowane(const QWidget *modalne)
    {
        for (size_t i = 0; i < kolejka_.size();) {
            Czekajace &c = kolejka_[i];
            if (c.numer > numerPrzekazywanego_ && (!c.okno || blokuje(modalne, c.okno))) {
                delete c.zdarzenie;
                kolejka_.erase(kolejka_.begin() + std::ptrdiff_t(i));
            } else {
                ++i;
            }
        }
    }

    std::vector<QPointer<QWidget>> pokazaneWTrakcie_;
    std::vector<Czekajace> kolejka_;
    QEvent *wPrzekazaniu_ = nullptr;
    QPointer<QObject> celPrzekazywanego_; // the receiver it is handed on to
    quint64 numer_ = 0;                   // of the last event kept
    quint64 numerPrzekazywanego_ = 0;     // of the event being handed on
    QTimer ponow_;
};

} // namespace

void wstrzymajWejsciePodczasWymiany() { zainstalujFiltrAplikacji<FiltrWymiany>(); }
