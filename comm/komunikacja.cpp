#include "komunikacja.h"

#include "komunikaty.h"
#include "pomocnicze.h"
#include "port_qt.h"
#include "ramka.h"
#include "sciezki.h"
#include "wymiana.h"
#include "zapis_pliku.h"
#include "zegar.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>

#include <algorithm>
#include <climits>

int IleSleep = 5;
bool TransmisjaNT = false;
int timeoutStand = 1000;
int iloscPowtorzen = 3;
bool logujRamki = false;

namespace {

// Restores the inter-byte interval on every way out of an exchange.
class PrzywrocOdstep {
public:
    explicit PrzywrocOdstep(TFkomunikacja &k) : k_(k), zapamietany_(k.odstepOdczytu()) {}
    ~PrzywrocOdstep() { k_.ustawOdstepOdczytu(zapamietany_); }

private:
    TFkomunikacja &k_;
    int zapamietany_;
};

} // namespace

TFkomunikacja::TFkomunikacja(std::unique_ptr<IPortSzeregowy> port, QObject *parent)
    : QObject(parent), port_(port ? std::move(port) : std::make_unique<PortQt>()),
      czas_([] { return QDateTime::currentDateTime(); })
{}

TFkomunikacja::~TFkomunikacja() = default;

void TFkomunikacja::zamknijPort() { port_->zamknij(); }

bool TFkomunikacja::otworzBiezacy(QString *powod)
{
    const QString urzadzenie = porty_.urzadzenie(numer_);
    if (urzadzenie.isEmpty()) {
        if (powod)
            *powod = tr("nie znaleziono portu szeregowego");
        return false;
    }
    const int baud = predkoscZKodu(kodPredkosci_);
    if (baud == 0) {
        if (powod)
            *powod = urzadzenie + QStringLiteral(": ") + tr("nieobsługiwana prędkość (kod %1)").arg(kodPredkosci_);
        return false;
    }
    QString przyczyna;
    if (port_->otworz(urzadzenie, baud, &przyczyna))
        return true;
    if (powod)
        *powod = urzadzenie + QStringLiteral(": ") + przyczyna;
    return false;
}

// Steps 3 and 4 of an exchange: the right port at the right speed, open.
int TFkomunikacja::wybierzPort(const TParamTrans &trans, Otwarcie tryb)
{
    const QString nazwa = nazwaPortu(trans.port);
    if (nazwa != nazwa_ || trans.predkosc != kodPredkosci_) {
        port_->zamknij();
        nazwa_ = nazwa;
        numer_ = trans.port;
        kodPredkosci_ = trans.predkosc;
        QString powod;
        if (!otworzBiezacy(&powod)) {
            if (tryb == Otwarcie::ZKomunikatem)
                pokazBlad(trans.port < 0 ? tr("Nie wybrano portu szeregowego.")
                                         : tr("Nie mogę otworzyć portu") + QStringLiteral(": ") + nazwa_ +
                                               QLatin1Char('\n') + powod);
            return 1;
        }
    }
    if (!port_->otwarty() && !otworzBiezacy(nullptr))
        return 1;
    return 0;
}

bool TFkomunikacja::nadaj(const QByteArray &ramka)
{
    if (trybBlokowy())
        return port_->zapisz(ramka) == ramka.size();

    zegar().spij(IleSleep);
    port_->ustawRTS(true);
    qsizetype wyslane = 0;
    for (; wyslane < ramka.size(); ++wyslane) {
        int proby = 0;
        while (!port_->zapiszZnak(ramka.at(wyslane)))
            if (++proby >= 1000)
                break;
        if (proby >= 1000)
            break;
    }
    // RTS must stay up until the last bit is on the wire.
    port_->oproznij();
    if (IleSleep > 0)
        czekajDokladnieMs(IleSleep);
    port_->ustawRTS(false);
    return wyslane == ramka.size();
}

int TFkomunikacja::czasCzytania(int n) const
{
    const qint64 ms = qint64(czasOdczytu_) + qint64(mnoznikOdczytu_) * n;
    return int(std::clamp<qint64>(ms, 0, INT_MAX));
}

// Reads n bytes; with the minus offset one more, dropping a leading 0x00.
int TFkomunikacja::czytajZOffsetem(int n, int port, QByteArray &odp)
{
    const int ile = ujemnyOffset(port) ? n + 1 : n;
    odp = port_->czytaj(ile, czasCzytania(ile), odstepOdczytu_);
    if (ile != n && odp.size() == ile && odp.at(0) == '\0')
        odp.remove(0, 1);
    return int(odp.size());
}

int TFkomunikacja::WyslijRamke(const QByteArray &ramka, QByteArray &odpowiedz, int N, int &odebrano,
                               const TParamTrans &trans)
{
    const TrwaWymiana trwa;
    odebrano = 0;
    bool doLogu = false;
    int wynik = 0;
    try {
        ozywOkna(); // the sleep below does not process messages
        zegar().spij(10);
        if (N < 4)
            return 5;
        if (const int w = wybierzPort(trans, Otwarcie::ZKomunikatem))
            return w;
        doLogu = true;
        if (!port_->ustawBrakParzystosci() || !port_->wyczyscBufory()) {
            odpowiedz.clear();
            wynik = 1;
        } else if (!nadaj(ramka)) {
            odpowiedz.clear();
            wynik = 2;
        } else {
            odpowiedz.clear();
            odebrano = czytajZOffsetem(N, trans.port, odpowiedz);
            if (odebrano != N)
                wynik = odebrano == 0 ? 8 : 3;
            else
                wynik = sprawdzCRCiAdres(ramka, odpowiedz);
        }
    } catch (...) {
        wynik = 1;
    }
    if (doLogu)
        ZapiszRamki(ramka, odpowiedz, wynik);
    return wynik;
}

