// The one current project: its records, file, default name and changed
// flag, and the new / open / save commands of the "Plik" menu.
#pragma once

#include "rekordy_projekt.h"
#include "setup_domyslny.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QString>

#include <functional>
#include <memory>
#include <stdexcept>

constexpr qint64 rozmiarPlikuProjektu = sizeof(TProjektVXTNew);    // 1,804,268
constexpr qint64 rozmiarPlikuMycia = sizeof(TProjektDodatkiMycie); // 932

// Data for the default file name offered when saving.
struct TDaneProjektu {
    bool default_ = false; // a default name may be offered
    bool adddt = true;     // append date and time
    int ns = 0;            // controller serial number
    QString firmware;      // controller firmware version text
    QString pc;            // version of this program
};

// Zero-fills both records and sets every default of a new project.
void wypelnijNowyProjekt(TProjektVXTNew &p, TProjektDodatkiMycie &m);

// The sidecar of a project file: the whole path with "pdo" appended.
QString nazwaPlikuMycia(const QString &sciezka);

// "sn%6.6d_pc<pc>_fw<firmware>" with '.' -> '-', "_dtyyyy-mm-dd_hh_nn"
// when adddt, then ".k3p"; empty unless default_ and ns > 0.
QString domyslnaNazwaProjektu(const TDaneProjektu &d, const QDateTime &teraz = QDateTime::currentDateTime());

// An I/O error of the project writer; what() holds the system's reason.
class BladZapisuProjektu : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Writes the project and its sidecar. Mode 0 refuses an existing file,
// 1 asks before overwriting, 2 overwrites. Both files are replaced
// atomically: a failed write leaves the previous files whole.
// Returns false when refused; throws BladZapisuProjektu on I/O errors.
bool zapiszProjektDoPliku(const QString &sciezka, const TProjektVXTNew &p, const TProjektDodatkiMycie &m, int tryb);

class TBiezacyProjekt {
    Q_DECLARE_TR_FUNCTIONS(TBiezacyProjekt)

public:
    TBiezacyProjekt();

    TProjektVXTNew &projekt() { return *projekt_; }
    const TProjektVXTNew &projekt() const { return *projekt_; }
    TProjektDodatkiMycie &mycie() { return mycie_; }
    const TProjektDodatkiMycie &mycie() const { return mycie_; }

    QString projektNnazwa;
    bool bylazmianaProjektu = false;
    TDaneProjektu daneProjektu;

    // Hooks of the main window: lock/unlock its controls, show the name.
    std::function<void(bool)> blokuj;
    std::function<void(const QString &)> pokazNazwe;

    // Returns false when the user's "Tak" led to a save that failed.
    bool nowyProjekt();
    void otworzProjekt();
    // True when the project was replaced by the file's contents.
    bool OtworzProjektNazwa(const QString &sciezka);
    bool zapiszProjekt(bool jako);

private:
    // Asks whether to save a changed project; false when "Tak" led to a
    // save that failed or was cancelled.
    bool zmianyZapisaneLubPorzucone();
    void ustawNazwe(const QString &n);
    void zablokuj(bool b);

    std::unique_ptr<TProjektVXTNew> projekt_;
    TProjektDodatkiMycie mycie_{};
};
