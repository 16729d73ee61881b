// SPDX-License-Identifier: GPL-3.0-or-later
// The bare Qt floor as a program: one window with a face of the clock's size that
// shows the computer's time and is updated once a second, nothing else. The
// scripts measure it beside Tempolino in the same run.
//
//   tempolino_bare_clock [radius]        runs until killed; radius 234 (default) or 180
//   tempolino_bare_clock radius N        N redraws back to back, a second apart in
//                                        shown time, then ends: under callgrind with
//                                        --collect-atstart=no only they are counted

#include <QApplication>
#include <QTime>
#include <QTimer>
#include <valgrind/callgrind.h>

#include "BareFace.h"

namespace {

int now()
{
    return QTime::currentTime().msecsSinceStartOfDay() / 1000;
}

// Updates the face and lets the event loop paint it and hand it to the window system.
void redraw(BareFace& face, int seconds)
{
    const int before = face.paints();
    face.setTime(seconds);
    for (int i = 0; i < 100 && face.paints() == before; ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QCoreApplication::processEvents();
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const int R = argc > 1 ? QByteArray(argv[1]).toInt() : 234;
    const int redraws = argc > 2 ? QByteArray(argv[2]).toInt() : 0;

    QWidget window;
    window.setWindowTitle(QStringLiteral("bare clock"));
    QPalette pal = window.palette();
    pal.setColor(QPalette::Window, Qt::black);
    window.setPalette(pal);
    window.setAutoFillBackground(true);
    BareFace face(R > 0 ? R : 234, &window);
    face.move(10, 10);
    face.setTime(now());
    window.resize(face.width() + 20, face.height() + 20);
    window.show();

    if (redraws > 0) {
        // Settle first: the window mapped, painted, the fonts and glyphs loaded.
        int t = 10 * 3600 + 8 * 60;
        for (int i = 0; i < 20; ++i)
            redraw(face, ++t);
        CALLGRIND_TOGGLE_COLLECT;
        for (int i = 0; i < redraws; ++i)
            redraw(face, ++t);
        CALLGRIND_TOGGLE_COLLECT;
        return 0;
    }

    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, &face, [&face] { face.setTime(now()); });
    tick.start(1000);
    return QApplication::exec();
}
