#include "operacja.h"

#include "wymiana.h"

#include <QEvent>

#include <optional>
#include <vector>

namespace {

const char *const wlasciwoscWylaczanej = "kvorWylaczanaPodczasOperacji";

int wszystkich = 0; // operations held
int wTle = 0;       // of them background ones

// A window's operations: the hold counts, the disabled controls with the
// state each is to get back, the window's own lock.
class StanOkna : public QObject {
public:
    explicit StanOkna(QWidget *okno) : QObject(okno), okno_(okno) { setObjectName(nazwa()); }

    // Found by its name: the class has no meta-object of its own.
    static StanOkna *z(const QWidget *okno)
    {
        return okno ? static_cast<StanOkna *>(okno->findChild<QObject *>(nazwa(), Qt::FindDirectChildrenOnly))
                    : nullptr;
    }
    static QString nazwa() { return QStringLiteral("kvorStanOperacji"); }
    static StanOkna &wez(QWidget *okno)
    {
        StanOkna *s = z(okno);
        return s ? *s : *new StanOkna(okno);
    }

    int okna = 0, tla = 0;
    std::function<void(bool)> przy;
    QPointer<QWidget> fokusPoZwolnieniu; // named by dajFokus()

    // Held: the state it gets back; nullopt when not held.
    std::optional<bool> poZwolnieniu(const QWidget *w) const
    {
        for (const Kontrolka &x : wylaczone_)
            if (x.w == w)
                return x.chciana && !w->testAttribute(Qt::WA_ForceDisabled);
        return std::nullopt;
    }

    void zajmij()
    {
        fokus_ = okno_->focusWidget();
        for (QWidget *w : okno_->findChildren<QWidget *>()) {
            if (!w->property(wlasciwoscWylaczanej).toBool() || w->window() != okno_)
                continue;
            wylaczone_.push_back({w, !w->testAttribute(Qt::WA_ForceDisabled)});
            przytrzymaj(w);
            w->installEventFilter(this);
        }
        if (przy)
            przy(true);
    }
    void zwolnij()
    {
        std::vector<Kontrolka> k;
        k.swap(wylaczone_);
        for (const Kontrolka &x : k) {
            if (!x.w)
                continue;
            x.w->removeEventFilter(this);
            // Disabled by the code meanwhile: it stays so.
            x.w->setEnabled(x.chciana && !x.w->testAttribute(Qt::WA_ForceDisabled));
        }
        // The control named by dajFokus() takes the focus; otherwise the
        // one that lost it as it was disabled gets it back.
        const bool wskazany = fokusPoZwolnieniu;
        QWidget *f = wskazany ? fokusPoZwolnieniu.data() : fokus_.data();
        fokusPoZwolnieniu = nullptr;
        fokus_ = nullptr;
        if (f && f->isEnabled() && f->window() == okno_ && (wskazany || !okno_->focusWidget()))
            f->setFocus(Qt::OtherFocusReason);
        if (przy)
            przy(false);
    }

protected:
    // Enabled by the code while held: noted for the release, disabled again.
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() != QEvent::EnabledChange)
            return false;
        auto *w = static_cast<QWidget *>(o);
        if (!w->isEnabled())
            return false;
        for (Kontrolka &x : wylaczone_)
            if (x.w == w)
                x.chciana = true;
        przytrzymaj(w);
        return true;
    }

private:
    struct Kontrolka {
        QPointer<QWidget> w;
        bool chciana; // enabled when the window's operations end
    };
    // Disabled without the mark of an explicit setEnabled(false), so that
    // the code's own setEnabled(false) meanwhile shows at the release.
    static void przytrzymaj(QWidget *w)
    {
        w->setEnabled(false);
        w->setAttribute(Qt::WA_ForceDisabled, false);
    }

    QWidget *okno_;
    std::vector<Kontrolka> wylaczone_;
    QPointer<QWidget> fokus_; // the window's focus when it was engaged
};

} // namespace

TOperacja::TOperacja(QWidget *okno, Rodzaj rodzaj) : okno_(okno), rodzaj_(rodzaj)
{
    ++wszystkich;
    if (rodzaj_ == Rodzaj::Tla)
        ++wTle;
    if (!okno)
        return;
    StanOkna &s = StanOkna::wez(okno);
    if (rodzaj_ == Rodzaj::Tla) {
        ++s.tla;
    } else if (s.okna++ == 0) {
        s.zajmij();
    }
}

TOperacja::~TOperacja()
{
    --wszystkich;
    if (rodzaj_ == Rodzaj::Tla)
        --wTle;
    StanOkna *s = StanOkna::z(okno_);
    if (!s)
        return;
    if (rodzaj_ == Rodzaj::Tla)
        --s->tla;
    else if (--s->okna == 0)
        s->zwolnij();
}

void wylaczanaPodczasOperacji(std::initializer_list<QWidget *> kontrolki, bool tak)
{
    for (QWidget *w : kontrolki)
        if (w)
            w->setProperty(wlasciwoscWylaczanej, tak);
}

void przyOperacji(QWidget *okno, std::function<void(bool)> f) { StanOkna::wez(okno).przy = std::move(f); }

void dajFokus(QWidget *kontrolka)
{
    if (!kontrolka)
        return;
    if (StanOkna *s = StanOkna::z(kontrolka->window()); s && s->okna > 0)
        s->fokusPoZwolnieniu = kontrolka;
    kontrolka->setFocus(Qt::OtherFocusReason);
}

bool wlaczona(const QWidget *kontrolka)
{
    const StanOkna *s = kontrolka ? StanOkna::z(kontrolka->window()) : nullptr;
    const std::optional<bool> p = s ? s->poZwolnieniu(kontrolka) : std::nullopt;
    return p ? *p : kontrolka && kontrolka->isEnabled();
}

bool trwaOperacja() { return wszystkich > 0; }

bool trwaOperacja(const QWidget *okno)
{
    const StanOkna *s = StanOkna::z(okno);
    return s && (s->okna > 0 || s->tla > 0);
}

bool oknoOperacji(const QWidget *okno)
{
    const StanOkna *s = StanOkna::z(okno);
    return s && s->okna > 0;
}

bool wejscieCzeka() { return wTle > 0 || wymianaWToku(); }

bool zajety() { return wszystkich > 0 || wymianaWToku(); }
