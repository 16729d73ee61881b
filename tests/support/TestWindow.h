// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Opens the real main window on the stand-in platform, as the program's start-up
// does: the splash's five seconds pass on the stand-in clock.

#include <QLineEdit>
#include <QSize>

#include "FakePlatform.h"
#include "Trova.h"
#include "frmClock.h"

// The controller of the exercises of a main window.
inline ControlloreEsercizi* EserciziDi(const QObject* finestra)
{
    return Trova<ControlloreEsercizi>(finestra, QStringLiteral("controlloreEsercizi"));
}

struct TestWindow {
    FakePlatform fake;
    frmClock* w = nullptr;

    // Starts the program on a screen of the given size at the given time of day.
    explicit TestWindow(QSize screen = QSize(1024, 768), double seconds = 36000);
    ~TestWindow();
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    // Sets the computer's time and runs one clock tick.
    void tickAt(double seconds);
    // The clock's state shown in the window.
    StatoOrologio* stato() const { return w->stato(); }
    // Holds adjustment button `indice` (IndicePasso) down for `secondi` of the stand-in
    // clock, then lets it go.
    void holdButton(int indice, double secondi);
    // Opens the map and lets its animation run to the end.
    void openMap();

    // A control of the main window by its name: c<QLabel>("lblDigitalClock"),
    // c<OptionGroup>("grpTest"); an element of a control group by the group's name
    // and its index: c<QPushButton>("cmdTime", 3) is "cmdTime_3".
    template <typename T = QWidget>
    T* c(const QString& nome) const
    {
        return Trova<T>(w, nome);
    }
    template <typename T = QWidget>
    T* c(const QString& gruppo, int indice) const
    {
        return Trova<T>(w, gruppo, indice);
    }
    template <typename T = QWidget>
    T* c(const char* nome) const
    {
        return Trova<T>(w, nome);
    }
    template <typename T = QWidget>
    T* c(const char* gruppo, int indice) const
    {
        return Trova<T>(w, gruppo, indice);
    }

    // The exercise area's answer boxes: 0 the hours, 1 the minutes.
    QLineEdit* casella(int indice) const { return c<QLineEdit>(QStringLiteral("txtTest"), indice); }
    // The controller of the exercises and of the final test.
    ControlloreEsercizi* esercizi() const { return EserciziDi(w); }
};

// Deletes windows that were closed (their deferred deletions).
void flushDeletes();
