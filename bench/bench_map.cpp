// SPDX-License-Identifier: GPL-3.0-or-later
// The time-zone map: a clock tick while the map is open (within a minute, and at a
// change of minute when the strips move), and the map's opening animation.
//
// The stand-in clock runs the animation's 24 steps at once, so the animation's figure
// is its drawing cost only; in the program its steps come 60 ms apart, 1.44 s in all,
// and the drawing measured here is spread over them.

#include <QCoreApplication>
#include <benchmark/benchmark.h>

#include "TestWindow.h"
#include "frmClock.h"
#include "modTempolino.h"

namespace {

QSize schermo(int scala)
{
    return scala == 13 ? QSize(1280, 1024) : QSize(800, 600);
}

// A tick of a new second within the same minute: the face is redrawn, the strips and
// the globe stay where they are.
void BM_TickMappaAperta(benchmark::State& state)
{
    TestWindow tw(schermo(static_cast<int>(state.range(0))), 36000);
    tw.openMap();
    double t = 36000;
    for (auto _ : state) {
        t += 1.0;
        if (t >= 36059)
            t = 36000.5;
        tw.tickAt(t);
    }
}

// Every tick a new minute: the two strips and their markers move.
void BM_TickMappaApertaNuovoMinuto(benchmark::State& state)
{
    TestWindow tw(schermo(static_cast<int>(state.range(0))), 36000);
    tw.openMap();
    double t = 36000;
    for (auto _ : state) {
        t += 60;
        if (t >= 39540)
            t = 36000;
        tw.tickAt(t);
    }
}

// Opening the map, with its 24 steps, and closing it again.
void BM_AperturaMappa(benchmark::State& state)
{
    TestWindow tw(schermo(static_cast<int>(state.range(0))), 36000);
    QToolButton* chkFusiOrari = tw.c<QToolButton>("chkFusiOrari");
    double attesa = 0;
    for (auto _ : state) {
        const double prima = tw.fake.clock->elapsed;
        tw.openMap();
        attesa = (tw.fake.clock->elapsed - prima) * 1000;
        state.PauseTiming();
        chkFusiOrari->setChecked(false);
        tw.fake.sound->played.clear();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    // How long every opening lasts in the program: the animation's own steps.
    state.counters["pause_ms"] = attesa;
}

} // namespace

BENCHMARK(BM_TickMappaAperta)->Arg(10)->Arg(13)->ArgName("scala");
BENCHMARK(BM_TickMappaApertaNuovoMinuto)->Arg(10)->Arg(13)->ArgName("scala");
BENCHMARK(BM_AperturaMappa)->Arg(10)->Arg(13)->ArgName("scala")->Unit(benchmark::kMillisecond);
