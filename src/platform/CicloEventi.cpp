#include "CicloEventi.h"

#include "Platform.h"

bool CicloEventi::continua()
{
    if (inChiusura())
        return false;
    platform().events->processEvents();
    return !inChiusura();
}

bool CicloEventi::pausa(int ms)
{
    if (inChiusura())
        return false;
    platform().events->pause(ms);
    return !inChiusura();
}
