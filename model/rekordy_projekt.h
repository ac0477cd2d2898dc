// The project record: everything the controller is configured with, and
// at the same time the project file format (a raw dump, no header).
#pragma once

#include "rekordy_we_wy.h"

#pragma pack(push, 1)

// One program row: 42 Int32.
//  [0] step number (0 = none), [1] chamber setpoint, [2] core setpoint,
//  [3] humidity, [4] delta (tenths), [5] hours, [6] minutes,
//  [7..14] additions D1..D8, [15..41] reserved.
struct TCyklProgramu {
    int32_t v[42];
};

struct TProgram {
    TNazwa50char nazwa;
    TCyklProgramu cykle[100]; // rows 1..50 used, 51..100 reserved
    int32_t nr_prog;          // 0..99 on the bus, 100 = washing program
    int32_t xxx1;
    int32_t xxx2;
    int32_t xxx3;
};

struct TKrok {
    int32_t nr_kroku;
    TNazwa50char nazwa;
    int32_t warunek_konca;    // end condition 0..24
    TByteArr32x4 przekazniki; // 0 off, 1..4 on with DEF1..DEF4
    int16_t zadane4[5];       // ZS1..ZS5, whole units
    int16_t r1;
    int32_t r2;
};

// How an output behaves when switched on with this definition.
struct TDefinicjaPrzekaznika {
    int32_t tryb; // time mode 0..7
    int32_t ta;
    int32_t tb;
    int32_t regulator;      // regulator type 0..5
    uint8_t hist_zadany;    // hysteresis: setpoint channel
    uint8_t hist_pomiarowy; // hysteresis: measuring channel
    uint8_t wyzwalanie;     // 0 "Krok", 1 "Regulator"
    uint8_t rez;
    int32_t offset;     // tenths
    int32_t okno;       // tenths
    int32_t hist_dolna; // tenths
    int32_t hist_gorna; // tenths
    vxt_pid_t pid;
};

struct TPrzekaznik {
    int32_t nr;
    uint8_t koszt_energii; // 0..3
    uint8_t rez_wyr[3];    // alignment gap
    uint32_t moc;
    TNazwa50char nazwa;
    TDefinicjaPrzekaznika parametry[4];
    int32_t ikona; // 0..31
    int32_t r4;
};

struct TFunkcjaSpec {
    int32_t nr_funkcji; // 1..14
    TNazwa50char nazwa;
    int32_t czas_wyl; // seconds, -1 = unlimited
    int32_t logika;   // 0..2
    uint8_t przekazniki[128];
    int32_t tryb; // 0 bistable, 1 monostable
    int32_t r2;
    int32_t r3;
    int32_t r4;
};

using TProgramyArray100 = TProgram[100];
using TKrokiArray = TKrok[33]; // slot 0 carries no step
using TPrzekaznikiArray = TPrzekaznik[128];
using TFunkcjeSpecjalneArray = TFunkcjaSpec[14];
using TWyjsciaAoArray = TWyjscieAnalogowe[4];
using TWejsciaPomiarowe = TWejscieAnalogowe[24];
using TWejsciaCyfrowe = Tkvor350wejscieDwustanowe[32];
using TZadaneArray = TKvor350zadana[10];
using TAlarmyF1F4Array = vxt_alarm_konfiguracja_t[4];

struct TProjektVXTNew {
    uint16_t wersjaPliku;
    TSieciowe sieciowe;
    uint8_t rez_sieciowe[178];
    TProgramyArray100 programy;
    TProgram programyMycie;
    TKrokiArray kroki;
    TKrokiArray krokiMycie;
    TPrzekaznikiArray przekazniki;
    TFunkcjeSpecjalneArray FunkcjeSpec;
    uint8_t alarm_wzgledny[440];
    int32_t r1;
    int32_t r2;
    int32_t r3;
    int32_t r4;
    TFunkcjeKvor3 Setup;
    TWyjsciaAoArray WyjsciaAn;
    TWejsciaPomiarowe FWejsciaPomiarowe;
    TWejsciaCyfrowe WejsciaCyfrowe;
    TZadaneArray zadana;
    uint8_t koszt_energii[16];
    Tkvor350wilgotnosc wilgotnosc;
    tdanedodatki dodatki;
    TAlarmyF1F4Array przekaznikiAlarmF1F4;
    TModulyWejWyKonfig modulyWeWyjKonf;
    uint8_t rez[118];
};

// Washing settings, kept in the project's sidecar file.
struct TProjektDodatkiMycie {
    uint16_t czaDoMycia;      // minutes
    uint8_t przekazniki[128]; // 1 = counted output
    uint8_t rez_wyr[2];       // alignment gap
    uint8_t r[800];
};

#pragma pack(pop)

static_assert(sizeof(TCyklProgramu) == 168);

static_assert(sizeof(TProgram) == 16916);
static_assert(offsetof(TProgram, cykle) == 100);
static_assert(offsetof(TProgram, nr_prog) == 16900);
static_assert(offsetof(TProgram, xxx1) == 16904);
static_assert(offsetof(TProgram, xxx2) == 16908);
static_assert(offsetof(TProgram, xxx3) == 16912);

