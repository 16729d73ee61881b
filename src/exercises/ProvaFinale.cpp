#include "frmClock.h"
void frmClock::DisegnaOrologiProva() {}
void frmClock::SegnaRispostaEsatta() {}
void frmClock::ImpostaStileProva() {}
void frmClock::ProssimaDomanda() {}
