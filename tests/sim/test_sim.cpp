// The simulator's own ground: its CRC and unlock check against vectors
// worked out by hand, its block layouts against the protocol's examples,
// and its refusal of writes with bytes where a block has no field.
#include "bloki_sym.h"
#include "crc_sym.h"
#include "mapa_blokow.h"

#include "gtest_qt.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>

namespace {

QByteArray hex(const char *h) { return QByteArray::fromHex(h); }

std::vector<const MapaBloku *> mapy()
{
    std::vector<const MapaBloku *> m = {
        &mapaKroku(false),
        &mapaKroku(true),
        &mapaPrzekaznika(),
        &mapaAlarmuWyjscia(),
        &mapaAlarmuWyjsciaLan(),
        &mapaFunkcjiSpec(),
        &mapaWyjsciaAnalogowego(),
        &mapaWejsciaAnalogowego(),
        &mapaAlarmuWzglednego(),
        &mapaWejsciaCyfrowego(),
        &mapaZadanej(),
        &mapaWilgotnosci(),
        &mapaDodatkow(),
        &mapaUstawienMycia(),
    };
    for (int p = 0; p < 5; ++p)
        m.push_back(&mapaCzesciProgramu(p));
    return m;
}

// The record bytes a field fills when read back.
std::vector<std::pair<int, int>> zakresyRekordu(const PoleBloku &p)
{
    switch (p.rodzaj) {
    case RodzajPola::Liczba:
        return {{p.rekord, p.wRekordzie}};
    case RodzajPola::Bajty:
        return {{p.rekord, p.szerokosc}};
    case RodzajPola::Nazwa:
        return {{p.rekord, 100}};
    case RodzajPola::Minuty:
        return {{p.rekord, 8}};
    case RodzajPola::Kanal:
        return {{p.rekord, 2}};
    case RodzajPola::Bity:
        return {{p.rekord, 32}};
    case RodzajPola::Nazwa1250:
        return {{p.rekord, 32}, {p.rekord + 209, 17}};
    }
    return {};
}

} // namespace

TEST(Symulator, CrcIHasloZWektorowLiczonychOsobno)
{
    EXPECT_EQ(crcSym("123456789"), 0x4B37);
    EXPECT_EQ(crcSym({}), 0xFFFF);
    QByteArray ramka = hex("0147080009");
    dopiszCrcSym(ramka);
    EXPECT_TRUE(dobreCrcSym(ramka));
    EXPECT_FALSE(dobreCrcSym(hex("01470800092d59e81f")));

    // The unlock payload is the CRC of the password's four bytes, least
    // significant first: 4242 = 92 10 00 00 gives 0x592D, sent 2D 59.
    const struct {
        uint32_t haslo;
        const char *ladunek;
    } hasla[] = {{4242, "2d59"}, {1234, "789d"}, {0, "0024"}, {0xFFFFFFFF, "01b0"}};
    for (const auto &h : hasla) {
        SCOPED_TRACE(h.haslo);
        SterownikSym s;
        s.zmien([&](StanSterownika &st) {
            st.haslo = h.haslo;
            st.zablokowany = true;
        });
        QByteArray odwrotnie = hex(h.ladunek);
        std::swap(odwrotnie[0], odwrotnie[1]);
        EXPECT_EQ(s.wykonaj('G', 0x08, odwrotnie), QByteArray(1, '\x00'));
        EXPECT_TRUE(s.stan().zablokowany);
        EXPECT_EQ(s.wykonaj('G', 0x08, hex(h.ladunek)), QByteArray(1, '\x01'));
        EXPECT_FALSE(s.stan().zablokowany);
    }
    // The whole frame of 4242 at address 1, as the program must send it.
    SterownikSym s;
    s.zmien([](StanSterownika &st) { st.haslo = 4242; });
    EXPECT_EQ(s.obsluz(hex("01470800092d59e81e")), SterownikSym::zbuduj(1, 'G', 0x08, QByteArray(1, '\x01')));
}

// Every field inside its block and record, no two in the same bytes.
TEST(Symulator, MapyBlokowSpojne)
{
    for (const MapaBloku *m : mapy()) {
        SCOPED_TRACE(m->nazwa);
        EXPECT_EQ(m->dlZapytania, int(m->slot.size()));
        EXPECT_LE(m->dlZapisu, m->dlOdczytu);
        std::set<int> blok(m->slot.begin(), m->slot.end());
        std::set<int> rekord;
        for (const PoleBloku &p : m->pola) {
            SCOPED_TRACE(p.blok);
            for (int i = p.blok; i < p.blok + p.szerokosc; ++i) {
                EXPECT_LT(i, m->dlZapisu);
                // The digital input's numbers are its slot bytes and its fields.
                const bool numer = m == &mapaWejsciaCyfrowego() && i < 2;
                EXPECT_TRUE(blok.insert(i).second || numer) << "block byte " << i;
            }
            for (const auto &[od, ile] : zakresyRekordu(p)) {
                for (int i = od; i < od + ile; ++i) {
                    EXPECT_LT(i, m->dlRekordu);
                    EXPECT_TRUE(rekord.insert(i).second) << "record byte " << i;
                }
            }
            if (p.rodzaj == RodzajPola::Liczba) {
                EXPECT_TRUE(p.wRekordzie == 1 || p.wRekordzie == 2 || p.wRekordzie == 4);
            }
        }
    }
}

