#include "frmClock.h"
void frmClock::DisegnaPaesaggio(int) {}
void frmClock::DisegnaStelle() {}
