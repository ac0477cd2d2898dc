// Input, output and settings records embedded in the project record.
// Every record is packed; alignment gaps of the controller's layout are
// explicit reserved members so they round-trip untouched.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>

static_assert(std::endian::native == std::endian::little, "records are raw little-endian dumps");

#pragma pack(push, 1)

// A project item's name: 50 UTF-16 code units, zero-padded, no length field.
struct TNazwa50char {
    char16_t z[50];
};

// One byte per digital output 1..128 (outputs 1..32 exist).
using TByteArr32x4 = uint8_t[128];

struct vxt_alarm_konfiguracja_t {
    int16_t opoznienie;       // delay [s]
    uint8_t logika;           // state operation 0..2
    uint8_t status;           // alarm reaction 0..2
    uint8_t przekazniki[128]; // output states set by the alarm
    int16_t warunek1;         // "Wartość min", tenths
    int16_t warunek2;         // "Wartość max", tenths
    uint8_t rezerwa[84];
};

struct vxt_pid_t {
    int16_t tp;
    int16_t k; // tenths
    int16_t td;
    int16_t ti;
    int16_t tto;
    int16_t grzanie_chlodzenie;
    uint8_t zadany;    // setpoint channel
    uint8_t pomiarowy; // measuring channel
    uint8_t r[2];
};

struct TWejscieAnalogowe {
    TNazwa50char nazwa;
    uint8_t input_type; // 0..6
    uint8_t rez_wyr;    // alignment gap
    int16_t offset;     // tenths
    uint8_t res1;
    uint8_t res2;
    int16_t p1;
    int16_t p2;
    vxt_alarm_konfiguracja_t alarm_bezwzgledny;
    vxt_alarm_konfiguracja_t alarm_brak_czujnika;
    vxt_alarm_konfiguracja_t alarm_wzgledny;
    uint8_t rezerwa[82];
};

struct TWyjscieAnalogowe {
    TNazwa50char nazwa;
    uint8_t rrr[100];
    uint16_t output_type; // 0..3
    uint16_t zadajnik_kanal_zadany;
    uint8_t typ_04;        // 0: 0..20 mA, 1: 4..20 mA
    uint8_t koszt_energii; // 0..3
    uint8_t rez_wyr1[2];   // alignment gap
    int32_t min;
    int32_t max;
    int32_t stop;
    int32_t pause;
    uint32_t moc;
    vxt_pid_t pid;
    uint8_t liniowypomiarowy;
    uint8_t liniowyZadana0;
    uint8_t liniowyZadana20;
    uint8_t rez_wyr2; // alignment gap
    int32_t aktywnystop;
    uint8_t rezerwa[68];
};

struct Tkvor350wejscieDwustanowe {
    int32_t wersja;
    char16_t nazwa_array[16];
    uint8_t logika;    // 0 "Dodatnia", 1 "Ujemna"
    uint8_t zasilanie; // 0 DC, 1 AC
    uint8_t rezerwa[2];
    uint8_t alarm_opoznienieL;
    uint8_t alarm_opoznienieH;
    uint8_t alarm_logika;
    uint8_t alarm_status;
    uint8_t wyjscia_przypisane[128];
    uint8_t rezerwa3[3];
    uint8_t alarm_warunek1L;
    uint8_t alarm_warunek1H;
    uint8_t alarm_warunek2L;
    uint8_t alarm_warunek2H;
    uint8_t rezerwa2[32];
    uint8_t nr_wejscia;    // 0-based on its card
    uint8_t nr_karty;      // 0 = base card
    uint8_t nazwa_str[17]; // length byte + 16 one-byte characters
};

struct TKvor350zadana {
    TNazwa50char nazwa;
    uint8_t rez1[100];
    int16_t wartosc;
    int16_t rez;
};

struct Tkvor350wilgotnosc {
    int32_t sposob_pomiaru; // 0..2
    uint8_t numer_karty;
    uint8_t numer_wejscia;
    int16_t min_zadana;
    int16_t max_zadana;
    vxt_alarm_konfiguracja_t alarm;
    uint8_t rezerwa[82];
};

struct tdanedodatki {
    uint8_t iledodatki; // 0..8
    uint8_t rez_wyr;    // alignment gap
    int16_t dodatki_max[8];
    int16_t dodatki_min[8];
};

// Bit masks of modules M1..M4 (bit i-1 = Mi).
struct TModulyWejWyKonfig {
    uint8_t ain;
    uint8_t aout;
    uint8_t din;
    uint8_t dout;
};

using TSetupArray = int32_t[101];

struct TFunkcjeKvor3 {
    TSetupArray F;
};

struct TSieciowe {
    uint8_t dhcp;
    uint8_t rez1;
    uint8_t rez2;
    uint8_t rez3;
    uint32_t ip; // a.b.c.d as a*2^24 + b*2^16 + c*2^8 + d
    uint32_t maska;
    uint32_t brama;
    uint32_t dns1;
};

