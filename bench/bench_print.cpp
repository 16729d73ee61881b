// SPDX-License-Identifier: GPL-3.0-or-later
// The time to render the whole cut-out sheet into a PDF at printer resolution, as
// a print job draws it: with all the minute numbers and with Roman numerals.

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <benchmark/benchmark.h>

#include "FoglioOrologio.h"

namespace {

void BM_FoglioInPdf(benchmark::State& state)
{
    Foglio::OpzioniFoglio o;
    o.numeriRomani = state.range(0) != 0;
    o.stampaMinuti = !o.numeriRomani;
    o.nome = QStringLiteral("Niccolò");
    o.cognome = QStringLiteral("Zoë");
    o.larghezzaStampabile = 198;
    qint64 byte = 0;
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        pdf.setResolution(1200);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(5, 6, 7, 8),
                                      QPageLayout::Millimeter));
        QPainter p(&pdf);
        const PrintError e = Foglio::DisegnaFoglio(p, o);
        p.end();
        if (e != PrintError::None) {
            state.SkipWithError("the sheet was not drawn completely");
            break;
        }
        byte = buffer.size();
        benchmark::DoNotOptimize(byte);
    }
    state.counters["pdf_bytes"] = static_cast<double>(byte);
    state.SetLabel(o.numeriRomani ? "Roman numerals" : "Arabic numerals with minute numbers");
}

} // namespace

BENCHMARK(BM_FoglioInPdf)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
