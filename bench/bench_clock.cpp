// The cost of one clock tick and of rebuilding the dial, at both size factors,
// each beside a floor: a bare QPainter drawing the same primitives on the same size.

#include <QPainter>
#include <benchmark/benchmark.h>

#include "TestWindow.h"
#include "frmClock.h"

namespace {

QSize schermo(int scala) { return scala == 13 ? QSize(1280, 1024) : QSize(800, 600); }

void BM_Tick(benchmark::State& state)
{
    TestWindow tw(schermo(static_cast<int>(state.range(0))), 36000);
    double t = 36000;
    for (auto _ : state) {
        t += 0.2;
        tw.tickAt(t);
    }
}

// The same primitives with a bare painter: the cached dial blitted, three filled
// polygons, three short texts and one circle.
void BM_TickFloor(benchmark::State& state)
{
    const int R = state.range(0) == 13 ? 234 : 180;
    const QSize size(2 * R + 28, 2 * R + 48);
    QImage dial(size, QImage::Format_ARGB32_Premultiplied);
    dial.fill(Qt::gray);
    QImage face;
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(8);
    const QPoint poly[4] = {{R + 20, R + 24}, {R + 14, R + 44}, {R + 8, R + 24}, {R + 14, R - 60}};
    for (auto _ : state) {
        face = dial;
        face.detach();
        QPainter p(&face);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.setFont(font);
        for (int i = 0; i < 3; ++i) {
            p.setPen(Qt::white);
            p.setBrush(QColor(0, 0, 255));
            p.drawPolygon(poly, 4);
            p.drawText(QPointF(R + 40, R + 10 * i), QStringLiteral(" 10 h "));
        }
        p.setPen(Qt::black);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(R + 14, R + 24), 5, 5);
        p.end();
        benchmark::DoNotOptimize(face.constBits());
    }
}

void BM_DisegnaQuadrante(benchmark::State& state)
{
    TestWindow tw(schermo(static_cast<int>(state.range(0))), 36000);
    tw.w->grpStyleNum->select(static_cast<int>(state.range(1)));
    for (auto _ : state)
        tw.w->DisegnaQuadrante();
}

} // namespace

BENCHMARK(BM_Tick)->Arg(10)->Arg(13)->ArgName("scala");
BENCHMARK(BM_TickFloor)->Arg(10)->Arg(13)->ArgName("scala");
BENCHMARK(BM_DisegnaQuadrante)->ArgsProduct({{10, 13}, {0, 1, 2}})->ArgNames({"scala", "stile"});
