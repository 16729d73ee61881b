#pragma once
// A loop inside a handler that lets the window's events run between its steps (the
// auto-repeat of a held button, the map's opening animation, the prompt typed letter
// by letter) asks this helper to run them, and learns from it whether to go on.
//
// While it lives it holds the window: if the child closes the program meanwhile, the
// window's deletion waits until the handler has returned (see TrattieniFinestra), and
// every call here answers false from then on, so the loop stops at once.

#include <QWidget>

#include "TrattieniFinestra.h"

class CicloEventi {
public:
    explicit CicloEventi(QWidget* finestra) : m_guardia(finestra) {}

    // Runs the pending events; false when the window is closing.
    bool continua();
    // Waits about `ms` milliseconds with the events running; false when the window is closing.
    bool pausa(int ms);
    // The window is closing: the handler should stop.
    bool inChiusura() const { return m_guardia.inChiusura(); }

private:
    TrattieniFinestra m_guardia;
};