// Live readings of the controller; memory only.
struct TOdczyty {
    int32_t rok, miesiac, dzien, godzina, minuta, sekunda;
    int32_t SekundaCyklu;
    int32_t zadWilg;
    int32_t nr_prog, nr_cykl, nr_krok;
    int32_t GodzinaCyklu, MinutaCyklu;
    int32_t wilgoc;
    int32_t wersja;
    int32_t ZadGodzinaCyklu, ZadMinutaCyklu;
    int32_t AdresOstRej, AdresPoprzRej, LicznikRej, IlBlokRej;
    double ZadTempKom, ZadTempBat;
    double TempKom, TempBat, TempPlyty, TempDymu, TempKomMokry;
    double K6, K7, K8, K9, K10, K11, K12;
    int32_t jednTemp;
    int32_t czestotliwosc;
    uint8_t stan1, stan2;
    int32_t alarm;
    int32_t zadDelta;
    bool JestOdpowiedzPanela;
    uint8_t przekazniki[4];
    int32_t oper;
    uint16_t wersjaProtokolu;
};

#pragma pack(pop)

static_assert(sizeof(TNazwa50char) == 100);

static_assert(sizeof(vxt_alarm_konfiguracja_t) == 220);
static_assert(offsetof(vxt_alarm_konfiguracja_t, logika) == 2);
static_assert(offsetof(vxt_alarm_konfiguracja_t, status) == 3);
static_assert(offsetof(vxt_alarm_konfiguracja_t, przekazniki) == 4);
static_assert(offsetof(vxt_alarm_konfiguracja_t, warunek1) == 132);
static_assert(offsetof(vxt_alarm_konfiguracja_t, warunek2) == 134);
static_assert(offsetof(vxt_alarm_konfiguracja_t, rezerwa) == 136);

static_assert(sizeof(vxt_pid_t) == 16);
static_assert(offsetof(vxt_pid_t, k) == 2);
static_assert(offsetof(vxt_pid_t, td) == 4);
static_assert(offsetof(vxt_pid_t, ti) == 6);
static_assert(offsetof(vxt_pid_t, tto) == 8);
static_assert(offsetof(vxt_pid_t, grzanie_chlodzenie) == 10);
static_assert(offsetof(vxt_pid_t, zadany) == 12);
static_assert(offsetof(vxt_pid_t, pomiarowy) == 13);
static_assert(offsetof(vxt_pid_t, r) == 14);

static_assert(sizeof(TWejscieAnalogowe) == 852);
static_assert(offsetof(TWejscieAnalogowe, input_type) == 100);
static_assert(offsetof(TWejscieAnalogowe, rez_wyr) == 101);
static_assert(offsetof(TWejscieAnalogowe, offset) == 102);
static_assert(offsetof(TWejscieAnalogowe, res1) == 104);
static_assert(offsetof(TWejscieAnalogowe, res2) == 105);
static_assert(offsetof(TWejscieAnalogowe, p1) == 106);
static_assert(offsetof(TWejscieAnalogowe, p2) == 108);
static_assert(offsetof(TWejscieAnalogowe, alarm_bezwzgledny) == 110);
static_assert(offsetof(TWejscieAnalogowe, alarm_brak_czujnika) == 330);
static_assert(offsetof(TWejscieAnalogowe, alarm_wzgledny) == 550);
static_assert(offsetof(TWejscieAnalogowe, rezerwa) == 770);

static_assert(sizeof(TWyjscieAnalogowe) == 320);
static_assert(offsetof(TWyjscieAnalogowe, rrr) == 100);
static_assert(offsetof(TWyjscieAnalogowe, output_type) == 200);
static_assert(offsetof(TWyjscieAnalogowe, zadajnik_kanal_zadany) == 202);
static_assert(offsetof(TWyjscieAnalogowe, typ_04) == 204);
static_assert(offsetof(TWyjscieAnalogowe, koszt_energii) == 205);
static_assert(offsetof(TWyjscieAnalogowe, rez_wyr1) == 206);
static_assert(offsetof(TWyjscieAnalogowe, min) == 208);
static_assert(offsetof(TWyjscieAnalogowe, max) == 212);
static_assert(offsetof(TWyjscieAnalogowe, stop) == 216);
static_assert(offsetof(TWyjscieAnalogowe, pause) == 220);
static_assert(offsetof(TWyjscieAnalogowe, moc) == 224);
static_assert(offsetof(TWyjscieAnalogowe, pid) == 228);
static_assert(offsetof(TWyjscieAnalogowe, liniowypomiarowy) == 244);
static_assert(offsetof(TWyjscieAnalogowe, liniowyZadana0) == 245);
static_assert(offsetof(TWyjscieAnalogowe, liniowyZadana20) == 246);
static_assert(offsetof(TWyjscieAnalogowe, rez_wyr2) == 247);
static_assert(offsetof(TWyjscieAnalogowe, aktywnystop) == 248);
static_assert(offsetof(TWyjscieAnalogowe, rezerwa) == 252);

