#include "frmClock.h"
void frmClock::cmdTest_Click() {}
void frmClock::cmdExitTest_Click() {}
void frmClock::optTest_Click(int) {}
QString frmClock::MessaggioTest(int) const { return {}; }
void frmClock::MostraCaselle(bool) {}
void frmClock::ScriviPremiOK() {}
void frmClock::SpostaMouse(QWidget*) {}
