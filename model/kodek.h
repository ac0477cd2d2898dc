// Block codec: section records to and from the controller's data blocks
// (the payload of a bus frame, without address, function, sub-command,
// length and CRC).
//
// Packers build the block of a write frame; unpackers read the data part of
// a read reply (reply byte 5 on). Every unpacker first checks that the block
// holds the layout the read and write share (OpisBloku::dlWspolna); a
// shorter block returns false and leaves the record untouched. Unpackers
// fill only the fields the block carries: the caller zeroes the record first
// where a read must start from zeros, and sets the numbers it asked for
// (step, special-mode and program numbers are not taken from the block).
// Names are read up to the first zero unit and never past their field.
#pragma once

#include "rekordy_projekt.h"

#include <QByteArray>

#include <algorithm>
#include <cstdint>

// One block kind on the bus. Each frame adds 7 bytes to its data part:
// address, function letter, sub-command, two length bytes, two CRC bytes.
struct OpisBloku {
    uint8_t podkomenda;
    int dlZapisu;  // data part of the write frame
    int dlOdczytu; // data part of the read reply
    constexpr int dlWspolna() const { return std::min(dlZapisu, dlOdczytu); }
};

constexpr int dlRamkiBezDanych = 7;
constexpr int dlRamki(int dlDanych) { return dlDanych + dlRamkiBezDanych; }

// Read 'H', write 'I' unless stated. In brackets: the read request's payload.
constexpr OpisBloku blokCzesciProgramu{0x0F, 412, 412};     // [program, part]
constexpr OpisBloku blokKroku{0x02, 200, 208};              // [slot]
constexpr OpisBloku blokKrokuMycia{0x0B, 200, 208};         // [slot]
constexpr OpisBloku blokPrzekaznika{0x04, 232, 232};        // [slot mod 32, slot div 32]
constexpr OpisBloku blokAlarmuWyjscia{0x10, 176, 176};      // [alarm 0..3]; written four times
constexpr OpisBloku blokFunkcjiSpec{0x03, 200, 200};        // [slot]
constexpr OpisBloku blokWyjsciaAnalogowego{0x05, 97, 97};   // [slot, 0]
constexpr OpisBloku blokWejsciaAnalogowego{0x06, 348, 348}; // [input mod 6, input div 6]
constexpr OpisBloku blokAlarmuWzglednego{0x09, 176, 176};   // [alarm index 0..1]
constexpr OpisBloku blokWejsciaCyfrowego{0x07, 208, 212};   // [nr_wejscia, nr_karty]
constexpr OpisBloku blokZadanej{0x0A, 40, 72};              // [slot]
constexpr OpisBloku blokUstawienMycia{0x0C, 22, 30};        // none; own session always
constexpr OpisBloku blokWilgotnosci{0x0D, 144, 144};        // none
constexpr OpisBloku blokDodatkow{0x0E, 37, 37};             // none
constexpr OpisBloku blokSetup{0x06, 1025, 1024};            // read 'F', write 'G'; none
constexpr OpisBloku blokModulow{0x10, 4, 4};                // read 'F', write 'G'; none

// Update and logo pages, function 'J'. A page's data part is 2 + page size
// bytes, its reply 11 bytes; a commit's data part is 6 bytes, its reply 9.
constexpr uint8_t podkomendaStronyFirmware = 0x08;
constexpr uint8_t podkomendaKoncaFirmware = 0x09;
constexpr uint8_t podkomendaStronyGrafiki = 0x0F;
constexpr uint8_t podkomendaKoncaGrafiki = 0x10;
constexpr uint8_t podkomendaStronyLogo = 0x0E;
constexpr int dlStronyAktualizacji = 512;
constexpr int dlOdpowiedziStrony = 11;
constexpr int dlKoncaAktualizacji = 6;
constexpr int dlOdpowiedziKonca = 9;

