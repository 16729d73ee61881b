// SPDX-License-Identifier: GPL-3.0-or-later
// One step of a drag of the hands on the face, at both size factors: the move of the
// pointer found on the grabbed hand (the hit test and the angle), the step of the
// adjustment (RegolaOra, which shows the time everywhere), and the face painted on
// screen again. Beside it the hit test alone. One frame at 60 Hz is 16.7 ms.
//
// The pointer swings between two neighbouring minutes (or hours), so every move is one
// whole step. "attraverso l'ora" crosses a whole hour at each step, which also redraws
// the scene and turns the globe: the dearest minute step. Sounds are off: the player
// plays asynchronously, and the stand-in would only keep a list of them.

#include <QTest>
#include <benchmark/benchmark.h>
#include <cmath>

#include "PresaLancette.h"
#include "TestWindow.h"
#include "TrascinaLancette.h"
#include "frmClock.h"
#include "modTempolino.h"

namespace {

QSize schermo(int scala)
{
    return scala == 13 ? QSize(1280, 1024) : QSize(800, 600);
}

enum Caso { Minuti = 0, MinutiAttraversoLOra = 1, Ore = 2 };

QPoint Verso(QuadranteOrologio* p1, double angolo, double r)
{
    const double a = angolo * 3.14159265358979323846 / 180.0;
    return QPointF(p1->centroX() + r * std::sin(a), p1->height() - p1->centroY() - r * std::cos(a)).toPoint();
}

void BM_PassoTrascinamento(benchmark::State& state)
{
    TestWindow tw(schermo(static_cast<int>(state.range(0))), 36000);
    const auto caso = static_cast<Caso>(state.range(1));
    tw.stato()->ImpostaSuoniAttivi(false);
    tw.c<OptionGroup>("grpCtrTime")->select(0);
    // 10:00, or 09:59 so that the next minute is a new hour.
    const float inizio = caso == MinutiAttraversoLOra ? 35940.0f : 36000.0f;
    tw.w->stato()->MostraOra(inizio);
    auto* p1 = tw.c<QuadranteOrologio>("p1");
    p1->setFocus();
    const Lancetta lancetta = caso == Ore ? Lancetta::Ore : Lancetta::Minuti;
    const double r = 0.3 * p1->raggio();
    const double da = AngoloLancetta(lancetta, inizio);
    const double passo = lancetta == Lancetta::Ore ? 30.0 : 6.0;
    QTest::mousePress(p1, Qt::LeftButton, Qt::NoModifier, Verso(p1, da, r));
    bool avanti = true;
    for (auto _ : state) {
        QTest::mouseMove(p1, Verso(p1, avanti ? da + passo : da, r));
        p1->repaint();
        avanti = !avanti;
    }
    QTest::mouseRelease(p1, Qt::LeftButton, Qt::NoModifier, Verso(p1, da, r));
    if (tw.w->stato()->TempoCorrente() != inizio
        && tw.w->stato()->TempoCorrente() != inizio + (caso == Ore ? 3600 : 60))
        state.SkipWithError("the hand did not follow the pointer");
    tw.stato()->ImpostaSuoniAttivi(true);
}

// Which hand a press takes, and the steps a move amounts to, without the window.
void BM_PresaLancetta(benchmark::State& state)
{
    const int R = state.range(0) == 13 ? 234 : 180;
    const QPointF c(R + 14, R + 24);
    const FormaLancette forma = FormaDelleLancette(c, R, 1.0f, 36000);
    const QPointF punto(c.x() + 3, c.y() - 0.5 * R); // beside the minute hand at 10:00
    for (auto _ : state) {
        const Presa presa = Afferra(forma, punto, 36000);
        benchmark::DoNotOptimize(Trascina(presa, c, QPointF(c.x() + 0.3 * R, c.y()), 36000));
    }
}

} // namespace

BENCHMARK(BM_PassoTrascinamento)
    ->ArgsProduct({{10, 13}, {Minuti, MinutiAttraversoLOra, Ore}})
    ->ArgNames({"scala", "caso"});
BENCHMARK(BM_PresaLancetta)->Arg(10)->Arg(13)->ArgName("scala");
