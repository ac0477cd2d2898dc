#include "symulator_tcp.h"

#include "crc_sym.h"
#include "mapa_blokow.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <random>

namespace {

constexpr int dlNumeru = 4;
constexpr int najdluzszaRamka = 4096;
constexpr int kolejkaSluchacza = 16;

uint32_t numerRamki(const QByteArray &r)
{
    uint32_t n = 0;
    for (int i = 0; i < dlNumeru; ++i)
        n |= uint32_t(uint8_t(r.at(i))) << (8 * i);
    return n;
}

bool dobreCRC(const QByteArray &b) { return b.size() >= 7 && dobreCrcSym(b); }

// The network interface takes writes as long as their read replies' data;
// the command handlers take the bus length. The tail is reserve: anything
// but zeros there leaves the length as it came, and the write is refused.
QByteArray dlugoscMagistrali(char funkcja, uint8_t podkomenda, QByteArray dane)
{
    const MapaBloku *m = funkcja == 'I' ? mapaZapisu(podkomenda) : nullptr;
    if (m && m->dlOdczytu > m->dlZapisu && dane.size() == m->dlOdczytu &&
        dane.mid(m->dlZapisu).count('\0') == m->dlOdczytu - m->dlZapisu)
        dane.truncate(m->dlZapisu);
    return dane;
}

sockaddr_in adresGniazda(const QString &adres, quint16 port)
{
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(port);
    inet_pton(AF_INET, adres.toLatin1().constData(), &a.sin_addr);
    return a;
}

bool adresPetli(const QString &adres)
{
    in_addr a{};
    return inet_pton(AF_INET, adres.toLatin1().constData(), &a) == 1 && (ntohl(a.s_addr) >> 24) == 127;
}

QString opisBledu(const char *co)
{
    return QStringLiteral("%1: %2").arg(QLatin1String(co), QString::fromLocal8Bit(std::strerror(errno)));
}

} // namespace

SymulatorTcp::SymulatorTcp(SterownikSym &sterownik, PlanUsterek &usterki) : sterownik_(sterownik), usterki_(usterki) {}

SymulatorTcp::~SymulatorTcp() { zatrzymaj(); }

bool SymulatorTcp::uruchom(const QString &adres, quint16 port, QString *blad)
{
    zatrzymaj();
    if (!adresPetli(adres)) {
        if (blad)
            *blad = QStringLiteral("not a loopback address: ") + adres;
        return false;
    }
    adres_ = adres;
    port_ = port;
    budzik_ = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    if (budzik_ < 0 || !otworzSluchacza(kolejkaSluchacza)) {
        const int e = errno;
        if (blad)
            *blad = opisBledu(budzik_ < 0 ? "eventfd" : "listen");
        zatrzymaj();
        errno = e;
        return false;
    }
    tryb_ = zadanyTryb_ = Tryb::Normalny;
    zatrzymany_ = false;
    watek_ = std::thread([this] { petla(); });
    return true;
}

bool SymulatorTcp::uruchomNaWolnymAdresie(quint16 port, QString *blad)
{
    std::mt19937 los(std::random_device{}());
    for (int proba = 0; proba < 50; ++proba) {
        const QString a = QStringLiteral("127.%1.%2.%3").arg(1 + los() % 254).arg(los() % 256).arg(1 + los() % 254);
        if (uruchom(a, port, blad))
            return true;
        if (errno != EADDRINUSE)
            return false;
    }
    return false;
}

void SymulatorTcp::zatrzymaj()
{
    zatrzymany_ = true;
    obudz();
    if (watek_.joinable())
        watek_.join();
    for (Polaczenie &p : polaczenia_)
        ::close(p.fd);
    polaczenia_.clear();
    zamknijSluchacza();
    if (budzik_ >= 0)
        ::close(budzik_);
    budzik_ = -1;
}

void SymulatorTcp::obudz()
{
    if (budzik_ >= 0) {
        const uint64_t jeden = 1;
        [[maybe_unused]] auto w = ::write(budzik_, &jeden, sizeof jeden);
    }
}