// The protocol's own examples, through the simulator's layouts alone.
TEST(Symulator, MapyDajaPrzykladyProtokolu)
{
    TKrok k{};
    const int16_t zs[5] = {25, -5, 0, 100, 7};
    std::memcpy(k.zadane4, zs, sizeof zs);
    const QString szesnascie = QStringLiteral("ABCDEFGHIJKLMNOP");
    for (int i = 0; i < 16; ++i)
        k.nazwa.z[i] = szesnascie.at(i).unicode();
    const QByteArray krok = kodujRekord(mapaKroku(false), k, 200);
    EXPECT_EQ(krok.mid(168, 10), hex("fa00ceff0000e8030000"));
    EXPECT_EQ(krok.mid(4 + 28, 4), hex("4f000000")); // 15 units, then a zero unit
    TKrok z{};
    dekodujRekord(mapaKroku(false), krok, z);
    EXPECT_EQ(z.zadane4[1], -5);
    EXPECT_EQ(z.zadane4[4], 0);

    TPrzekaznik p{};
    p.parametry[0].ta = 70000;
    p.parametry[0].offset = -15;
    const QByteArray przekaznik = kodujRekord(mapaPrzekaznika(), p, 232);
    EXPECT_EQ(przekaznik.mid(44, 2), hex("7011"));
    EXPECT_EQ(przekaznik.mid(52, 2), hex("f1ff"));

    TFunkcjaSpec f{};
    f.czas_wyl = -1;
    EXPECT_EQ(kodujRekord(mapaFunkcjiSpec(), f, 200).mid(36, 2), hex("ffff"));

    Tkvor350wilgotnosc w{};
    w.numer_karty = 2;
    w.numer_wejscia = 3;
    w.min_zadana = 300;
    EXPECT_EQ(kodujRekord(mapaWilgotnosci(), w, 144).mid(5, 2), hex("0f2c"));

    tdanedodatki d{};
    for (int i = 0; i < 8; ++i) {
        d.dodatki_min[i] = int16_t(i + 1);
        d.dodatki_max[i] = int16_t(i + 11);
    }
    EXPECT_EQ(kodujRekord(mapaDodatkow(), d, 37).mid(5), hex("01000200030004000500060007000800"
                                                             "0b000c000d000e000f00100011001200"));

    TProjektDodatkiMycie m{};
    m.przekazniki[0] = m.przekazniki[7] = m.przekazniki[31] = 1;
    const QByteArray mycie = kodujRekord(mapaUstawienMycia(), m, 22);
    EXPECT_EQ(mycie.mid(6, 4), hex("81000080"));
    TProjektDodatkiMycie mz{};
    dekodujRekord(mapaUstawienMycia(), mycie, mz);
    EXPECT_EQ(std::memcmp(mz.przekazniki, m.przekazniki, 128), 0);

    Tkvor350wejscieDwustanowe we{};
    we.alarm_warunek1L = 0x34;
    we.alarm_warunek1H = 0x12;
    we.alarm_warunek2L = 0x78;
    we.alarm_warunek2H = 0x56;
    we.nazwa_str[0] = 3;
    std::memcpy(we.nazwa_str + 1, "\xa3\xf3\x64", 3); // "Łód" in Windows-1250
    const QByteArray wejscie = kodujRekord(mapaWejsciaCyfrowego(), we, 208);
    EXPECT_EQ(wejscie.mid(172, 4), hex("34127856"));
    EXPECT_EQ(wejscie.mid(4, 8), hex("4101f30064000000"));

    TProgram pr{};
    pr.cykle[0].v[5] = 2;
    pr.cykle[0].v[6] = 30;
    pr.cykle[0].v[1] = 85;
    EXPECT_EQ(kodujRekord(mapaCzesciProgramu(0), pr, 412).mid(52 + 1, 4), hex("96005203"));
}

