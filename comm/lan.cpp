#include "lan.h"

#include "komunikaty.h"
#include "pomocnicze.h"
#include "ramka.h"
#include "transport.h"
#include "wymiana.h"
#include "zegar.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace {

TFormLan *formLan = nullptr;

constexpr int najmniejszyNumerSeryjny = 60000;
constexpr int najwiekszyNumerSeryjny = 300000;

} // namespace

void ustawFormLan(TFormLan *f) { formLan = f; }
TFormLan *FormLan() { return formLan; }

// ---- Frame ------------------------------------------------------------------

QByteArray ramkaLan(uint32_t numerSeryjny, char komenda, uint8_t podkomenda, const QByteArray &dane)
{
    QByteArray r;
    r.reserve(dane.size() + 11);
    r += liczbaNaTekst4(int32_t(numerSeryjny));
    r.append(ZbudujRamke(1, komenda, podkomenda, dane));
    return r;
}

void wyslijRamkeLan(uint32_t numerSeryjny, char komenda, uint8_t podkomenda, const QByteArray &dane, IKlientTcp &klient)
{
    klient.zapisz(ramkaLan(numerSeryjny, komenda, podkomenda, dane));
}

QString adresLan(const QString &tekst)
{
    static const QRegularExpression wzor(QStringLiteral("^(\\d{1,3})\\.(\\d{1,3})\\.(\\d{1,3})\\.(\\d{1,3})$"));
    const QRegularExpressionMatch m = wzor.match(tekst.trimmed());
    if (!m.hasMatch())
        return {};
    QStringList oktety;
    bool zera = true;
    for (int i = 1; i <= 4; ++i) {
        const int v = m.captured(i).toInt();
        if (v > 255)
            return {};
        zera = zera && v == 0;
        oktety << QString::number(v);
    }
    return zera ? QString() : oktety.join(QLatin1Char('.'));
}

bool sprawdzDaneLan(const TUstawieniaSterownika &A_ust)
{
    if (transport(A_ust) != TTransport::Lan)
        return true;
    if (A_ust.lan.NUMER_SERYJNY < najmniejszyNumerSeryjny || A_ust.lan.NUMER_SERYJNY > najwiekszyNumerSeryjny) {
        pokazOstrzezenie(QCoreApplication::translate("TFormLan", "Wpisz poprawny numer seryjny! "));
        return false;
    }
    if (adresLan(A_ust.lan.LAN_IP).isEmpty()) {
        pokazOstrzezenie(QCoreApplication::translate("TFormLan", "Wpisz poprawny adres IP "));
        return false;
    }
    return true;
}

// ---- Write session ------------------------------------------------------------

int sesjaZapisu(IKlientTcp &A_tc, bool A_start, const TUstawieniaSterownika &A_ust)
{
    const uint8_t podkomenda = A_start ? 0x81 : 0x82;
    const int n = A_start ? 8 : 7;
    try {
        A_tc.ustawCzasOdczytu(A_start ? 2000 : 20000);
        wyslijRamkeLan(uint32_t(A_ust.lan.NUMER_SERYJNY), magistrala::I, podkomenda, {}, A_tc);
        QByteArray odp;
        try {
            odp = A_tc.czytaj(n);
        } catch (...) {
            czekajMs(500);
            return kodLanOdczyt;
        }
        return odp.size() == n ? 0 : kodLanKrotka;
    } catch (...) {
        return kodLanWyjatek;
    }
}

// ---- The runner -----------------------------------------------------------------

TFormLan::TFormLan(QObject *parent) : QObject(parent), fabryka_(nowyKlientTcp) {}

void TFormLan::ustawFabrykeKlienta(FabrykaKlienta f) { fabryka_ = f ? std::move(f) : FabrykaKlienta(nowyKlientTcp); }

int TFormLan::AlwaysInit()
{
    ++wToku_;
    zacznijWymiane();
    return kodLanBrakPolaczenia;
}

int TFormLan::AlwaysDone(std::unique_ptr<IKlientTcp> &A_tc)
{
    A_tc.reset();
    if (wToku_ > 0) {
        --wToku_;
        zakonczWymiane();
    }
    return 0;
}

int TFormLan::ErrorDone(std::unique_ptr<IKlientTcp> &A_tc)
{
    A_tc.reset();
    czekajMs(przerwaLanMs);
    return 0;
}

bool TFormLan::polacz(std::unique_ptr<IKlientTcp> &A_tc, const QString &host)
{
    try {
        A_tc = fabryka_();
        if (!A_tc)
            return false;
        A_tc->ustawCzasOdczytu(czasOdczytuLanMs);
        const QString adres = adresLan(host);
        if (adres.isEmpty())
            return false;
        return A_tc->polacz(adres, portLan, czasPolaczeniaLanMs) && A_tc->polaczony();
    } catch (...) {
        return false;
    }
}

int TFormLan::uruchom(int a_powtorz, const TUstawieniaSterownika &A_ust, const std::function<int(IKlientTcp &)> &f)
{
    const TrwaWymiana trwa;
    int wynik = AlwaysInit();
    std::unique_ptr<IKlientTcp> tc;
    try {
        // An address that cannot be reached stays so: no attempt, no pause.
        if (!adresLan(A_ust.lan.LAN_IP).isEmpty()) {
            for (int zostalo = a_powtorz; wynik != 0 && zostalo > 0; --zostalo) {
                if (polacz(tc, A_ust.lan.LAN_IP))
                    wynik = f(*tc);
                if (wynik != 0)
                    ErrorDone(tc);
            }
        }
    } catch (...) {
        // Callbacks do not throw; whatever else does leaves the code
        // reached so far.
    }
    AlwaysDone(tc);
    return wynik;
}

int TFormLan::make_START(std::unique_ptr<IKlientTcp> &a_TCP, const TUstawieniaSterownika &A_ust)
{
    const TrwaWymiana trwa;
    int wynik = AlwaysInit();
    const bool osiagalny = !adresLan(A_ust.lan.LAN_IP).isEmpty();
    try {
        if (osiagalny && polacz(a_TCP, A_ust.lan.LAN_IP)) {
            a_TCP->ustawCzasOdczytu(czasOdczytuStrumieniaMs);
            wynik = 0;
        }
    } catch (...) {
        wynik = kodLanBrakPolaczenia;
    }
    if (wynik != 0) {
        if (osiagalny)
            ErrorDone(a_TCP);
        a_TCP.reset();
        --wToku_;
        zakonczWymiane();
    }
    return wynik;
}

int TFormLan::make_END(std::unique_ptr<IKlientTcp> &a_TCP)
{
    try {
        return AlwaysDone(a_TCP);
    } catch (...) {
        return 1;
    }
}
