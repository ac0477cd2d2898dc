// The transmission lock: first with scripted callbacks (the exact rules),
// then with callbacks that talk to the simulator over the link the way the
// main window's do (lock state from the readings and the lock command, the
// password as its CRC-16 by the unlock command).
#include "blokada.h"
#include "crc.h"
#include "lacze_sym.h"

#include <deque>

namespace {

// Callbacks that play back a script and record what the lock did.
struct Skrypt {
    std::deque<int> stany;     // results of the lock check, last one repeats
    std::deque<QString> wpisy; // typed passwords; none left = cancel
    std::function<int(const QString &)> odpowiedz = [](const QString &) { return 0; };
    QStringList wyslane;
    int pytania = 0;
    int inicjacje = 0;

    void podlacz(TLockedTransmission &b)
    {
        b.fnLockCheck = [this] {
            const int v = stany.front();
            if (stany.size() > 1)
                stany.pop_front();
            return v;
        };
        b.fnPasswordInput = [this](QString &t) {
            ++pytania;
            t.clear();
            if (!wpisy.empty()) {
                t = wpisy.front();
                wpisy.pop_front();
            }
        };
        b.fnUnlockPasswordSend = [this](const QString &t) {
            wyslane << t;
            return odpowiedz(t);
        };
        b.hasloDlgInit = [this] { ++inicjacje; };
    }
};

class BlokadaSkrypt : public ::testing::Test {
protected:
    void SetUp() override { s.podlacz(b); }
    // Unlocks with "7" so a password is remembered and the re-send timed.
    void odblokuj()
    {
        s.stany = {1};
        s.wpisy = {"7"};
        ASSERT_EQ(b.fnProcess(), 0);
        s.wyslane.clear();
        s.pytania = s.inicjacje = 0;
    }

