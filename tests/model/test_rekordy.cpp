#include "gtest_qt.h"
#include "pomocnicze.h"
#include "rekordy_projekt.h"
#include "sieciowe.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(Rekordy, InitSieciowe)
{
    TSieciowe s;
    std::memset(&s, 0xAA, sizeof s);
    initSieciowe(s);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char *>(&s), sizeof s), QByteArray::fromHex("00000000"
                                                                                            "f800a8c0"
                                                                                            "00ffffff"
                                                                                            "0100a8c0"
                                                                                            "00000000"));
}

TEST(Rekordy, WejsciaCyfroweWProjekcieLezaBezWyrownania)
{
    // 230-byte records with no gap: every second one starts off a 4-byte
    // boundary.
    EXPECT_EQ(offsetof(TProjektVXTNew, WejsciaCyfrowe) + 5 * sizeof(Tkvor350wejscieDwustanowe), 1794654u);
    // Values are copied out of packed members, never referenced.
    auto p = std::make_unique<TProjektVXTNew>();
    std::memset(p.get(), 0, sizeof *p);
    p->WejsciaCyfrowe[5].alarm_opoznienieL = 0x34;
    p->WejsciaCyfrowe[5].alarm_opoznienieH = 0x12;
    const auto *b = reinterpret_cast<const uint8_t *>(p.get());
    EXPECT_EQ(b[1794654 + 40], 0x34);
    EXPECT_EQ(b[1794654 + 41], 0x12);
}

TEST(Rekordy, NazwaWejsciaCyfrowegoCietaDo16WObuPolach)
{
    Tkvor350wejscieDwustanowe we{};
    const QString nazwa = QStringLiteral("Drzwi komory wędzarniczej");
    ustawTekstJednobajtowy(we.nazwa_str, nazwa);
    char *pole = reinterpret_cast<char *>(&we) + offsetof(Tkvor350wejscieDwustanowe, nazwa_array);
    std::memcpy(pole, nazwa.left(16).utf16(), 32);
    EXPECT_EQ(tekstJednobajtowy(we.nazwa_str), nazwa.left(16));
    char16_t jednostki[16];
    std::memcpy(jednostki, pole, sizeof jednostki);
    EXPECT_EQ(nazwaNaTekst(jednostki, 16), nazwa.left(16));
}
