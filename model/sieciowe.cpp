#include "sieciowe.h"

void initSieciowe(TSieciowe &s)
{
    s = TSieciowe{};
    s.ip = adresIp(192, 168, 0, 248);
    s.maska = adresIp(255, 255, 255, 0);
    s.brama = adresIp(192, 168, 0, 1);
}
