#include "TestWindow.h"

#include <QApplication>

#include "frmClock.h"
#include "modTempolino.h"

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

TestWindow::TestWindow(QSize screen, double seconds) : fake(FakePlatform::install())
{
    fake.desktop->screen = screen;
    fake.clock->seconds = seconds;
    if (modTempolino::Main())
        w = frmClock::istanza();
    // The splash wait moved the stand-in clock on; start the test at the time it asked for.
    fake.clock->seconds = seconds;
}

TestWindow::~TestWindow()
{
    if (frmClock::caricato())
        frmClock::istanza()->close();
    flushDeletes();
}

void TestWindow::tickAt(double seconds)
{
    fake.clock->seconds = seconds;
    w->tmrClock_Timer();
}
