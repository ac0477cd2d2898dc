#include "blokada_okna.h"

#include "forma_haslo.h"
#include "komunikaty.h"
#include "lan.h"
#include "lan_polecenia.h"
#include "okno_glowne.h"
#include "polaczenie.h"
#include "powtorz.h"
#include "transport.h"
#include "zadane_transfer.h"

TBlokadaOkna::TBlokadaOkna(TLockedTransmission &lock, std::function<void(TUstawieniaSterownika &)> wypelnij,
                           std::function<int()> jezykId, TFormHaslo *haslo)
    : lock_(lock), wypelnij_(std::move(wypelnij)), jezykId_(std::move(jezykId)), haslo_(haslo)
{
    lock_.fnLockCheck = [this] { return fnLockCheck(); };
    lock_.fnPasswordInput = [this](QString &t) { fnPasswordInput(t); };
    lock_.fnUnlockPasswordSend = [this](const QString &t) { return fnUnlockPasswordSend(t); };
    lock_.hasloDlgInit = [this] { hasloDlgInit(); };
}

TBlokadaOkna::~TBlokadaOkna()
{
    lock_.fnLockCheck = nullptr;
    lock_.fnPasswordInput = nullptr;
    lock_.fnUnlockPasswordSend = nullptr;
    lock_.hasloDlgInit = nullptr;
}

TFormHaslo &TBlokadaOkna::oknoHasla()
{
    if (!haslo_) {
        wlasneHaslo_ = std::make_unique<TFormHaslo>();
        haslo_ = wlasneHaslo_.get();
    }
    return *haslo_;
}

int TBlokadaOkna::fnLockCheck()
{
    TUstawieniaSterownika u;
    wypelnij_(u);
    TOdczyty o{};
    if (!czytajOdczyty(true, o, u, true))
        return -1;
    if (!lock_.ProtokolBlad()) {
        // Once until the connection changes (the main window clears it).
        lock_.setProtokolBlad(true);
        const QString dalej = QLatin1Char('\n') +
                              tr("Użycie z podłączonym sterownikiem może prowadzić do nieoczekiwanych sytuacji.") +
                              QLatin1Char('\n') + tr("Zwróć się do firmy Kalbren o aktualizację!");
        if (o.wersjaProtokolu > wersjaProtokolu)
            pokazInformacje(tr("Uruchomiono nieaktualną wersję programu.") + dalej);
        else if (o.wersjaProtokolu < wersjaProtokolu)
            pokazInformacje(tr("Podłączony sterownik ma nieaktualny firmware.") + dalej);
    }
    if (o.stan1 == 3 || o.stan1 == 4)
        return 2;
    bool blokada = false;
    if (!czytajBlokade(blokada, u))
        return -1;
    return blokada ? 1 : 0;
}

int TBlokadaOkna::fnUnlockPasswordSend(const QString &haslo)
{
    bool liczba = false;
    int v = haslo.toInt(&liczba);
    if (!liczba)
        v = 0;
    TUstawieniaSterownika u;
    wypelnij_(u);
    u.ParametryTransmisji.ReadTotalTimeoutConstant = 600;
    u.ParametryTransmisji.IlePowtorzen = 2;
    u.lan.count = 1;
    u.lan.timeout = 450;
    const uint32_t numer = uint32_t(v);
    int w = przezTransport(
        u, [&] { return powtorzZapiszUnlock(u.adresRS, u.ParametryTransmisji, numer); },
        [&](TFormLan &lan) { return lan.make(1, &lanZapiszUnlock, numer, u); });
    if (w == 0) {
        // The controller said yes: it has to let a setpoint through too.
        TKvor350zadana z{};
        if (!czytajZadana(z, 1, u))
            w = 66;
    }
    return w;
}

void TBlokadaOkna::fnPasswordInput(QString &haslo)
{
    QString t;
    const QString prompt = tr("Hasło") + QStringLiteral(" (") + tr("Blokada transmisji") + QStringLiteral("):");
    haslo = oknoHasla().pokazOkno(prompt, QString(), t, jezykId_()) ? t : QString();
}

void TBlokadaOkna::hasloDlgInit() { oknoHasla().InitTestHaslo(); }

std::unique_ptr<TBlokadaOkna> blokadaOkna(TForm1 &okno, TFormHaslo *haslo)
{
    return std::make_unique<TBlokadaOkna>(
        okno.lockService, [&okno](TUstawieniaSterownika &u) { okno.wezUstawieniaSterownika(u, true); },
        [&okno] { return okno.jezykId; }, haslo);
}
