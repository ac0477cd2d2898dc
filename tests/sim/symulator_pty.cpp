#include "symulator_pty.h"

#include <QDir>
#include <QFile>

#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int maksDlugosc = 4096;
// A partial frame is dropped after this much silence: long enough for a
// frame sent byte by byte from a busy machine to stay whole.
constexpr auto ciszaRamki = std::chrono::milliseconds(500);

void surowy(int fd)
{
    termios t{};
    if (tcgetattr(fd, &t) == 0) {
        cfmakeraw(&t);
        tcsetattr(fd, TCSANOW, &t);
    }
}

} // namespace

SymulatorPty::SymulatorPty(SterownikSym &sterownik, PlanUsterek &usterki) : sterownik_(sterownik), usterki_(usterki) {}

SymulatorPty::~SymulatorPty() { zatrzymaj(); }

bool SymulatorPty::uruchom(QString *blad)
{
    const auto nie = [&](const char *co) {
        if (blad)
            *blad = QStringLiteral("%1: %2").arg(QLatin1String(co), QString::fromLocal8Bit(std::strerror(errno)));
        zatrzymaj();
        return false;
    };
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0)
        return nie("posix_openpt");
    if (grantpt(master_) != 0 || unlockpt(master_) != 0)
        return nie("grantpt/unlockpt");
    const char *nazwa = ptsname(master_);
    if (!nazwa)
        return nie("ptsname");
    slave_ = ::open(nazwa, O_RDWR | O_NOCTTY);
    if (slave_ < 0)
        return nie("open slave");
    katalog_ = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/kvor-pty-XXXXXX"));
    if (!katalog_->isValid())
        return nie("temporary folder");
    sciezka_ = katalog_->filePath(QStringLiteral("tty"));
    if (::symlink(nazwa, QFile::encodeName(sciezka_).constData()) != 0)
        return nie("symlink");
    surowy(slave_);
    surowy(master_);
    fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
    stop_ = eventfd(0, EFD_NONBLOCK);
    if (stop_ < 0)
        return nie("eventfd");
    zatrzymany_ = false;
    watek_ = std::thread([this] { petla(); });
    return true;
}

void SymulatorPty::zatrzymaj()
{
    // The path first: from now on nothing opens the pty anew.
    katalog_.reset();
    zatrzymany_ = true;
    if (stop_ >= 0) {
        const uint64_t jeden = 1;
        [[maybe_unused]] auto w = ::write(stop_, &jeden, sizeof jeden);
    }
    if (watek_.joinable())
        watek_.join();
    for (int *fd : {&master_, &slave_, &stop_}) {
        if (*fd >= 0)
            ::close(*fd);
        *fd = -1;
    }
}

std::vector<QByteArray> SymulatorPty::ramki() const
{
    std::lock_guard l(m_);
    return ramki_;
}

QByteArray SymulatorPty::ostatniaRamka() const
{
    std::lock_guard l(m_);
    return ramki_.empty() ? QByteArray() : ramki_.back();
}

void SymulatorPty::wyczyscRamki()
{
    std::lock_guard l(m_);
    ramki_.clear();
}

bool SymulatorPty::czekajNaBezczynnosc(int ms)
{
    std::unique_lock l(m_);
    return bezczynny_.wait_for(l, std::chrono::milliseconds(ms), [this] { return !zajety_; });
}

int SymulatorPty::baud() const
{
    termios t{};
    if (tcgetattr(slave_, &t) != 0)
        return 9600;
    switch (cfgetospeed(&t)) {
    case B1200:
        return 1200;
    case B2400:
        return 2400;
    case B4800:
        return 4800;
    case B19200:
        return 19200;
    case B38400:
        return 38400;
    case B57600:
        return 57600;
    case B115200:
        return 115200;
    case B230400:
        return 230400;
    default:
        return 9600;
    }
}

bool SymulatorPty::spijDo(Zegar::time_point t)
{
    while (!zatrzymany_) {
        const auto teraz = Zegar::now();
        if (teraz >= t)
            return true;
        const auto us = std::chrono::duration_cast<std::chrono::microseconds>(t - teraz).count();
        if (us > 2000) {
            pollfd p{stop_, POLLIN, 0};
            ::poll(&p, 1, int(us / 1000) - 1);
        } else {
            ::usleep(useconds_t(us));
        }
    }
    return false;
}