// A refused write is noted and left unanswered, over either link: the
// controller's "unknown command" frame would pass for the acknowledgement.
TEST(Symulator, ZapisZBajtamiPozaPolamiOdrzucony)
{
    SterownikSym s;
    BlokiSym bloki(s);
    QByteArray blok(40, '\0');
    blok[0] = 3;  // setpoint 3
    blok[36] = 7; // value
    blok[38] = 1; // no field here
    for (const Lacze l : {Lacze::Rs485, Lacze::Tcp}) {
        const Odpowiedz o = s.wykonaj('I', 0x0A, blok, l);
        EXPECT_EQ(o, std::nullopt);
        EXPECT_TRUE(o.bezOdpowiedzi);
    }
    EXPECT_EQ(bloki.naruszenia(), QStringList(2, QStringLiteral("setpoint: bytes outside its fields: 38=01")));
    QByteArray ramka = hex("0149000000") + blok;
    ramka[2] = 0x0A;
    ramka[4] = char(ramka.size() + 2);
    dopiszCrcSym(ramka);
    EXPECT_EQ(s.obsluz(ramka), std::nullopt);
    blok[38] = 0;
    EXPECT_EQ(s.wykonaj('I', 0x0A, blok), QByteArray());
    EXPECT_EQ(bloki.projekt()->zadana[3].wartosc, 7);
    // A wrong length or a slot the controller does not have.
    EXPECT_TRUE(s.wykonaj('I', 0x0A, blok.left(39)).bezOdpowiedzi);
    blok[0] = 10;
    EXPECT_TRUE(s.wykonaj('I', 0x0A, blok).bezOdpowiedzi);
    QByteArray czesc(412, '\0');
    czesc[1] = 5; // program part 5
    EXPECT_TRUE(s.wykonaj('I', 0x0F, czesc).bezOdpowiedzi);
    EXPECT_EQ(bloki.naruszenia().mid(3),
              (QStringList{QStringLiteral("setpoint: 39 bytes instead of 40"), QStringLiteral("setpoint: no slot 0a"),
                           QStringLiteral("program part: no part 5")}));
    // A read of a slot the controller lacks is an unknown command.
    EXPECT_FALSE(s.wykonaj('H', 0x0A, QByteArray(1, '\x0a')).bezOdpowiedzi);
    EXPECT_EQ(bloki.naruszenia().size(), 6);
}

// The alarm-output write carries the record's first 172 bytes over TCP/IP
// and only the delay and the reaction over RS-485; each link's block is
// refused on the other.
TEST(Symulator, AlarmWyjsciaWgLacza)
{
    SterownikSym s;
    BlokiSym bloki(s);
    vxt_alarm_konfiguracja_t a;
    auto *bajty = reinterpret_cast<uint8_t *>(&a);
    for (size_t i = 0; i < sizeof a; ++i)
        bajty[i] = uint8_t(i + 1);
    QByteArray lan(176, '\0');
    lan[0] = 2; // F3
    lan.replace(4, 172, QByteArray(reinterpret_cast<const char *>(&a), 172));
    QByteArray rs(176, '\0');
    rs[0] = 2;
    rs.replace(4, 2, lan.mid(4, 2));
    rs[7] = lan[7];

    EXPECT_TRUE(s.wykonaj('I', 0x10, lan, Lacze::Rs485).bezOdpowiedzi);
    EXPECT_TRUE(s.wykonaj('I', 0x10, rs, Lacze::Tcp).has_value());
    vxt_alarm_konfiguracja_t zapisany = bloki.projekt()->przekaznikiAlarmF1F4[2];
    EXPECT_EQ(+zapisany.opoznienie, 0x0201);
    EXPECT_EQ(+zapisany.status, 4);
    EXPECT_EQ(+zapisany.logika, 0);

    EXPECT_EQ(s.wykonaj('I', 0x10, lan, Lacze::Tcp), QByteArray());
    zapisany = bloki.projekt()->przekaznikiAlarmF1F4[2];
    EXPECT_EQ(std::memcmp(&zapisany, &a, 172), 0);
    const QByteArray reszta(reinterpret_cast<const char *>(&zapisany) + 172, 48);
    EXPECT_EQ(reszta, QByteArray(48, '\0'));
    // The read gives back the bus block either way.
    EXPECT_EQ(s.wykonaj('H', 0x10, QByteArray(1, '\x02'), Lacze::Tcp), rs);
    EXPECT_EQ(bloki.naruszenia().size(), 1);
    EXPECT_TRUE(bloki.naruszenia().value(0).startsWith(QStringLiteral("alarm output: bytes outside its fields: 6=03")));
}

// SETUP and the extra modules are taken at their lengths only, SETUP with
// zeros after F[100].
TEST(Symulator, SetupIModulyTylkoWSwoichDlugosciach)
{
    SterownikSym s;
    QByteArray setup(1025, '\0');
    setup[0] = 0x2A; // F[1] = 42
    const QByteArray zlaReszta = QByteArray(setup).replace(400, 1, "\x01");
    const struct {
        char funkcja;
        uint8_t podkomenda;
        QByteArray dane;
        bool przyjete;
    } przypadki[] = {
        {'G', 0x06, setup, true},
        {'G', 0x06, setup.left(1024), true},
        {'G', 0x06, setup.left(1023), false},
        {'G', 0x06, zlaReszta, false},
        {'G', 0x10, hex("01020408"), true},
        {'G', 0x10, hex("010204"), false},
        {'G', 0x10, hex("0102040800"), false},
    };
    for (const auto &p : przypadki) {
        SCOPED_TRACE(p.dane.size());
        EXPECT_EQ(s.wykonaj(p.funkcja, p.podkomenda, p.dane).has_value(), p.przyjete);
    }
    const StanSterownika st = s.stan();
    EXPECT_EQ(SterownikSym::wartoscSetup(st, 1), 42);
    EXPECT_EQ(st.moduly.ain, 1);
    EXPECT_EQ(st.moduly.din, 2);
    EXPECT_EQ(st.moduly.aout, 4);
    EXPECT_EQ(st.moduly.dout, 8);
}