static_assert(sizeof(TKrok) == 252);
static_assert(offsetof(TKrok, nazwa) == 4);
static_assert(offsetof(TKrok, warunek_konca) == 104);
static_assert(offsetof(TKrok, przekazniki) == 108);
static_assert(offsetof(TKrok, zadane4) == 236);
static_assert(offsetof(TKrok, r1) == 246);
static_assert(offsetof(TKrok, r2) == 248);

static_assert(sizeof(TDefinicjaPrzekaznika) == 52);
static_assert(offsetof(TDefinicjaPrzekaznika, ta) == 4);
static_assert(offsetof(TDefinicjaPrzekaznika, tb) == 8);
static_assert(offsetof(TDefinicjaPrzekaznika, regulator) == 12);
static_assert(offsetof(TDefinicjaPrzekaznika, hist_zadany) == 16);
static_assert(offsetof(TDefinicjaPrzekaznika, hist_pomiarowy) == 17);
static_assert(offsetof(TDefinicjaPrzekaznika, wyzwalanie) == 18);
static_assert(offsetof(TDefinicjaPrzekaznika, rez) == 19);
static_assert(offsetof(TDefinicjaPrzekaznika, offset) == 20);
static_assert(offsetof(TDefinicjaPrzekaznika, okno) == 24);
static_assert(offsetof(TDefinicjaPrzekaznika, hist_dolna) == 28);
static_assert(offsetof(TDefinicjaPrzekaznika, hist_gorna) == 32);
static_assert(offsetof(TDefinicjaPrzekaznika, pid) == 36);

static_assert(sizeof(TPrzekaznik) == 328);
static_assert(offsetof(TPrzekaznik, koszt_energii) == 4);
static_assert(offsetof(TPrzekaznik, moc) == 8);
static_assert(offsetof(TPrzekaznik, nazwa) == 12);
static_assert(offsetof(TPrzekaznik, parametry) == 112);
static_assert(offsetof(TPrzekaznik, ikona) == 320);
static_assert(offsetof(TPrzekaznik, r4) == 324);

static_assert(sizeof(TFunkcjaSpec) == 256);
static_assert(offsetof(TFunkcjaSpec, nazwa) == 4);
static_assert(offsetof(TFunkcjaSpec, czas_wyl) == 104);
static_assert(offsetof(TFunkcjaSpec, logika) == 108);
static_assert(offsetof(TFunkcjaSpec, przekazniki) == 112);
static_assert(offsetof(TFunkcjaSpec, tryb) == 240);
static_assert(offsetof(TFunkcjaSpec, r2) == 244);
static_assert(offsetof(TFunkcjaSpec, r3) == 248);
static_assert(offsetof(TFunkcjaSpec, r4) == 252);

static_assert(sizeof(TProjektVXTNew) == 1804268);
static_assert(offsetof(TProjektVXTNew, sieciowe) == 2);
static_assert(offsetof(TProjektVXTNew, rez_sieciowe) == 22);
static_assert(offsetof(TProjektVXTNew, programy) == 200);
static_assert(offsetof(TProjektVXTNew, programyMycie) == 1691800);
static_assert(offsetof(TProjektVXTNew, kroki) == 1708716);
static_assert(offsetof(TProjektVXTNew, krokiMycie) == 1717032);
static_assert(offsetof(TProjektVXTNew, przekazniki) == 1725348);
static_assert(offsetof(TProjektVXTNew, FunkcjeSpec) == 1767332);
static_assert(offsetof(TProjektVXTNew, alarm_wzgledny) == 1770916);
static_assert(offsetof(TProjektVXTNew, r1) == 1771356);
static_assert(offsetof(TProjektVXTNew, r2) == 1771360);
static_assert(offsetof(TProjektVXTNew, r3) == 1771364);
static_assert(offsetof(TProjektVXTNew, r4) == 1771368);
static_assert(offsetof(TProjektVXTNew, Setup) == 1771372);
static_assert(offsetof(TProjektVXTNew, WyjsciaAn) == 1771776);
static_assert(offsetof(TProjektVXTNew, FWejsciaPomiarowe) == 1773056);
static_assert(offsetof(TProjektVXTNew, WejsciaCyfrowe) == 1793504);
static_assert(offsetof(TProjektVXTNew, zadana) == 1800864);
static_assert(offsetof(TProjektVXTNew, koszt_energii) == 1802904);
static_assert(offsetof(TProjektVXTNew, wilgotnosc) == 1802920);
static_assert(offsetof(TProjektVXTNew, dodatki) == 1803232);
static_assert(offsetof(TProjektVXTNew, przekaznikiAlarmF1F4) == 1803266);
static_assert(offsetof(TProjektVXTNew, modulyWeWyjKonf) == 1804146);
static_assert(offsetof(TProjektVXTNew, rez) == 1804150);

static_assert(sizeof(TProjektDodatkiMycie) == 932);
static_assert(offsetof(TProjektDodatkiMycie, przekazniki) == 2);
static_assert(offsetof(TProjektDodatkiMycie, rez_wyr) == 130);
static_assert(offsetof(TProjektDodatkiMycie, r) == 132);

// The packed layout leaves every record with alignment 1, so sections are
// plain byte copies.
static_assert(alignof(TProjektVXTNew) == 1);
