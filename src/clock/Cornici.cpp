#include "frmClock.h"
void frmClock::DisegnaSfondoDigitale() {}
void frmClock::DisegnaCorniceEsterna(QWidget*) {}
void frmClock::DisegnaCorniceInterna(PictureBox*, int) {}
void frmClock::paintEvent(QPaintEvent* e) { QWidget::paintEvent(e); }