int TFkomunikacja::WyslijRamkeDlugosc(const QByteArray &ramka, QByteArray &odpowiedz, int &odebrano,
                                      const TParamTrans &trans)
{
    const TrwaWymiana trwa;
    PrzywrocOdstep przywroc(*this);
    if (odstepOdczytu_ <= 0)
        odstepOdczytu_ = 100;
    odebrano = 0;
    bool doLogu = false;
    int wynik = 0;
    try {
        ozywOkna(); // the sleep below does not process messages
        zegar().spij(10);
        if (const int w = wybierzPort(trans, Otwarcie::BezKomunikatu))
            return w;
        doLogu = true;
        if (!port_->wyczyscBufory() || !port_->ustawBrakParzystosci()) {
            odpowiedz.clear();
            wynik = 1;
        } else if (!nadaj(ramka)) {
            odpowiedz.clear();
            wynik = 2;
        } else {
            odpowiedz.clear();
            if (czytajZOffsetem(magistrala::naglowek, trans.port, odpowiedz) != magistrala::naglowek) {
                odebrano = int(odpowiedz.size());
                wynik = 3;
            } else {
                odebrano = magistrala::naglowek;
                const int reszta = slowoBE(odpowiedz, 3) - magistrala::naglowek;
                // Below 2 there is no room for the CRC: a broken length field.
                if (reszta < 2 || reszta >= 10000) {
                    wynik = 3;
                } else {
                    const QByteArray cialo = port_->czytaj(reszta, czasCzytania(reszta), odstepOdczytu_);
                    odpowiedz += cialo;
                    odebrano = int(odpowiedz.size());
                    wynik = cialo.size() < reszta ? 3 : sprawdzCRCiAdres(ramka, odpowiedz);
                }
            }
        }
    } catch (...) {
        wynik = 1;
    }
    if (doLogu)
        ZapiszRamki(ramka, odpowiedz, wynik);
    return wynik;
}

int TFkomunikacja::WyslijRamkeBajty(QByteArray &bajty, int ile, const TParamTrans &trans, int N)
{
    QByteArray odp;
    int odebrano = 0;
    const int w = WyslijRamke(bajty.left(ile), odp, N, odebrano, trans);
    if (w == 0)
        bajty = odp.left(odebrano);
    return w;
}

QString TFkomunikacja::znacznikCzasu(const QDateTime &t)
{
    const QLocale l;
    QString godzina = l.timeFormat(QLocale::LongFormat);
    static const QRegularExpression strefa(QStringLiteral("\\s*t+\\s*"));
    godzina.remove(strefa);
    return l.toString(t.date(), QLocale::ShortFormat) + QLatin1Char(' ') + l.toString(t.time(), godzina);
}

void TFkomunikacja::ZapiszRamki(const QByteArray &wys, const QByteArray &wyn, int wynik)
{
    if (!logujRamki)
        return;
    try {
        const QString sciezka = katalogProgramu() + QStringLiteral("trans.txt");
        QFile plik(sciezka);
        // A FIFO or a device in the log's place would block the open.
        const QFileInfo info(sciezka);
        const bool otwarty = (!info.exists() || info.isFile()) && plik.open(QIODevice::WriteOnly | QIODevice::Append |
                                                                            QIODevice::Text | QIODevice::Unbuffered);
        if (!otwarty) {
            zglosBladDziennika(sciezka,
                               info.exists() && !info.isFile() ? tr("to nie jest zwykły plik") : plik.errorString());
            return;
        }
        QString s;
        s += QStringLiteral(" \n");
        s += znacznikCzasu(czas_()) + QLatin1Char('\n');
        s += QStringLiteral(" \n");
        s += QStringLiteral("  M: ") + tekstNaHex(wys) + QStringLiteral("   [%1]\n").arg(wys.size());
        s += QStringLiteral("  S: ") + tekstNaHex(wyn) + QStringLiteral("   [%1] %2\n").arg(wyn.size()).arg(wynik);
        const QByteArray b = s.toUtf8();
        if (!zapiszCalosc(plik, b.constData(), b.size()))
            zglosBladDziennika(sciezka, plik.errorString());
    } catch (...) {
    }
}

void TFkomunikacja::zglosBladDziennika(const QString &sciezka, const QString &powod)
{
    // Once: the log is asked for every exchange.
    if (bladDziennikaZgloszony_)
        return;
    bladDziennikaZgloszony_ = true;
    pokazBlad(tr("Nie można zapisać dziennika ramek") + QStringLiteral(":\n") + sciezka + QLatin1Char('\n') + powod);
}

bool TFkomunikacja::CzyPortDostepny(const TParamTrans &trans)
{
    try {
        const QString nazwa = nazwaPortu(trans.port);
        if (nazwa != nazwa_) {
            port_->zamknij();
            nazwa_ = nazwa;
            numer_ = trans.port;
            kodPredkosci_ = trans.predkosc;
        }
        return port_->otwarty() || otworzBiezacy(nullptr);
    } catch (...) {
        return false;
    }
}