// ---- Programs ------------------------------------------------------------
// Part p (0..4) of a program: rows 10p+1 .. 10p+10 (cykle[10p .. 10p+9]).
// Header: low byte of nr_prog, p, 2 zero bytes, the first 15 units of the
// name (bytes 4..33), zeros to 51; then ten 36-byte row blocks.
// Zeroes the whole array and writes the part block from 'start'. False, with
// the array untouched, when p is not 0..4 or the block does not fit.
bool spakujBlokProgramu(const TProgram &program, int czesc, QByteArray &tablica, int start);
// Reads part p of a block: the name (part 0 only, at most 15 units) and the
// ten rows. nr_prog and rows outside the part are left alone.
// A row block: step byte; minutes (hours*60+minutes, unsigned); chamber and
// core setpoints x10, humidity, D1..D8, delta, each a 16-bit word. Reading
// divides the setpoints by 10 (tenths dropped) and takes them signed on
// both transports; fields 15..41 of the row are left alone.
bool rozpakujBlokProgramu(const QByteArray &blok, int czesc, TProgram &program);
constexpr int dlWierszaProgramu = 36;

// ---- Steps ---------------------------------------------------------------
// Slot byte, name, end condition byte, 128 relay bytes, ZS1..ZS4 x10 signed.
// Not carried: nr_kroku (the slot comes from the argument), ZS5, r1, r2.
// Empty block when the slot is not 0..255.
QByteArray spakujKrok(const TKrok &krok, int slot);
bool rozpakujKrok(const QByteArray &blok, TKrok &krok);

// ---- Digital outputs -----------------------------------------------------
// [slot mod 32, slot div 32], name, icon, power (16 bits), energy-cost flag,
// four 40-byte definitions. Not carried: nr, r4, the alignment gap, the
// definitions' rez and pid.r. Empty block when slot div 32 exceeds 255.
QByteArray spakujPrzekaznik(const TPrzekaznik &przekaznik, int slot);
bool rozpakujPrzekaznik(const QByteArray &blok, TPrzekaznik &przekaznik);
// Each definition is a 40-byte block (hysteresis upper before lower, PID
// tp last).
constexpr int dlDefinicjiPrzekaznika = 40;

// ---- Alarm outputs F1..F4 ------------------------------------------------
// Index 0..3, delay, reaction; logika, outputs and thresholds do not travel.
QByteArray spakujAlarmWyjscia(const vxt_alarm_konfiguracja_t &alarm, int indeks);
bool rozpakujAlarmWyjscia(const QByteArray &blok, vxt_alarm_konfiguracja_t &alarm);

// ---- Special modes -------------------------------------------------------
// Slot, name, duration (16 bits, -1 as 0xFFFF), logic, activation kind, 128
// output bytes. Not carried: nr_funkcji (the caller sets it), r2..r4.
QByteArray spakujFunkcjeSpec(const TFunkcjaSpec &funkcja, int slot);
bool rozpakujFunkcjeSpec(const QByteArray &blok, TFunkcjaSpec &funkcja);

// ---- Analog outputs ------------------------------------------------------
// [slot mod 4, slot div 4], name (read back at most 15 units), mode, range,
// channels, min/max/stop/pause/active stop and power as 16 bits, PID. Not
// carried: rrr, the alignment gaps, pid.r, rezerwa.
QByteArray spakujWyjscieAnalogowe(const TWyjscieAnalogowe &wyjscie, int slot);
bool rozpakujWyjscieAnalogowe(const QByteArray &blok, TWyjscieAnalogowe &wyjscie);

// ---- Measuring inputs ----------------------------------------------------
// Input k (0..23) travels as [k mod 6, k div 6]; name, type, offset, p1, p2,
// the absolute and the sensor-missing alarm. Not carried: the gap, res1,
// res2, alarm_wzgledny (own block), rezerwa, the alarms' rezerwa.
// Makes the array 348 bytes; false (array emptied) for k outside 0..23.
bool spakujWejscieAnalogowe(int kanal, const TWejscieAnalogowe &wejscie, QByteArray &tablica);
bool rozpakujWejscieAnalogowe(const QByteArray &tablica, TWejscieAnalogowe &wejscie);

// ---- Relative alarms of measuring inputs ---------------------------------
// Only inputs 0 and 2 have one, with alarm index 0 and 1; -1 for any other.
int indeksAlarmuWzglednego(int wejscie);
// Index byte, delay, logic, reaction, 128 outputs, two thresholds; rezerwa
// does not travel. Takes the input's index (0 or 2): any other returns false
// and empties the array, so nothing can overwrite another input's alarm.
bool spakujAlarm(int wejscie, const vxt_alarm_konfiguracja_t &alarm, QByteArray &tablica);
bool rozpakujAlarm(const QByteArray &tablica, vxt_alarm_konfiguracja_t &alarm);

