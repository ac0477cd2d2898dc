#include "transport.h"

TTransport transport(const TUstawieniaSterownika &u)
{
    switch (u.lan.LAN_ACTIVE) {
    case 0:
        return TTransport::Rs485;
    case 1:
        return TTransport::Lan;
    default:
        return TTransport::Brak;
    }
}
