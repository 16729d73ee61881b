// SPDX-License-Identifier: GPL-3.0-or-later
// The cost of one clock tick and of rebuilding the dial, at both size factors; the
// tick beside a floor: a bare widget painting the same primitives at the same size.

#include <QCoreApplication>
#include <QTimer>
#include <benchmark/benchmark.h>

#include "BareFace.h"
#include "TestWindow.h"
#include "frmClock.h"
#include "frmMsg.h"

namespace {

QSize schermo(int scala)
{
    return scala == 13 ? QSize(1280, 1024) : QSize(800, 600);
}

void BM_Tick(benchmark::State& state)
{
    TestWindow tw(schermo(static_cast<int>(state.range(0))), 36000);
    tw.c<QTimer>("tmrClock")->stop();
    // A whole second each time, so that every tick redraws the face (the ticks in
    // between find the same second and leave it alone); then the event loop paints
    // what changed into the window's backing store, as it does after a real tick.
    double t = 36000;
    for (auto _ : state) {
        t += 1.0;
        tw.tickAt(t);
        QCoreApplication::processEvents();
    }
}

// The bare floor beside it (bench/floor/BareFace.h): a face of the same size updated
// whole with the same primitives, painted into a window's backing store the same way.
void BM_TickFloor(benchmark::State& state)
{
    const int R = state.range(0) == 13 ? 234 : 180;
    QWidget finestra;
    BareFace faccia(R, &finestra);
    finestra.resize(faccia.size() + QSize(20, 20));
    finestra.show();
    QCoreApplication::processEvents();
    int t = 36000;
    for (auto _ : state) {
        faccia.setTime(++t);
        QCoreApplication::processEvents();
    }
}

void BM_DisegnaQuadrante(benchmark::State& state)
{
    TestWindow tw(schermo(static_cast<int>(state.range(0))), 36000);
    tw.c<OptionGroup>("grpStyleNum")->select(static_cast<int>(state.range(1)));
    for (auto _ : state)
        tw.c<QuadranteOrologio>("p1")->DisegnaQuadrante();
}

} // namespace

void BM_DisegnaPaesaggio(benchmark::State& state)
{
    TestWindow tw(schermo(static_cast<int>(state.range(0))), 36000);
    for (auto _ : state)
        tw.c<Scena>("picWindows")->DisegnaPaesaggio(static_cast<int>(state.range(1)));
}

// The message window from the call to the window drawn on screen and closed again.
void BM_FinestraMessaggio(benchmark::State& state)
{
    TestWindow tw(QSize(1024, 768), 36000);
    for (auto _ : state) {
        MostraMessaggio(tw.w, Messaggio::RispostaEsatta);
        flushDeletes();
    }
}

BENCHMARK(BM_Tick)->Arg(10)->Arg(13)->ArgName("scala");
BENCHMARK(BM_TickFloor)->Arg(10)->Arg(13)->ArgName("scala");
BENCHMARK(BM_DisegnaQuadrante)->ArgsProduct({{10, 13}, {0, 1, 2}})->ArgNames({"scala", "stile"});
BENCHMARK(BM_DisegnaPaesaggio)
    ->ArgsProduct({{10, 13}, benchmark::CreateDenseRange(0, 24, 1)})
    ->ArgNames({"scala", "ora"});
BENCHMARK(BM_FinestraMessaggio);
