#include "pasek_postepu.h"

#include "wymiana.h"
#include "zegar.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>

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

// Windows whose input passes also during an exchange.
std::vector<QPointer<QWidget>> &dopuszczone()
{
    static std::vector<QPointer<QWidget>> w;
    return w;
}

class FiltrWymiany : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (!wymianaWToku()) {
            pokazaneWTrakcie_.clear();
            return false;
        }
        auto *w = qobject_cast<QWidget *>(o);
        if (e->type() == QEvent::Show && w && w->isWindow()) {
            pokazaneWTrakcie_.emplace_back(w);
            return false;
        }
        if (e->type() == QEvent::Shortcut)
            return true; // sent to an action, which no window owns here
        if (!w || !wejscie(e->type()))
            return false;
        return !dozwolone(w->window());
    }

private:
    static bool wejscie(QEvent::Type t)
    {
        switch (t) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
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
    bool dozwolone(const QWidget *okno) const
    {
        if (qobject_cast<const TpasekPostepu *>(okno))
            return true;
        const auto to = [okno](const QPointer<QWidget> &p) { return p == okno; };
        return std::any_of(pokazaneWTrakcie_.begin(), pokazaneWTrakcie_.end(), to) ||
               std::any_of(dopuszczone().begin(), dopuszczone().end(), to);
    }

    std::vector<QPointer<QWidget>> pokazaneWTrakcie_;
};

} // namespace

void dopuscWejscieWymiany(QWidget *okno)
{
    auto &w = dopuszczone();
    w.erase(std::remove_if(w.begin(), w.end(), [](const QPointer<QWidget> &p) { return p.isNull(); }), w.end());
    if (okno && std::find(w.begin(), w.end(), okno) == w.end())
        w.emplace_back(okno);
}

void wstrzymajWejsciePodczasWymiany()
{
    static QPointer<QObject> filtr;
    QCoreApplication *app = QCoreApplication::instance();
    if (!app || filtr)
        return;
    filtr = new FiltrWymiany(app);
    app->installEventFilter(filtr);
}
