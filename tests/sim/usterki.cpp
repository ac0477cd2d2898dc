#include "usterki.h"

#include "crc_sym.h"
#include "sterownik_sym.h"

Wysylka zastosujUsterke(const std::optional<Usterka> &u, const QByteArray &odpowiedz)
{
    Wysylka w{odpowiedz};
    if (!u)
        return w;
    QByteArray &b = w.bajty;
    switch (u->rodzaj) {
    case RodzajUsterki::BrakOdpowiedzi:
        b.clear();
        break;
    case RodzajUsterki::KrotkaOdpowiedz:
        b.chop(u->parametr > 0 ? u->parametr : 1);
        break;
    case RodzajUsterki::ZleCRC:
        if (b.size() >= 2) {
            const char lo = b[b.size() - 2];
            b[b.size() - 2] = char(b[b.size() - 1] ^ 0x5A);
            b[b.size() - 1] = lo;
        }
        break;
    case RodzajUsterki::ZlyAdres:
        if (!b.isEmpty()) {
            b[0] = char(b[0] + 1);
            przeliczCrcSym(b);
        }
        break;
    case RodzajUsterki::ZlePotwierdzenie:
        if (b.size() > 1) {
            b[1] = char(u->parametr ? u->parametr : 'X');
            przeliczCrcSym(b);
        }
        break;
    case RodzajUsterki::ZeroNaPoczatku:
        b.prepend('\0');
        break;
    case RodzajUsterki::NadmiaroweBajty:
        b.append(QByteArray(u->parametr > 0 ? u->parametr : 1, '\x55'));
        break;
    case RodzajUsterki::Wolno:
        w.opoznienieMs = u->parametr;
        break;
    case RodzajUsterki::BajtPoBajcie:
        w.odstepMs = u->parametr > 0 ? u->parametr : 1;
        break;
    case RodzajUsterki::ZlaDlugosc:
        if (b.size() >= 5) {
            b[3] = char((u->parametr >> 8) & 0xFF);
            b[4] = char(u->parametr & 0xFF);
            przeliczCrcSym(b);
        }
        break;
    case RodzajUsterki::Surowa:
        b = u->surowa;
        break;
    }
    return w;
}

void PlanUsterek::dodaj(int klucz, const Usterka &u, int ile)
{
    std::lock_guard l(m_);
    plan_[klucz] = Wpis{u, ile};
}

void PlanUsterek::dodaj(char funkcja, uint8_t podkomenda, const Usterka &u, int ile)
{
    dodaj(SterownikSym::klucz(funkcja, podkomenda), u, ile);
}

void PlanUsterek::wyczysc()
{
    std::lock_guard l(m_);
    plan_.clear();
}

std::optional<Usterka> PlanUsterek::pobierz(char funkcja, uint8_t podkomenda)
{
    std::lock_guard l(m_);
    for (const int k : {SterownikSym::klucz(funkcja, podkomenda), kazde}) {
        auto it = plan_.find(k);
        if (it == plan_.end())
            continue;
        const Usterka u = it->second.u;
        if (it->second.ile != zawsze && --it->second.ile <= 0)
            plan_.erase(it);
        return u;
    }
    return std::nullopt;
}
