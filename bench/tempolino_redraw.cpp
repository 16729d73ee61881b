// SPDX-License-Identifier: GPL-3.0-or-later
// The real clock face redrawn N times back to back, for callgrind: the program's main
// window on the stand-in platform (so the shown time can be set), shown on the window
// system at hand, and N ticks a second apart in shown time, each followed by the
// event loop painting what changed and handing it to the window system. With
// --collect-atstart=no only the N ticks are counted (bench/callgrind-redraw.sh).
//
//   tempolino_redraw [N]

#include <QApplication>
#include <valgrind/callgrind.h>

#include "TestWindow.h"

namespace {

// Counts the paints of the face.
class Contatore : public QObject {
public:
    int dipinti = 0;
    bool eventFilter(QObject*, QEvent* e) override
    {
        dipinti += e->type() == QEvent::Paint;
        return false;
    }
};

void ridisegna(TestWindow& tw, const Contatore& c, double t)
{
    const int prima = c.dipinti;
    tw.tickAt(t);
    for (int i = 0; i < 100 && c.dipinti == prima; ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QCoreApplication::processEvents();
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const int n = argc > 1 ? QByteArray(argv[1]).toInt() : 60;
    double t = 10 * 3600 + 8 * 60;
    TestWindow tw(QSize(1024, 768), t);
    Contatore contatore;
    tw.c(QStringLiteral("p1"))->installEventFilter(&contatore);
    // Settle first: the window mapped and painted, the fonts and glyphs loaded.
    for (int i = 0; i < 20; ++i)
        ridisegna(tw, contatore, t += 1);
    CALLGRIND_TOGGLE_COLLECT;
    for (int i = 0; i < n; ++i)
        ridisegna(tw, contatore, t += 1);
    CALLGRIND_TOGGLE_COLLECT;
    return contatore.dipinti >= n ? 0 : 1;
}