void SymulatorTcp::ustawTryb(Tryb t)
{
    std::unique_lock l(m_);
    zadanyTryb_ = t;
    if (!watek_.joinable()) {
        l.unlock();
        zastosujTryb(t);
        l.lock();
        tryb_ = t;
        return;
    }
    obudz();
    zmieniony_.wait_for(l, std::chrono::seconds(5), [this] { return tryb_ == zadanyTryb_; });
}

void SymulatorTcp::zerwijPrzyOdpowiedzi(int ile)
{
    std::lock_guard l(m_);
    zerwan_ = ile;
}

std::vector<QByteArray> SymulatorTcp::ramki() const
{
    std::lock_guard l(m_);
    return ramki_;
}

void SymulatorTcp::wyczyscRamki()
{
    std::lock_guard l(m_);
    ramki_.clear();
}

int SymulatorTcp::polaczen() const
{
    std::lock_guard l(m_);
    return polaczen_;
}

bool SymulatorTcp::otworzSluchacza(int kolejka)
{
    sluchacz_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (sluchacz_ < 0)
        return false;
    const int tak = 1;
    setsockopt(sluchacz_, SOL_SOCKET, SO_REUSEADDR, &tak, sizeof tak);
    const sockaddr_in a = adresGniazda(adres_, port_);
    if (::bind(sluchacz_, reinterpret_cast<const sockaddr *>(&a), sizeof a) != 0 || ::listen(sluchacz_, kolejka) != 0) {
        const int e = errno;
        zamknijSluchacza();
        errno = e;
        return false;
    }
    return true;
}

void SymulatorTcp::zamknijSluchacza()
{
    for (int *fd : {&zapychacz_, &sluchacz_}) {
        if (*fd >= 0)
            ::close(*fd);
        *fd = -1;
    }
}

bool SymulatorTcp::zastosujTryb(Tryb t)
{
    zamknijSluchacza();
    switch (t) {
    case Tryb::Normalny:
        return otworzSluchacza(kolejkaSluchacza);
    case Tryb::Odmowa:
        return true;
    case Tryb::BezAkceptacji: {
        // A queue of one, taken by our own connection: the kernel drops
        // every further SYN and the client's connect runs into its time-out.
        if (!otworzSluchacza(0))
            return false;
        zapychacz_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        const sockaddr_in a = adresGniazda(adres_, port_);
        return zapychacz_ >= 0 && ::connect(zapychacz_, reinterpret_cast<const sockaddr *>(&a), sizeof a) == 0;
    }
    }
    return false;
}

bool SymulatorTcp::spij(int ms)
{
    const auto koniec = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (!zatrzymany_) {
        const auto teraz = std::chrono::steady_clock::now();
        if (teraz >= koniec)
            return true;
        std::this_thread::sleep_for(
            std::min<std::chrono::steady_clock::duration>(koniec - teraz, std::chrono::milliseconds(5)));
    }
    return false;
}

bool SymulatorTcp::wyslij(int fd, const QByteArray &b, int opoznienieMs, int odstepMs)
{
    if (opoznienieMs > 0 && !spij(opoznienieMs))
        return false;
    const auto nadaj = [fd](const char *d, qsizetype n) {
        while (n > 0) {
            const ssize_t w = ::send(fd, d, size_t(n), MSG_NOSIGNAL);
            if (w < 0 && errno == EINTR)
                continue;
            if (w <= 0)
                return false;
            d += w;
            n -= w;
        }
        return true;
    };
    if (odstepMs <= 0)
        return nadaj(b.constData(), b.size());
    for (qsizetype i = 0; i < b.size(); ++i) {
        if ((i > 0 && !spij(odstepMs)) || !nadaj(b.constData() + i, 1))
            return false;
    }
    return true;
}

