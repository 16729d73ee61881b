#include "frmClock.h"
void frmClock::DisegnaFusi() {}
void frmClock::DisegnaTerra(int) {}
void frmClock::PosizionaFasce() {}
void frmClock::MostraFasce(bool) {}
void frmClock::ApriMappa(bool) {}
void frmClock::chkFusiOrari_Click() {}
