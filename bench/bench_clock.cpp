// The cost of one clock tick and of rebuilding the dial, at both size factors,
// each beside a floor: a bare QPainter drawing the same primitives on the same size.

#include <QPainter>
#include <array>
#include <benchmark/benchmark.h>

#include "Lancette.h"
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
    // A whole second each time, so that every tick redraws the face (the ticks in
    // between find the same second and leave it alone).
    double t = 36000;
    for (auto _ : state) {
        t += 1.0;
        tw.tickAt(t);
    }
}

// The same primitives with a bare painter on an image of the same size: the cached
// dial blitted, the three hands of 10:00:00 as filled polygons of their real sizes,
// three short texts at the labels' places and the hub.
void BM_TickFloor(benchmark::State& state)
{
    const int R = state.range(0) == 13 ? 234 : 180;
    const QSize size(2 * R + 28, 2 * R + 48);
    const double cx = R + 14, cy = R + 24;
    QImage dial(size, QImage::Format_ARGB32_Premultiplied);
    dial.fill(Qt::gray);
    QImage face;
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(8);
    const std::array<QPoint, 4> mani[3] = {AngoliLancetta(cx, cy, qRound(R * 0.44), qRound(R * 0.06), 300, R),
                                           AngoliLancetta(cx, cy, qRound(R * 0.64), qRound(R * 0.04), 0, R),
                                           AngoliLancetta(cx, cy, qRound(R * 0.72), 0, 0, R)};
    const QColor colori[3] = {QColor(0, 0, 255), QColor(255, 0, 0), Qt::white};
    for (auto _ : state) {
        face = dial;
        face.detach();
        QPainter p(&face);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.setFont(font);
        for (int i = 0; i < 3; ++i) {
            p.setPen(Qt::white);
            p.setBrush(colori[i]);
            p.drawPolygon(mani[i].data(), 4);
            p.drawText(QPointF(cx + 20 * i, cy - 0.6 * R), QStringLiteral(" 10 h "));
        }
        p.setPen(Qt::black);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(cx, cy), 5, 5);
        p.end();
        benchmark::DoNotOptimize(face.constBits());
    }
}

void BM_DisegnaQuadrante(benchmark::State& state)
{
    TestWindow tw(schermo(static_cast<int>(state.range(0))), 36000);
    tw.c<OptionGroup>("grpStyleNum")->select(static_cast<int>(state.range(1)));
    for (auto _ : state)
        tw.w->DisegnaQuadrante();
}

} // namespace

void BM_DisegnaPaesaggio(benchmark::State& state)
{
    TestWindow tw(schermo(static_cast<int>(state.range(0))), 36000);
    for (auto _ : state)
        tw.w->DisegnaPaesaggio(static_cast<int>(state.range(1)));
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