void SymulatorTcp::obsluzRamke(Polaczenie &p, const QByteArray &ramka)
{
    {
        std::lock_guard l(m_);
        ramki_.push_back(ramka);
    }
    const QByteArray wewn = ramka.mid(dlNumeru);
    if (numerRamki(ramka) != sterownik_.stan().numerSeryjny || !dobreCRC(wewn))
        return; // another controller's frame, or a broken one: silence
    const int adres = uint8_t(wewn.at(0));
    const char f = wewn.at(1);
    const auto sub = uint8_t(wewn.at(2));
    const Odpowiedz dane =
        sterownik_.wykonaj(f, sub, dlugoscMagistrali(f, sub, wewn.mid(5, wewn.size() - 7)), Lacze::Tcp);
    if (dane.bezOdpowiedzi)
        return;
    const QByteArray odp = dane ? SterownikSym::zbuduj(adres, f, sub, *dane) : SterownikSym::ramkaNieznana(adres);
    const Wysylka w = zastosujUsterke(usterki_.pobierz(f, sub), odp);
    bool zerwij = false;
    {
        std::lock_guard l(m_);
        if (zerwan_ != 0) {
            zerwij = true;
            if (zerwan_ > 0)
                --zerwan_;
        }
    }
    if (zerwij) {
        wyslij(p.fd, w.bajty.left(w.bajty.size() / 2), w.opoznienieMs, w.odstepMs);
        ::close(p.fd);
        p.fd = -1;
        return;
    }
    if (!w.bajty.isEmpty())
        wyslij(p.fd, w.bajty, w.opoznienieMs, w.odstepMs);
}

void SymulatorTcp::petla()
{
    char blok[4096];
    while (!zatrzymany_) {
        {
            std::unique_lock l(m_);
            if (zadanyTryb_ != tryb_) {
                const Tryb t = zadanyTryb_;
                l.unlock();
                zastosujTryb(t);
                l.lock();
                tryb_ = t;
                zmieniony_.notify_all();
            }
        }
        std::vector<pollfd> p;
        p.push_back({budzik_, POLLIN, 0});
        if (sluchacz_ >= 0 && zapychacz_ < 0)
            p.push_back({sluchacz_, POLLIN, 0});
        const size_t pierwszePolaczenie = p.size();
        for (const Polaczenie &c : polaczenia_)
            p.push_back({c.fd, POLLIN, 0});
        if (::poll(p.data(), p.size(), -1) < 0 && errno != EINTR)
            break;
        if (zatrzymany_)
            break;
        if (p[0].revents & POLLIN) {
            uint64_t v;
            [[maybe_unused]] auto r = ::read(budzik_, &v, sizeof v);
        }
        if (pierwszePolaczenie > 1 && (p[1].revents & POLLIN)) {
            const int fd = ::accept4(sluchacz_, nullptr, nullptr, SOCK_CLOEXEC);
            if (fd >= 0) {
                polaczenia_.push_back({fd, {}});
                std::lock_guard l(m_);
                ++polaczen_;
            }
        }
        for (size_t i = pierwszePolaczenie; i < p.size(); ++i) {
            if (!(p[i].revents & (POLLIN | POLLHUP | POLLERR)))
                continue;
            Polaczenie &c = polaczenia_[i - pierwszePolaczenie];
            const ssize_t n = ::recv(c.fd, blok, sizeof blok, MSG_DONTWAIT);
            if (n == 0 || (n < 0 && errno != EAGAIN && errno != EINTR)) {
                ::close(c.fd);
                c.fd = -1;
                continue;
            }
            if (n < 0)
                continue;
            c.bufor.append(blok, n);
            while (c.fd >= 0 && c.bufor.size() >= dlNumeru + 5) {
                const int dl = uint8_t(c.bufor.at(dlNumeru + 3)) << 8 | uint8_t(c.bufor.at(dlNumeru + 4));
                if (dl < 7 || dl > najdluzszaRamka) {
                    c.bufor.clear();
                    break;
                }
                if (c.bufor.size() < dlNumeru + dl)
                    break;
                const QByteArray ramka = c.bufor.left(dlNumeru + dl);
                c.bufor.remove(0, dlNumeru + dl);
                obsluzRamke(c, ramka);
            }
        }
        std::erase_if(polaczenia_, [](const Polaczenie &c) { return c.fd < 0; });
    }
}