    ZegarTestowy czas;
    Skrypt s;
    TLockedTransmission b;
};

TEST_F(BlokadaSkrypt, NoCommunicationKeepsBusyAndAsksNothing)
{
    s.stany = {2, -1};
    EXPECT_EQ(b.fnProcess(), 2);
    EXPECT_EQ(b.fnProcess(), -1);
    EXPECT_TRUE(b.Busy());
    EXPECT_EQ(b.LockState(), ls_unknown);
    EXPECT_EQ(s.pytania, 0);
    EXPECT_TRUE(s.wyslane.isEmpty());
}

TEST_F(BlokadaSkrypt, BusyWhateverTheLockBit)
{
    for (const int v : {2, 3}) {
        s.stany = {v};
        EXPECT_EQ(b.fnProcess(), 2) << v;
        EXPECT_TRUE(b.Busy());
        EXPECT_EQ(b.LockState(), ls_unknown);
    }
    s.stany = {0};
    EXPECT_EQ(b.fnProcess(), 0);
    EXPECT_FALSE(b.Busy());
    EXPECT_EQ(s.pytania, 0);
    EXPECT_TRUE(s.wyslane.isEmpty());
}

TEST_F(BlokadaSkrypt, TypedPasswordIsTrimmedSentTwiceAndResetsTheDialogOnce)
{
    s.stany = {1};
    s.wpisy = {" \t 4242 \r\n"};
    EXPECT_EQ(b.fnProcess(), 0);
    EXPECT_EQ(s.wyslane, QStringList({"4242", "4242"}));
    EXPECT_EQ(s.pytania, 1);
    EXPECT_EQ(s.inicjacje, 1);
    EXPECT_TRUE(b.bylaBlokada);
    EXPECT_EQ(b.LockState(), ls_locked);
}

TEST_F(BlokadaSkrypt, WrongTwiceThenCancelRemembersNothing)
{
    s.stany = {1};
    s.wpisy = {"1", "2"};
    s.odpowiedz = [](const QString &) { return 66; };
    EXPECT_EQ(b.fnProcess(), -1);
    EXPECT_EQ(s.pytania, 3);
    EXPECT_EQ(s.wyslane, QStringList({"1", "2"}));
    EXPECT_EQ(s.inicjacje, 0);
    EXPECT_TRUE(b.bylaBlokada);

    EXPECT_EQ(b.fnProcess(), -1);
    EXPECT_EQ(s.pytania, 4) << "no password was remembered";
}

TEST_F(BlokadaSkrypt, BlankEntryIsGivingUpAndSendsNothing)
{
    s.stany = {1};
    s.wpisy = {"   "};
    EXPECT_EQ(b.fnProcess(), -1);
    EXPECT_TRUE(s.wyslane.isEmpty());
    EXPECT_FALSE(b.bylaBlokada);
}

TEST_F(BlokadaSkrypt, FailedSendOfTypedPasswordEndsThePromptWithItsCode)
{
    s.stany = {1};
    s.wpisy = {"5"};
    s.odpowiedz = [](const QString &) { return 8; };
    EXPECT_EQ(b.fnProcess(), 8);
    EXPECT_EQ(s.pytania, 1);
    // Tried once more as the re-send, which fails too and forgets it.
    EXPECT_EQ(s.wyslane, QStringList({"5", "5"}));
    s.wpisy = {"5"};
    b.fnProcess();
    EXPECT_EQ(s.pytania, 2);
}

TEST_F(BlokadaSkrypt, UnlockedControllerGetsNothingEvenWithARememberedPassword)
{
    odblokuj();
    czas.teraz += 60000;
    s.stany = {0};
    EXPECT_EQ(b.fnProcess(), 0);
    EXPECT_EQ(b.LockState(), ls_unlocked);
    EXPECT_TRUE(s.wyslane.isEmpty());
}

TEST_F(BlokadaSkrypt, ReSendOnlyAfterMoreThanTenSeconds)
{
    struct Przypadek {
        qint64 poMs;
        bool wysyla;
    };
    for (const Przypadek p : {Przypadek{0, false}, {4000, false}, {10000, false}, {10001, true}, {11000, true}}) {
        SCOPED_TRACE(p.poMs);
        TLockedTransmission swieza;
        s.podlacz(swieza);
        s.stany = {1};
        s.wpisy = {"7"};
        ASSERT_EQ(swieza.fnProcess(), 0);
        s.wyslane.clear();
        s.inicjacje = 0;

        czas.teraz += p.poMs;
        EXPECT_EQ(swieza.fnProcess(), 0);
        EXPECT_EQ(s.wyslane.size(), p.wysyla ? 1 : 0);
        EXPECT_EQ(s.inicjacje, p.wysyla ? 1 : 0);
        EXPECT_EQ(s.pytania, 1) << "a remembered password costs no prompt";
        s.pytania = 0;
    }
}

TEST_F(BlokadaSkrypt, RefusedReSendForgetsThePasswordButKeepsTheResult)
{
    odblokuj();
    czas.teraz += 11000;
    s.odpowiedz = [](const QString &) { return 66; };
    EXPECT_EQ(b.fnProcess(), 0);
    EXPECT_EQ(s.wyslane, QStringList({"7"}));
    EXPECT_EQ(s.inicjacje, 0);

    s.odpowiedz = [](const QString &) { return 0; };
    s.wpisy = {"8"};
    EXPECT_EQ(b.fnProcess(), 0);
    EXPECT_EQ(s.pytania, 1);
}

TEST_F(BlokadaSkrypt, ClsTimeReSendsAtOnce)
{
    odblokuj();
    czas.teraz += 1000;
    b.clsTime();
    EXPECT_EQ(b.fnProcess(), 0);
    EXPECT_EQ(s.wyslane, QStringList({"7"}));
    EXPECT_EQ(s.inicjacje, 1);
    // The re-send restarted the interval.
    czas.teraz += 9000;
    EXPECT_EQ(b.fnProcess(), 0);
    EXPECT_EQ(s.wyslane.size(), 1);
}

TEST_F(BlokadaSkrypt, FirstUnlockRightAfterStartIsStillReSent)
{
    // A fresh program: the tick count is near zero, no re-send happened yet.
    czas.teraz = 0;
    s.stany = {1};
    s.wpisy = {"7"};
    EXPECT_EQ(b.fnProcess(), 0);
    EXPECT_EQ(s.wyslane.size(), 2);
    EXPECT_EQ(s.inicjacje, 1);
}

TEST_F(BlokadaSkrypt, ThrowingOrMissingCallbackIsNoCommunication)
{
    s.stany = {1};
    b.fnPasswordInput = [](QString &) { throw std::runtime_error("okno"); };
    EXPECT_EQ(b.fnProcess(), -1);
    EXPECT_EQ(b.LockState(), ls_unknown);

    TLockedTransmission bez;
    EXPECT_EQ(bez.fnProcess(), -1);
}

TEST_F(BlokadaSkrypt, ProtokolBladIsOnlyKept)
{
    EXPECT_FALSE(b.ProtokolBlad());
    b.setProtokolBlad(true);
    s.stany = {0};
    b.fnProcess();
    EXPECT_TRUE(b.ProtokolBlad());
}

// --- against the simulator -------------------------------------------------

constexpr uint32_t hasloSterownika = 4242;

class BlokadaSym : public LaczeSym {
protected:
    void SetUp() override
    {
        LaczeSym::SetUp();
        czekajCiszy(); // silence is waited out here
        sterownik.ustawCzas([this] { return czasSterownika.load(); });
        skrypt.podlacz(b); // the prompt and the dialog reset; the rest talks to the controller
        sterownik.zmien([](StanSterownika &s) {
            s.haslo = hasloSterownika;
            s.zablokowany = true;
        });
        b.fnLockCheck = [this] {
            TOdczyty o{};
            if (lacze->CzytajStatusKVOR350(1, trans, o) != 0)
                return -1;
            if (o.stan1 == OdczytySym::stanStart || o.stan1 == OdczytySym::stanEdycja)
                return 2;
            bool zablokowany = false;
            kodBlokady = lacze->CzytajlockKVOR350(1, trans, zablokowany);
            if (kodBlokady == kodNieznanePolecenieBlokady)
                return 0; // no lock on such a controller
            if (kodBlokady != 0)
                return -1;
            return zablokowany ? 1 : 0;
        };
        b.fnUnlockPasswordSend = [this](const QString &t) {
            kodyWysylek.push_back(lacze->ZapiszUnlockKVOR350(1, trans, t.toUInt()));
            return kodyWysylek.back();
        };
    }
    // Time passes for the program and the controller alike.
    void uplyw(qint64 ms)
    {
        zegarTestowy.teraz += ms;
        czasSterownika += ms;
    }
    bool zablokowany() const { return sterownik.stan().zablokowany; }
    int odblokowania() const { return sterownik.stan().ileOdblokowan; }
    int ramkiPolecenia(char f, uint8_t sub) const
    {
        int n = 0;
        for (const QByteArray &r : pty.ramki())
            n += r.size() > 2 && r.at(1) == f && uint8_t(r.at(2)) == sub;
        return n;
    }