static_assert(sizeof(Tkvor350wejscieDwustanowe) == 230);
static_assert(offsetof(Tkvor350wejscieDwustanowe, nazwa_array) == 4);
static_assert(offsetof(Tkvor350wejscieDwustanowe, logika) == 36);
static_assert(offsetof(Tkvor350wejscieDwustanowe, zasilanie) == 37);
static_assert(offsetof(Tkvor350wejscieDwustanowe, rezerwa) == 38);
static_assert(offsetof(Tkvor350wejscieDwustanowe, alarm_opoznienieL) == 40);
static_assert(offsetof(Tkvor350wejscieDwustanowe, alarm_opoznienieH) == 41);
static_assert(offsetof(Tkvor350wejscieDwustanowe, alarm_logika) == 42);
static_assert(offsetof(Tkvor350wejscieDwustanowe, alarm_status) == 43);
static_assert(offsetof(Tkvor350wejscieDwustanowe, wyjscia_przypisane) == 44);
static_assert(offsetof(Tkvor350wejscieDwustanowe, rezerwa3) == 172);
static_assert(offsetof(Tkvor350wejscieDwustanowe, alarm_warunek1L) == 175);
static_assert(offsetof(Tkvor350wejscieDwustanowe, alarm_warunek1H) == 176);
static_assert(offsetof(Tkvor350wejscieDwustanowe, alarm_warunek2L) == 177);
static_assert(offsetof(Tkvor350wejscieDwustanowe, alarm_warunek2H) == 178);
static_assert(offsetof(Tkvor350wejscieDwustanowe, rezerwa2) == 179);
static_assert(offsetof(Tkvor350wejscieDwustanowe, nr_wejscia) == 211);
static_assert(offsetof(Tkvor350wejscieDwustanowe, nr_karty) == 212);
static_assert(offsetof(Tkvor350wejscieDwustanowe, nazwa_str) == 213);

static_assert(sizeof(TKvor350zadana) == 204);
static_assert(offsetof(TKvor350zadana, rez1) == 100);
static_assert(offsetof(TKvor350zadana, wartosc) == 200);
static_assert(offsetof(TKvor350zadana, rez) == 202);

static_assert(sizeof(Tkvor350wilgotnosc) == 312);
static_assert(offsetof(Tkvor350wilgotnosc, numer_karty) == 4);
static_assert(offsetof(Tkvor350wilgotnosc, numer_wejscia) == 5);
static_assert(offsetof(Tkvor350wilgotnosc, min_zadana) == 6);
static_assert(offsetof(Tkvor350wilgotnosc, max_zadana) == 8);
static_assert(offsetof(Tkvor350wilgotnosc, alarm) == 10);
static_assert(offsetof(Tkvor350wilgotnosc, rezerwa) == 230);

static_assert(sizeof(tdanedodatki) == 34);
static_assert(offsetof(tdanedodatki, rez_wyr) == 1);
static_assert(offsetof(tdanedodatki, dodatki_max) == 2);
static_assert(offsetof(tdanedodatki, dodatki_min) == 18);

static_assert(sizeof(TModulyWejWyKonfig) == 4);
static_assert(offsetof(TModulyWejWyKonfig, aout) == 1);
static_assert(offsetof(TModulyWejWyKonfig, din) == 2);
static_assert(offsetof(TModulyWejWyKonfig, dout) == 3);

static_assert(sizeof(TFunkcjeKvor3) == 404);
static_assert(offsetof(TFunkcjeKvor3, F) == 0);

static_assert(sizeof(TSieciowe) == 20);
static_assert(offsetof(TSieciowe, ip) == 4);
static_assert(offsetof(TSieciowe, maska) == 8);
static_assert(offsetof(TSieciowe, brama) == 12);
static_assert(offsetof(TSieciowe, dhcp) == 0);
static_assert(offsetof(TSieciowe, rez1) == 1);
static_assert(offsetof(TSieciowe, rez2) == 2);
static_assert(offsetof(TSieciowe, rez3) == 3);
static_assert(offsetof(TSieciowe, dns1) == 16);

// Packed: 21 Int32, 14 doubles, 2 Int32, 2 bytes, 2 Int32, a flag,
// 4 bytes, an Int32 and a Word.
static_assert(sizeof(TOdczyty) == 225);
static_assert(offsetof(TOdczyty, ZadTempKom) == 84);
static_assert(offsetof(TOdczyty, jednTemp) == 196);
static_assert(offsetof(TOdczyty, stan1) == 204);
static_assert(offsetof(TOdczyty, JestOdpowiedzPanela) == 214);
static_assert(offsetof(TOdczyty, wersjaProtokolu) == 223);
