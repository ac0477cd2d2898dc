#include "lan.h"

#include "komunikaty.h"
#include "pomocnicze.h"
#include "ramka.h"
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
    if (A_ust.lan.LAN_ACTIVE != 1)
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
    return kodLanBrakPolaczenia;
}

int TFormLan::AlwaysDone(std::unique_ptr<IKlientTcp> &A_tc)
{
    A_tc.reset();
    if (wToku_ > 0)
        --wToku_;
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

// ---- One overload per callback type ----------------------------------------------

int TFormLan::make(int a_powtorz, TIntegerFunctionTyp a_fun, QString &a_typ, const TUstawieniaSterownika &A_ust)
{
    return wywolaj(a_powtorz, a_fun, A_ust, a_typ);
}

int TFormLan::make(int a_powtorz, TIntegerFunctionStat a_fun, TOdczyty &A_Odczyty, const TUstawieniaSterownika &A_ust)
{
    return wywolaj(a_powtorz, a_fun, A_ust, A_Odczyty);
}

int TFormLan::make(int a_powtorz, TIntegerFunctionSetDt a_fun, const QDateTime &A_dt,
                   const TUstawieniaSterownika &A_ust)
{
    return wywolaj(a_powtorz, a_fun, A_ust, A_dt);
}

int TFormLan::make(int a_powtorz, TIntegerFunctionReadLock a_fun, bool &A_blokada, const TUstawieniaSterownika &A_ust)
{
    return wywolaj(a_powtorz, a_fun, A_ust, A_blokada);
}

int TFormLan::make(int a_powtorz, TIntegerFunctionLongWord a_fun, uint32_t A_ustaw, const TUstawieniaSterownika &A_ust)
{
    return wywolaj(a_powtorz, a_fun, A_ust, A_ustaw);
}

int TFormLan::make(int a_powtorz, TIntegerFunctionSet73 a_fun, bool A_start, const TUstawieniaSterownika &A_ust)
{
    return wywolaj(a_powtorz, a_fun, A_ust, A_start);
}

int TFormLan::make(int a_powtorz, TIntegerFunctionReadSetup a_fun, TFunkcjeKvor3 &A_setup,
                   const TUstawieniaSterownika &A_ust)
{
    return wywolaj(a_powtorz, a_fun, A_ust, A_setup);
}

int TFormLan::make(int a_powtorz, TIntegerFunctionZapiszSetup a_fun, const TFunkcjeKvor3 &A_setup,
                   const TUstawieniaSterownika &A_ust)
{
    return wywolaj(a_powtorz, a_fun, A_ust, A_setup);
}

int TFormLan::make(int a_powtorz, TIntegerFunctionReadModuly a_fun, TModulyWejWyKonfig &A_ustaw,
                   const TUstawieniaSterownika &A_ust)
{
    return wywolaj(a_powtorz, a_fun, A_ust, A_ustaw);
}

int TFormLan::make(int a_powtorz, TIntegerFunctionZapiszModuly a_fun, const TModulyWejWyKonfig &A_ustaw,
                   bool A_BypassSet73, const TUstawieniaSterownika &A_ust)
{
    return wywolaj(a_powtorz, a_fun, A_ust, A_ustaw, A_BypassSet73);
}

int TFormLan::make(int a_powtorz, TIntegerFunctionReadMycie a_fun, TProjektDodatkiMycie &A_ustaw,
                   const TUstawieniaSterownika &A_ust)
{
    return wywolaj(a_powtorz, a_fun, A_ust, A_ustaw);
}

int TFormLan::make(int a_powtorz, TIntegerFunctionZapiszMycie a_fun, const TProjektDodatkiMycie &A_ustaw,
                   bool A_BypassSet73, const TUstawieniaSterownika &A_ust)
{
    return wywolaj(a_powtorz, a_fun, A_ust, A_ustaw, A_BypassSet73);
}

int TFormLan::make(int a_powtorz, TIntegerFunctionReadProg a_fun, int A_nr, TProgram &A_prog,
                   const TUstawieniaSterownika &A_ust)
{
    return wywolaj(a_powtorz, a_fun, A_ust, A_nr, A_prog);
}

int TFormLan::make(int a_powtorz, TIntegerFunctionZapiszProg a_fun, int A_nr, const TProgram &A_prog,
                   bool A_BypassSet73, const TUstawieniaSterownika &A_ust)
{
    return wywolaj(a_powtorz, a_fun, A_ust, A_nr, A_prog, A_BypassSet73);
}

int TFormLan::make(int a_powtorz, TIntegerFunctionReadKrok a_fun, int A_nr, TKrok &A_krok, bool A_mycie,
                   const TUstawieniaSterownika &A_ust)
{
    return wywolaj(a_powtorz, a_fun, A_ust, A_nr, A_krok, A_mycie);
}

int TFormLan::make(int a_powtorz, TIntegerFunctionZapiszKrok a_fun, int A_nr, const TKrok &A_krok, bool A_mycie,
                   bool A_BypassSet73, const TUstawieniaSterownika &A_ust)
{
    return wywolaj(a_powtorz, a_fun, A_ust, A_nr, A_krok, A_mycie, A_BypassSet73);
}

int TFormLan::make(int a_powtorz, TIntegerFunctionReadFS a_fun, int A_nr, TFunkcjaSpec &A_fs,
                   const TUstawieniaSterownika &A_ust)
{
    return wywolaj(a_powtorz, a_fun, A_ust, A_nr, A_fs);
}

int TFormLan::make(int a_powtorz, TIntegerFunctionZapiszFS a_fun, int A_nr, const TFunkcjaSpec &A_fs,
                   bool A_BypassSet73, const TUstawieniaSterownika &A_ust)
{
    return wywolaj(a_powtorz, a_fun, A_ust, A_nr, A_fs, A_BypassSet73);
}

int TFormLan::make(int a_powtorz, TIntegerFunctionReadWilg a_fun, Tkvor350wilgotnosc &A_ustaw,
                   const TUstawieniaSterownika &A_ust)
{
    return wywolaj(a_powtorz, a_fun, A_ust, A_ustaw);
}

int TFormLan::make(int a_powtorz, TIntegerFunctionZapiszWilg a_fun, const Tkvor350wilgotnosc &A_ustaw,
                   bool A_BypassSet73, const TUstawieniaSterownika &A_ust)
{
    return wywolaj(a_powtorz, a_fun, A_ust, A_ustaw, A_BypassSet73);
}

int TFormLan::make(int a_powtorz, TIntegerFunctionReadDodatki a_fun, tdanedodatki &A_ustaw,
                   const TUstawieniaSterownika &A_ust)
{
    return wywolaj(a_powtorz, a_fun, A_ust, A_ustaw);
}

int TFormLan::make(int a_powtorz, TIntegerFunctionZapiszDodatki a_fun, const tdanedodatki &A_ustaw, bool A_BypassSet73,
                   const TUstawieniaSterownika &A_ust)
{
    return wywolaj(a_powtorz, a_fun, A_ust, A_ustaw, A_BypassSet73);
}

int TFormLan::make(int a_powtorz, TIntegerFunctionReadZadane a_fun, int A_nr, TKvor350zadana &A_ustaw,
                   const TUstawieniaSterownika &A_ust)
{
    return wywolaj(a_powtorz, a_fun, A_ust, A_nr, A_ustaw);
}

int TFormLan::make(int a_powtorz, TIntegerFunctionZapiszZadane a_fun, int A_nr, const TKvor350zadana &A_ustaw,
                   bool A_BypassSet73, const TUstawieniaSterownika &A_ust)
{
    return wywolaj(a_powtorz, a_fun, A_ust, A_nr, A_ustaw, A_BypassSet73);
}

int TFormLan::make(int a_powtorz, TIntegerFunctionReadWejsciaCyfrowe a_fun, Tkvor350wejscieDwustanowe &A_ustaw,
                   const TUstawieniaSterownika &A_ust)
{
    return wywolaj(a_powtorz, a_fun, A_ust, A_ustaw);
}

int TFormLan::make(int a_powtorz, TIntegerFunctionZapiszWejsciaCyfrowe a_fun, const Tkvor350wejscieDwustanowe &A_ustaw,
                   bool A_BypassSet73, const TUstawieniaSterownika &A_ust)
{
    return wywolaj(a_powtorz, a_fun, A_ust, A_ustaw, A_BypassSet73);
}

int TFormLan::make(int a_powtorz, TIntegerFunctionReadWyjsciaAnalogowe a_fun, int A_nr, TWyjscieAnalogowe &A_ustaw,
                   const TUstawieniaSterownika &A_ust)
{
    return wywolaj(a_powtorz, a_fun, A_ust, A_nr, A_ustaw);
}

int TFormLan::make(int a_powtorz, TIntegerFunctionZapiszWyjsciaAnalogowe a_fun, int A_nr,
                   const TWyjscieAnalogowe &A_ustaw, bool A_BypassSet73, const TUstawieniaSterownika &A_ust)
{
    return wywolaj(a_powtorz, a_fun, A_ust, A_nr, A_ustaw, A_BypassSet73);
}

int TFormLan::make(int a_powtorz, TIntegerFunctionReadDiAlarm a_fun, int A_nr, vxt_alarm_konfiguracja_t &A_ustaw,
                   const TUstawieniaSterownika &A_ust)
{
    return wywolaj(a_powtorz, a_fun, A_ust, A_nr, A_ustaw);
}

int TFormLan::make(int a_powtorz, TIntegerFunctionZapiszDiAlarm a_fun, const TAlarmyF1F4Array &A_ustaw,
                   bool A_BypassSet73, const TUstawieniaSterownika &A_ust)
{
    return wywolaj(a_powtorz, a_fun, A_ust, A_ustaw, A_BypassSet73);
}

int TFormLan::make(int a_powtorz, TIntegerFunctionReadDo a_fun, int A_nr, TPrzekaznik &A_ustaw,
                   const TUstawieniaSterownika &A_ust)
{
    return wywolaj(a_powtorz, a_fun, A_ust, A_nr, A_ustaw);
}

int TFormLan::make(int a_powtorz, TIntegerFunctionZapiszDo a_fun, int A_nr, const TPrzekaznik &A_ustaw,
                   bool A_BypassSet73, const TUstawieniaSterownika &A_ust)
{
    return wywolaj(a_powtorz, a_fun, A_ust, A_nr, A_ustaw, A_BypassSet73);
}

int TFormLan::make(int a_powtorz, TIntegerFunctionReadAo a_fun, int A_nr, TWejscieAnalogowe &A_ustaw,
                   const TUstawieniaSterownika &A_ust)
{
    return wywolaj(a_powtorz, a_fun, A_ust, A_nr, A_ustaw);
}

int TFormLan::make(int a_powtorz, TIntegerFunctionZapiszAo a_fun, int A_nr, const TWejscieAnalogowe &A_ustaw,
                   bool A_BypassSet73, const TUstawieniaSterownika &A_ust)
{
    return wywolaj(a_powtorz, a_fun, A_ust, A_nr, A_ustaw, A_BypassSet73);
}

int TFormLan::make(int a_powtorz, TIntegerFunctionBuffer a_fun, int A_nr, int A_size, const QByteArray &A_ustaw,
                   const TUstawieniaSterownika &A_ust)
{
    return wywolaj(a_powtorz, a_fun, A_ust, A_nr, A_size, A_ustaw);
}

int TFormLan::make(int a_powtorz, TIntegerFunctionCrc a_fun, uint16_t A_crc, int A_size,
                   const TUstawieniaSterownika &A_ust)
{
    return wywolaj(a_powtorz, a_fun, A_ust, A_crc, A_size);
}
