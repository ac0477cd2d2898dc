// The link's module settings and the installed link and TCP/IP runner.
#include "stan_globalny.h"

#include "komunikacja.h"
#include "lan.h"
#include "powtorz.h"

namespace {

const bool comm = StanGlobalny::dodaj([] {
    const int ileSleep = IleSleep, timeout = timeoutStand, powtorzen = iloscPowtorzen;
    const bool nt = TransmisjaNT, log = logujRamki;
    TFkomunikacja *lacze = Fkomunikacja();
    TFormLan *lan = FormLan();
    return [=] {
        IleSleep = ileSleep;
        timeoutStand = timeout;
        iloscPowtorzen = powtorzen;
        TransmisjaNT = nt;
        logujRamki = log;
        ustawFkomunikacja(lacze);
        ustawFormLan(lan);
    };
});

} // namespace