void SymulatorPty::zapisz(const char *dane, qsizetype n)
{
    while (n > 0 && !zatrzymany_) {
        const ssize_t w = ::write(master_, dane, size_t(n));
        if (w > 0) {
            dane += w;
            n -= w;
        } else if (w < 0 && errno == EAGAIN) {
            pollfd p{master_, POLLOUT, 0};
            if (::poll(&p, 1, 100) <= 0)
                return; // nobody reads: the rest is lost, as on a wire
        } else if (w < 0 && errno != EINTR) {
            return;
        }
    }
}

void SymulatorPty::wyslij(const Wysylka &w, Zegar::time_point start)
{
    start += std::chrono::milliseconds(w.opoznienieMs);
    const QByteArray &b = w.bajty;
    if (w.odstepMs > 0) {
        for (qsizetype i = 0; i < b.size(); ++i) {
            if (!spijDo(start + std::chrono::milliseconds(w.odstepMs) * i))
                return;
            zapisz(b.constData() + i, 1);
        }
        return;
    }
    if (!tempo_) {
        if (spijDo(start))
            zapisz(b.constData(), b.size());
        return;
    }
    const auto bajt = std::chrono::nanoseconds(11'000'000'000LL / baud());
    qsizetype wyslane = 0;
    while (wyslane < b.size()) {
        const auto teraz = Zegar::now();
        qsizetype gotowe = wyslane;
        while (gotowe < b.size() && start + bajt * (gotowe + 1) <= teraz)
            ++gotowe;
        if (gotowe > wyslane) {
            zapisz(b.constData() + wyslane, gotowe - wyslane);
            wyslane = gotowe;
        } else if (!spijDo(start + bajt * (wyslane + 1))) {
            return;
        }
    }
}

void SymulatorPty::obsluzRamke(const QByteArray &ramka, Zegar::time_point poczatek)
{
    {
        std::lock_guard l(m_);
        ramki_.push_back(ramka);
        zajety_ = true;
    }
    Wysylka w;
    if (const auto odp = sterownik_.obsluz(ramka))
        w = zastosujUsterke(usterki_.pobierz(ramka.at(1), uint8_t(ramka.at(2))), *odp);
    auto start = Zegar::now();
    if (tempo_)
        start = poczatek + std::chrono::nanoseconds(11'000'000'000LL / baud()) * ramka.size();
    if (!w.bajty.isEmpty())
        wyslij(w, start);
    if (naRamke)
        naRamke(ramka, w.bajty);
    {
        std::lock_guard l(m_);
        zajety_ = false;
    }
    bezczynny_.notify_all();
}

void SymulatorPty::petla()
{
    QByteArray bufor;
    Zegar::time_point poczatek{}, ostatni{};
    char blok[1024];
    while (!zatrzymany_) {
        pollfd p[2] = {{master_, POLLIN, 0}, {stop_, POLLIN, 0}};
        const int czekaj = bufor.isEmpty() ? -1 : int(ciszaRamki.count());
        const int n = ::poll(p, 2, czekaj);
        if (zatrzymany_ || (p[1].revents & POLLIN))
            break;
        if (n < 0 && errno != EINTR)
            break;
        if (p[0].revents & POLLIN) {
            const ssize_t r = ::read(master_, blok, sizeof blok);
            if (r > 0) {
                if (bufor.isEmpty())
                    poczatek = Zegar::now();
                bufor.append(blok, r);
                ostatni = Zegar::now();
            }
        } else if (p[0].revents & (POLLHUP | POLLERR)) {
            ::usleep(1000); // no slave open at the moment
        }
        if (!bufor.isEmpty() && Zegar::now() - ostatni >= ciszaRamki)
            bufor.clear();
        while (bufor.size() >= 5) {
            const int dl = uint8_t(bufor.at(3)) << 8 | uint8_t(bufor.at(4));
            if (dl < 7 || dl > maksDlugosc) {
                bufor.clear();
                break;
            }
            if (bufor.size() < dl)
                break;
            const QByteArray ramka = bufor.left(dl);
            bufor.remove(0, dl);
            obsluzRamke(ramka, poczatek);
            poczatek = Zegar::now();
        }
    }
}
