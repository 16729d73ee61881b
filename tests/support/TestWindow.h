#pragma once
// Opens the real main window on the stand-in platform, as the program's start-up
// does, without waiting on the wall clock for the splash.

#include <QSize>

#include "FakePlatform.h"

class frmClock;

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
};

// Deletes windows that were closed (their deferred deletions).
void flushDeletes();
