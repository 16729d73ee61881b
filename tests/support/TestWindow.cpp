// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestWindow.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

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
    if (modTempolino::Main()) {
        // The splash stands its five seconds, then the main window is shown.
        fake.clock->advance(5.0);
        w = frmClock::istanza();
    }
    // The start moved the stand-in clock on and the splash ticked: start the test at the
    // time it asked for, with nothing heard yet.
    fake.clock->seconds = seconds;
    fake.sound->played.clear();
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
    w->stato()->tmrClock_Timer();
}

void TestWindow::holdButton(int indice, double secondi)
{
    auto* b = c<QPushButton>("cmdTime", indice);
    QTest::mousePress(b, Qt::LeftButton);
    fake.clock->advance(secondi);
    QTest::mouseRelease(b, Qt::LeftButton);
}

void TestWindow::openMap()
{
    c<QToolButton>("chkFusiOrari")->setChecked(true);
    fake.clock->advance(24 * 0.06);
}