    std::atomic<qint64> czasSterownika{500000};
    Skrypt skrypt;
    TLockedTransmission b;
    int kodBlokady = 0;
    std::vector<int> kodyWysylek;
};

TEST_F(BlokadaSym, UnlockedControllerNoPrompt)
{
    sterownik.zmien([](StanSterownika &s) { s.zablokowany = false; });
    EXPECT_EQ(b.fnProcess(), 0);
    EXPECT_EQ(b.LockState(), ls_unlocked);
    EXPECT_EQ(skrypt.pytania, 0);
    EXPECT_EQ(odblokowania(), 0);
    EXPECT_FALSE(b.bylaBlokada);
}

TEST_F(BlokadaSym, RightPasswordOnePromptUnlockedAndRemembered)
{
    skrypt.wpisy = {QString::number(hasloSterownika)};
    EXPECT_EQ(b.fnProcess(), 0);
    EXPECT_EQ(skrypt.pytania, 1);
    EXPECT_FALSE(zablokowany());
    EXPECT_EQ(odblokowania(), 2);
    EXPECT_EQ(skrypt.inicjacje, 1);
    EXPECT_TRUE(b.bylaBlokada);
    // The password travels as its CRC-16, never as the number.
    const QByteArray r = pty.ostatniaRamka();
    ASSERT_EQ(r.size(), 9);
    uint8_t bajty[4] = {0x92, 0x10, 0, 0}; // 4242 little-endian
    const uint16_t crc = crcBajtow(4, bajty);
    EXPECT_EQ(uint8_t(r.at(5)), crc & 0xFF);
    EXPECT_EQ(uint8_t(r.at(6)), crc >> 8);

    // Locked again later: the remembered password opens it without a prompt.
    sterownik.zmien([](StanSterownika &s) { s.zablokowany = true; });
    uplyw(11000);
    EXPECT_EQ(b.fnProcess(), 0);
    EXPECT_EQ(skrypt.pytania, 1);
    EXPECT_FALSE(zablokowany());
    EXPECT_EQ(odblokowania(), 3);
}

TEST_F(BlokadaSym, WrongThenRight)
{
    skrypt.wpisy = {"1111", QString::number(hasloSterownika)};
    EXPECT_EQ(b.fnProcess(), 0);
    EXPECT_EQ(skrypt.pytania, 2);
    EXPECT_EQ(odblokowania(), 3);
    EXPECT_FALSE(zablokowany());
    EXPECT_EQ(skrypt.inicjacje, 1);
}

TEST_F(BlokadaSym, UserGivesUp)
{
    skrypt.wpisy = {"1111"};
    EXPECT_EQ(b.fnProcess(), -1);
    EXPECT_EQ(skrypt.pytania, 2);
    EXPECT_EQ(odblokowania(), 1);
    EXPECT_TRUE(zablokowany());
    EXPECT_EQ(skrypt.inicjacje, 0);
}

TEST_F(BlokadaSym, ControllerWithoutTheLockCommand)
{
    sterownik.zmien([](StanSterownika &s) { s.znaLock = false; });
    EXPECT_EQ(b.fnProcess(), 0);
    EXPECT_EQ(kodBlokady, 217);
    EXPECT_EQ(b.LockState(), ls_unlocked);
    EXPECT_EQ(skrypt.pytania, 0);
    EXPECT_EQ(ramkiPolecenia('G', 0x08), 0);
}

TEST_F(BlokadaSym, BusyControllerIsNotAskedForTheLock)
{
    sterownik.zmien([](StanSterownika &s) { s.odczyty.stan = OdczytySym::stanEdycja; });
    EXPECT_EQ(b.fnProcess(), 2);
    EXPECT_TRUE(b.Busy());
    EXPECT_EQ(ramkiPolecenia('G', 0x07), 0);
    EXPECT_EQ(skrypt.pytania, 0);

    // Silent now: no communication, and Busy stays as it was.
    usterki.dodaj(PlanUsterek::kazde, Usterka{RodzajUsterki::BrakOdpowiedzi}, PlanUsterek::zawsze);
    EXPECT_EQ(b.fnProcess(), -1);
    EXPECT_TRUE(b.Busy());
    EXPECT_EQ(b.LockState(), ls_unknown);
    usterki.wyczysc();
    poczekajNaSym();

    sterownik.zmien([](StanSterownika &s) {
        s.odczyty.stan = 0;
        s.zablokowany = false;
    });
    EXPECT_EQ(b.fnProcess(), 0);
    EXPECT_FALSE(b.Busy());
}

TEST_F(BlokadaSym, ReSentAfterMoreThanTenSecondsNotBefore)
{
    // This controller locks itself 5 s after the last accepted password.
    sterownik.zmien([](StanSterownika &s) { s.blokadaPoMs = 5000; });
    skrypt.wpisy = {QString::number(hasloSterownika)};
    ASSERT_EQ(b.fnProcess(), 0);
    ASSERT_EQ(odblokowania(), 2);

    uplyw(4000);
    EXPECT_EQ(b.fnProcess(), 0);
    EXPECT_EQ(b.LockState(), ls_unlocked);
    EXPECT_EQ(odblokowania(), 2);

    uplyw(2000); // relocked, but only 6 s since the last send
    EXPECT_EQ(b.fnProcess(), 0);
    EXPECT_EQ(b.LockState(), ls_locked);
    EXPECT_EQ(odblokowania(), 2);
    EXPECT_TRUE(zablokowany());

    uplyw(4100);
    EXPECT_EQ(b.fnProcess(), 0);
    EXPECT_EQ(odblokowania(), 3);
    EXPECT_FALSE(zablokowany());
    EXPECT_EQ(skrypt.inicjacje, 2);
    EXPECT_EQ(skrypt.pytania, 1);
}

TEST_F(BlokadaSym, PasswordChangedOnTheControllerAsksAgain)
{
    skrypt.wpisy = {QString::number(hasloSterownika)};
    ASSERT_EQ(b.fnProcess(), 0);
    sterownik.zmien([](StanSterownika &s) {
        s.haslo = 77;
        s.zablokowany = true;
    });
    uplyw(11000);
    EXPECT_EQ(b.fnProcess(), 0) << "the refused re-send does not change the result";
    EXPECT_TRUE(zablokowany());

    skrypt.wpisy = {"77"};
    EXPECT_EQ(b.fnProcess(), 0);
    EXPECT_EQ(skrypt.pytania, 2);
    EXPECT_FALSE(zablokowany());
}

TEST_F(BlokadaSym, LostUnlockReplyEndsThePromptButTheReSendOpens)
{
    usterki.dodaj('G', 0x08, Usterka{RodzajUsterki::BrakOdpowiedzi}, 1);
    skrypt.wpisy = {QString::number(hasloSterownika)};
    const int w = b.fnProcess();
    ASSERT_EQ(kodyWysylek.size(), 2u);
    EXPECT_EQ(w, kodyWysylek[0]);
    EXPECT_NE(w, 0);
    EXPECT_NE(w, 66);
    EXPECT_EQ(kodyWysylek[1], 0);
    EXPECT_EQ(skrypt.pytania, 1);
    EXPECT_FALSE(zablokowany());
    EXPECT_EQ(skrypt.inicjacje, 1);
}

} // namespace
