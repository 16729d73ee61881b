// SPDX-License-Identifier: GPL-3.0-or-later
// One step of a drag of the hands on the class clock's big face, on a 3840x2160 screen
// (face 2160 pixels across, the dial with its rim and minute numbers about 2000): the
// move found on the grabbed hand, the adjustment step (RegolaOra, which shows the time
// in both windows), and the whole face painted again, the dearest case (a real step
// paints only where the hands were and are). With the time passed shaded, each step
// also changes the arc. One frame at 60 Hz is 16.7 ms.

#include <QTest>
#include <QToolButton>
#include <benchmark/benchmark.h>
#include <cmath>

#include "QuadranteLavagna.h"
#include "StatoLavagna.h"
#include "TestWindow.h"
#include "frmLavagna.h"

namespace {

enum Caso { Minuti = 0, Ore = 1, MinutiConArco = 2 };

QPoint Verso(QPointF c, double angolo, double r)
{
    const double a = angolo * 3.14159265358979323846 / 180.0;
    return QPointF(c.x() + r * std::sin(a), c.y() - r * std::cos(a)).toPoint();
}

void BM_PassoLavagna(benchmark::State& state)
{
    TestWindow tw(QSize(1920, 1080), 36000);
    const auto caso = static_cast<Caso>(state.range(0));
    tw.stato()->ImpostaSuoniAttivi(false);
    tw.c<QToolButton>("cmdLavagna")->click();
    frmLavagna* l = tw.w->lavagna();
    l->resize(3840, 2160);
    l->stato()->Imposta(StatoLavagna::Opzione::Computer, false);
    l->stato()->Imposta(StatoLavagna::Opzione::Etichette, true);
    l->stato()->Imposta(StatoLavagna::Opzione::NumeriMinuti, true);
    l->stato()->Imposta(StatoLavagna::Opzione::Anello24, true);
    const float inizio = 36000.0f;
    tw.stato()->MostraOra(inizio);
    if (caso == MinutiConArco) {
        // Marked twenty minutes ago: the arc grows and shrinks with each step.
        tw.stato()->MostraOra(inizio - 1200);
        l->stato()->Imposta(StatoLavagna::Opzione::Passato, true);
        tw.stato()->MostraOra(inizio);
    }
    QuadranteLavagna* q = l->quadrante();
    q->repaint();
    const QPointF c = q->disegno().misure().centro;
    const Lancetta lancetta = caso == Ore ? Lancetta::Ore : Lancetta::Minuti;
    const double r = 0.3 * q->disegno().raggio();
    const double da = AngoloLancetta(lancetta, inizio);
    const double passo = lancetta == Lancetta::Ore ? 30.0 : 6.0;
    QTest::mousePress(q, Qt::LeftButton, Qt::NoModifier, Verso(c, da, r));
    bool avanti = true;
    for (auto _ : state) {
        QTest::mouseMove(q, Verso(c, avanti ? da + passo : da, r));
        q->repaint();
        avanti = !avanti;
    }
    QTest::mouseRelease(q, Qt::LeftButton, Qt::NoModifier, Verso(c, da, r));
    const float T = tw.stato()->TempoCorrente();
    if (T != inizio && T != inizio + (caso == Ore ? 3600 : 60))
        state.SkipWithError("the hand did not follow the pointer");
    state.counters["lato"] = q->width();
}

} // namespace

BENCHMARK(BM_PassoLavagna)->Arg(Minuti)->Arg(Ore)->Arg(MinutiConArco)->ArgName("caso")->Unit(benchmark::kMillisecond);
