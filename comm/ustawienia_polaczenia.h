// Connection records handed to every controller operation, RS-485 and
// TCP/IP alike. Plain values, copied freely.
#pragma once

#include <QString>

#include <array>

enum TConnectionType { tct_rs485 = 0, tct_ethernet = 1 };

// Serial-link parameters.
struct TParamTrans {
    int port = 0;                       // 0-based: 0 is "COM1"
    int predkosc = 6;                   // baud code (predkoscZKodu)
    int IlePowtorzen = 2;               // attempts of the facades that take them from here
    int ReadTotalTimeoutConstant = 350; // read time-out [ms] of those facades
};

// TCP/IP parameters.
struct TUstawieniaIP {
    int NUMER_SERYJNY = 0;
    int LAN_ACTIVE = 0; // 0 RS-485, 1 TCP/IP
    QString LAN_IP;     // dotted IPv4, at most 15 characters
    int count = 3;
    int timeout = 700; // [ms]
};

struct TUstawieniaSterownika {
    int adresRS = 1; // bus address 0..247, sent modulo 256
    TParamTrans ParametryTransmisji;
    TConnectionType conectType = tct_rs485;
    int stanSterownika = 0;   // reserved
    QString EthernetPassword; // reserved
    bool Busy = false;        // reserved
    TUstawieniaIP lan;
};

// Baud rate of a baud code (0 for a code outside the list).
int predkoscZKodu(int kod);

// The RS-485 links the main window can choose: bus addresses
// 0..najwyzszyAdresRs and these baud codes, in the order of its speed list.
constexpr int najwyzszyAdresRs = 247;
constexpr std::array<int, 3> kodyPredkosciOkna = {6, 8, 12};
// The baud code of an item of that list; the last for any other index.
int kodPredkosciOkna(int pozycja);
// The item of a baud code in that list; -1 when the list does not offer it.
int pozycjaPredkosciOkna(int kod);
// "COM" and port+1: the port's name in texts and settings keys.
QString nazwaPortu(int port);
