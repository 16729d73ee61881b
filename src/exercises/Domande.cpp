#include "frmClock.h"
void frmClock::PreparaLettura() {}
void frmClock::PreparaImpostazione() {}
void frmClock::PreparaModoDiDire() {}
