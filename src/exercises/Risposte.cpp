#include "frmClock.h"
void frmClock::txtTest_GotFocus(int) {}
void frmClock::txtTest_Change(int) {}
void frmClock::cmdVerificaTest_Click() {}
