// SPDX-License-Identifier: GPL-3.0-or-later
// One step of a drag of the hands on the class clock's big face: the move found on the
// grabbed hand, the adjustment step (RegolaOra, which shows the time in both windows),
// and the whole face painted again into a picture of the screen's pixels, the dearest
// case (on screen a step paints only where the hands were and are). On a 3840x2160
// screen the face is 2160 pixels across, its dial with the rim and the minute numbers
// about 2000. The window's size is the first argument, in the screen's logical pixels:
// 3840 wide, or 1920 wide, which is 3840 pixels when the bench runs with
// QT_SCALE_FACTOR=2 (a device pixel ratio of 2). With the time passed shaded, each step
// also changes the arc. One frame at 60 Hz is 16.7 ms.

#include <QImage>
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
// Painted again: the whole face, or only where the hands were and are, and the part of
// the arc that changed, as the window asks for it.
enum Zona { Tutto = 0, Spostato = 1 };

QPoint Verso(QPointF c, double angolo, double r)
{
    const double a = angolo * 3.14159265358979323846 / 180.0;
    return QPointF(c.x() + r * std::sin(a), c.y() - r * std::cos(a)).toPoint();
}

void BM_PassoLavagna(benchmark::State& state)
{
    TestWindow tw(QSize(1920, 1080), 36000);
    const int larghezza = static_cast<int>(state.range(0));
    const auto caso = static_cast<Caso>(state.range(1));
    const auto zona = static_cast<Zona>(state.range(2));
    tw.stato()->ImpostaSuoniAttivi(false);
    tw.c<QToolButton>("cmdLavagna")->click();
    frmLavagna* l = tw.w->lavagna();
    l->resize(larghezza, larghezza * 9 / 16);
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
    const qreal dpr = q->devicePixelRatioF();
    QImage schermo((QSizeF(q->size()) * dpr).toSize(), QImage::Format_ARGB32_Premultiplied);
    schermo.setDevicePixelRatio(dpr);
    q->render(&schermo);
    const QPointF c = q->disegno().misure().centro;
    const Lancetta lancetta = caso == Ore ? Lancetta::Ore : Lancetta::Minuti;
    const double r = 0.3 * q->disegno().raggio();
    const double da = AngoloLancetta(lancetta, inizio);
    const double passo = lancetta == Lancetta::Ore ? 30.0 : 6.0;
    QTest::mousePress(q, Qt::LeftButton, Qt::NoModifier, Verso(c, da, r));
    bool avanti = true;
    const auto mani = [&] { return DisegnoLavagna::Lancette{tw.stato()->TempoCorrente(), true, true}; };
    for (auto _ : state) {
        const QRect prima = q->disegno().ConfiniLancette(mani(), q);
        const TempoPassato::Arco arcoPrima = l->stato()->passato().arco();
        QTest::mouseMove(q, Verso(c, avanti ? da + passo : da, r));
        if (zona == Tutto) {
            q->render(&schermo);
        } else {
            QRegion cambiata(prima);
            cambiata += q->disegno().ConfiniLancette(mani(), q);
            cambiata += q->disegno().ConfiniArco(arcoPrima, l->stato()->passato().arco());
            q->render(&schermo, QPoint(), cambiata);
        }
        avanti = !avanti;
    }
    QTest::mouseRelease(q, Qt::LeftButton, Qt::NoModifier, Verso(c, da, r));
    const float T = tw.stato()->TempoCorrente();
    if (T != inizio && T != inizio + (caso == Ore ? 3600 : 60))
        state.SkipWithError("the hand did not follow the pointer");
    state.counters["pixel"] = schermo.width();
}

} // namespace

BENCHMARK(BM_PassoLavagna)
    ->ArgsProduct({{3840, 1920}, {Minuti, Ore, MinutiConArco}, {Tutto, Spostato}})
    ->ArgNames({"larghezza", "caso", "zona"})
    ->Unit(benchmark::kMillisecond);
