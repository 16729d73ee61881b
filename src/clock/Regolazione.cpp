#include "frmClock.h"
void frmClock::MostraCmdTime(bool) {}
void frmClock::RegolaOra(int) {}
void frmClock::cmdTime_MouseDown(int) {}
void frmClock::cmdTime_MouseUp(int) {}
void frmClock::cmdTime_Click(int) {}
