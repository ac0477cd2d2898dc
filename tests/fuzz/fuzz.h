// Fuzz targets: everything the program reads from outside (controller
// replies over RS-485 and TCP/IP, project, sidecar, section and settings
// files, names inside records) fed to the code that reads it with random
// and mutated inputs, under AddressSanitizer and UBSan. Each target checks
// what must hold for any input, not only that nothing crashes.
//
//   fuzz_kodek   every block unpacker (and packer) and the live readings
//   fuzz_rs485   every RS-485 command against a fake serial port
//   fuzz_tcp     every TCP/IP callback, run by TFormLan, on fake clients
//   fuzz_ini     "ustawienia.ini": read, write one key, read again
//   fuzz_pliki   project open with its sidecar, every section file load and
//                the program list file's
//   fuzz_teksty  the name and text helpers with any UTF-16 and any buffer
//
// A target is one file fuzz_<name>.cpp with
//   extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dane, size_t rozmiar);
//   std::vector<QByteArray> ziarnaFuzz(); // seed inputs, made by the packers
// and one line kvor_fuzz(<name> LIBS ...) in CMakeLists.txt. A property that
// does not hold is reported with FUZZ_SPRAWDZ, which prints it and aborts,
// so that the input is kept.
//
// Each target is built one of two ways:
// - with clang and -DKVOR_LIBFUZZER=ON (the sanitizer tree of bash kvor.sh):
//   libFuzzer's own main; a corpus folder that is still empty first gets
//   the seed inputs. The test run starts each target on an empty folder
//   with -seed=1, so a finding reproduces; fuzz_<name> file... replays
//   inputs, e.g. the one of a finding, which goes where -artifact_prefix
//   says, by default to <build tree>/fuzz/fuzz_<name>-crash-<hash> (or
//   -leak-, -timeout-, -oom-).
// - otherwise (GCC, where ctest runs fuzz_<name>_ziarna): the seeded driver
//   of sterownik.cpp:
//     fuzz_<name> -t 3            seeds, then mutated inputs for 3 s
//     fuzz_<name> -n 100000 -s 7  seeds, then 100,000 inputs of seed 7
//     fuzz_<name> plik...         replays inputs, e.g. a finding's file
//     fuzz_<name> -z katalog      writes the seed inputs into a folder
//   Input k of seed s is the same on every run, so a finding reproduces; it
//   is also written to <build tree>/fuzz/fuzz_<name>-<s>-<k>.bin (or into
//   the folder of -w).
//
// Adding a section:
// - its block: a row in the table of fuzz_kodek.cpp (block description,
//   unpacker, packer, a record for the seeds);
// - its commands: a row each in fuzz_rs485.cpp and fuzz_tcp.cpp (the call
//   with its arguments taken from the input, and what a failed read leaves
//   in the record);
// - its file: a row in the table of fuzz_pliki.cpp (extension, size, load),
//   or, for a file read record by record, in its list table (extension,
//   record size, most records).
// A row is picked by the input's first byte modulo the row count. The seeds
// are made from the tables, so a new row brings its own; a saved input (a
// finding's file, a corpus) may reach another row once rows are added.
#pragma once

#include "komunikaty.h"
#include "rekordy_we_wy.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dane, size_t rozmiar);
// The target's seed inputs.
std::vector<QByteArray> ziarnaFuzz();

// Once per process, before the first input: a QCoreApplication, a fake
// clock (no wait takes real time), a message service that records, the C
// locale, and a private temporary folder as the program's folder.
void przygotujFuzz();

// Reads a fuzz input front to back; past its end every read gives zeros,
// so any input is a valid one.
class Wejscie {
public:
    Wejscie(const uint8_t *dane, size_t rozmiar) : dane_(dane), rozmiar_(rozmiar) {}
    explicit Wejscie(const QByteArray &b)
        : dane_(reinterpret_cast<const uint8_t *>(b.constData())), rozmiar_(size_t(b.size()))
    {}

    size_t zostalo() const { return rozmiar_ - pozycja_; }
    uint8_t bajt() { return pozycja_ < rozmiar_ ? dane_[pozycja_++] : 0; }
    uint16_t slowo() { return uint16_t(bajt() | bajt() << 8); }
    uint32_t liczba32() { return uint32_t(slowo()) | uint32_t(slowo()) << 16; }
    // od..do_ (inclusive), from one or two bytes.
    int zakres(int od, int do_);
    // Up to n bytes (fewer at the end).
    QByteArray bajty(size_t n);
    // Exactly n bytes, zeros past the end.
    QByteArray bajtyDopelnione(size_t n);
    QByteArray reszta() { return bajty(zostalo()); }
    // Up to `maks` UTF-16 units, any value: lone surrogates, zeros,
    // unassigned code points.
    QString tekst16(int maks);

private:
    const uint8_t *dane_;
    size_t rozmiar_;
    size_t pozycja_ = 0;
};

// Builds seed inputs field by field, in the order a target reads them.
class Ziarno {
public:
    Ziarno &bajt(int b)
    {
        b_.append(char(b & 0xFF));
        return *this;
    }
    Ziarno &slowo(int v) { return bajt(v).bajt(v >> 8); }
    Ziarno &bajty(const QByteArray &b)
    {
        b_ += b;
        return *this;
    }
    operator QByteArray() const { return b_; }

private:
    QByteArray b_;
};

// Boxes shown while a target runs (nothing is shown on screen).
struct KomunikatFuzz {
    RodzajKomunikatu rodzaj;
    QString tekst;
};
std::vector<KomunikatFuzz> &komunikatyFuzz();

// The temporary folder of this process (with a trailing '/').
QString katalogFuzz();

// A record filled with bytes of a small generator started from `ziarno`:
// any bit pattern, the same for the same seed.
void wypelnijLosowo(void *rekord, size_t rozmiar, uint32_t ziarno);
template <class T>
T rekordLosowy(uint32_t ziarno)
{
    static_assert(std::is_trivially_copyable_v<T>);
    T r;
    wypelnijLosowo(&r, sizeof r, ziarno);
    return r;
}
// A flag holds 0 or 1 only.
template <>
inline TOdczyty rekordLosowy<TOdczyty>(uint32_t ziarno)
{
    TOdczyty o;
    wypelnijLosowo(&o, sizeof o, ziarno);
    o.JestOdpowiedzPanela = false;
    return o;
}
template <class T>
QByteArray bajtyRekordu(const T &r)
{
    return QByteArray(reinterpret_cast<const char *>(&r), sizeof r);
}
template <class T>
bool rekordZerowy(const T &r)
{
    const QByteArray b = bajtyRekordu(r);
    return b.count('\0') == b.size();
}

[[noreturn]] void fuzzBlad(const char *plik, int linia, const char *warunek, const QString &opis);
#define FUZZ_SPRAWDZ(warunek, opis)                                                                                    \
    do {                                                                                                               \
        if (!(warunek))                                                                                                \
            fuzzBlad(__FILE__, __LINE__, #warunek, (opis));                                                            \
    } while (false)
