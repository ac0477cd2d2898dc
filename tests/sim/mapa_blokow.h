// The controller's section blocks as the simulator lays them out: for every
// block kind its sub-command, its lengths and where each record field sits
// in it, written from the controller's protocol description and kept apart
// from the program's codec. A wrong offset, sign or byte order in the
// program then shows as a wrong value or a refused write, instead of
// cancelling out in a round trip through the same code on both sides.
#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <type_traits>
#include <vector>

enum class RodzajPola {
    Liczba,   // little-endian integer: the record's value × skala, narrowed to the block's width
    Bajty,    // bytes as they stand
    Nazwa,    // the first 15 UTF-16 units of a 50-unit name; read up to the first zero unit
    Minuty,   // hours and minutes (two Int32 in a row) as a count of minutes, unsigned
    Kanal,    // card and input (two bytes in a row) as card * 6 + input
    Bity,     // 32 output bytes as 32 bits, output 1 in bit 0 of the first byte
    Nazwa1250 // digital input: the 16 units of nazwa_array with the one-byte nazwa_str written over them
};

struct PoleBloku {
    RodzajPola rodzaj;
    int blok;               // offset in the block
    int szerokosc;          // bytes in the block
    int rekord;             // offset in the record
    int wRekordzie = 0;     // Liczba: the record field's width (1, 2 or 4)
    bool zeZnakiem = false; // Liczba: the block's value reads back with its sign
    int skala = 1;          // Liczba: reading divides by it, toward zero
};

struct MapaBloku {
    const char *nazwa;
    uint8_t podkomenda; // read 'H', write 'I'
    int dlZapisu;       // data of the write request
    int dlOdczytu;      // data of the read reply (the write's layout, maybe longer)
    int dlZapytania;    // data of the read request: the slot bytes
    int dlRekordu;
    std::vector<int> slot; // block bytes that address the record (as in the read request)
    std::vector<PoleBloku> pola;
};

// Steps and washing steps, digital outputs, alarm outputs F1..F4, special
// modes, analog outputs, measuring inputs, their relative alarms, digital
// inputs, setpoints, humidity, additions, washing settings.
const MapaBloku &mapaKroku(bool mycie);
const MapaBloku &mapaPrzekaznika();
const MapaBloku &mapaAlarmuWyjscia();
// The alarm-output write over TCP/IP: the record's first 172 bytes as they
// stand behind the index.
const MapaBloku &mapaAlarmuWyjsciaLan();
const MapaBloku &mapaFunkcjiSpec();
const MapaBloku &mapaWyjsciaAnalogowego();
const MapaBloku &mapaWejsciaAnalogowego();
const MapaBloku &mapaAlarmuWzglednego();
const MapaBloku &mapaWejsciaCyfrowego();
const MapaBloku &mapaZadanej();
const MapaBloku &mapaWilgotnosci();
const MapaBloku &mapaDodatkow();
const MapaBloku &mapaUstawienMycia();
// Program part 0..4 (TProgram): rows 10p+1 .. 10p+10.
const MapaBloku &mapaCzesciProgramu(int czesc);
// The map of a write ('I') sub-command; nullptr when none has it.
const MapaBloku *mapaZapisu(uint8_t podkomenda);

// The block of `dl` bytes (zeros where no field is) from a record of the
// map's size.
QByteArray kodujBlok(const MapaBloku &m, const void *rekord, int dl);
// Sets the record's fields that the block carries; the rest stays.
void dekodujBlok(const MapaBloku &m, const QByteArray &blok, void *rekord);
// Non-zero bytes where the block has no field and no slot byte: empty when
// there are none, otherwise their offsets and values.
QString obceBajty(const MapaBloku &m, const QByteArray &blok);

template <class R>
QByteArray kodujRekord(const MapaBloku &m, const R &r, int dl)
{
    static_assert(std::is_trivially_copyable_v<R>);
    return sizeof(R) == size_t(m.dlRekordu) ? kodujBlok(m, &r, dl) : QByteArray();
}

template <class R>
void dekodujRekord(const MapaBloku &m, const QByteArray &blok, R &r)
{
    static_assert(std::is_trivially_copyable_v<R>);
    if (sizeof(R) == size_t(m.dlRekordu))
        dekodujBlok(m, blok, &r);
}