// ---- Digital inputs ------------------------------------------------------
// Addressed by the record's own nr_wejscia / nr_karty. The name field is the
// record's nazwa_array with nazwa_str (one-byte, Windows-1250) written over
// its start as UTF-16. Reading takes nazwa_array, derives nazwa_str from it
// (up to the first zero, at most 16) and keeps nr_wejscia, nr_karty, wersja
// and the reserves.
QByteArray spakujWejscieCyfrowe(const Tkvor350wejscieDwustanowe &wejscie);
bool rozpakujWejscieCyfrowe(const QByteArray &blok, Tkvor350wejscieDwustanowe &wejscie);
// The read of a digital input fills the record the way the block layout
// copies it: the reply's first 212 data bytes over the record's first 212
// (wersja, the reserves, rezerwa3 and rezerwa2 as the controller sent
// them), then rozpakujWejscieCyfrowe (the conditions from 172..175,
// nazwa_str from nazwa_array); nr_wejscia and nr_karty are kept. A reply
// shorter than 212 bytes returns false and leaves the record untouched.
bool rozpakujOdczytWejsciaCyfrowego(const QByteArray &odpowiedz, Tkvor350wejscieDwustanowe &wejscie);

// ---- Setpoints -----------------------------------------------------------
// Slot, name, value. Not carried: rez1, rez.
QByteArray spakujZadana(const TKvor350zadana &zadana, int slot);
bool rozpakujZadana(const QByteArray &blok, TKvor350zadana &zadana);

// ---- Humidity ------------------------------------------------------------
// Method, channel card*6+input, min and max setpoint (low bytes only), the
// alarm. Not carried: the high bytes, alarm.rezerwa, rezerwa.
QByteArray spakujWilgotnosc(const Tkvor350wilgotnosc &wilgotnosc);
bool rozpakujWilgotnosc(const QByteArray &blok, Tkvor350wilgotnosc &wilgotnosc);

// ---- Additions -----------------------------------------------------------
// Count, then the minima before the maxima (the record holds them reversed).
QByteArray spakujDodatki(const tdanedodatki &dodatki);
bool rozpakujDodatki(const QByteArray &blok, tdanedodatki &dodatki);

// ---- Washing settings ----------------------------------------------------
// Time before washing and outputs 1..32 as bits (an entry that is not 0 is
// 1; reading sets 1 or 0). Not carried: entries 33..128, rez_wyr, r.
QByteArray spakujUstawieniaMycia(const TProjektDodatkiMycie &mycie);
bool rozpakujUstawieniaMycia(const QByteArray &blok, TProjektDodatkiMycie &mycie);

// ---- Extra modules -------------------------------------------------------
// On the wire ain, din, aout, dout (the record holds ain, aout, din, dout).
QByteArray spakujModuly(const TModulyWejWyKonfig &moduly);
bool rozpakujModuly(const QByteArray &blok, TModulyWejWyKonfig &moduly);

// ---- SETUP table ---------------------------------------------------------
// F[1]..F[100] as 32-bit words, then zeros to 1025 bytes. F[0] does not
// travel; reading ignores bytes 400 on.
QByteArray spakujSetup(const TFunkcjeKvor3 &setup);
bool rozpakujSetup(const QByteArray &blok, TFunkcjeKvor3 &setup);

// ---- Update and logo pages -----------------------------------------------
// Page number (16 bits), then the first 'rozmiar' bytes of the page. Empty
// when rozmiar is negative, exceeds the page or the 16-bit frame length.
QByteArray spakujStroneAktualizacji(uint16_t nrStrony, const QByteArray &strona, int rozmiar);
// The file's CRC (16 bits) and size (32 bits).
QByteArray spakujKoniecAktualizacji(uint16_t crcPliku, int32_t rozmiarPliku);

// ---- Channels ------------------------------------------------------------
// Flat channel n (from 1) to card and input: n < 1 gives 255, 255; the first
// 'baza' channels are card 0; then 'naKarte' per card from card 1. A per-card
// count below 1 leaves channels past the base card without a card (255, 255).
void kanalNaKarteWejscie(int kanal, int baza, int naKarte, int &karta, int &wejscie);

// ---- One-byte names ------------------------------------------------------
// Windows-1250 text of the digital inputs' nazwa_str; units it lacks become '?'.
char16_t znak1250NaUtf16(uint8_t znak);
uint8_t utf16NaZnak1250(char16_t znak);
