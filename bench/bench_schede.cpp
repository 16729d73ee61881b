// SPDX-License-Identifier: GPL-3.0-or-later
// The time to write a worksheet of 12 clocks with its key into a PDF, as
// "Salva come PDF…" and the command line write it: both pages, every kind of item.

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "FoglioScheda.h"

namespace {

void BM_SchedaInPdf(benchmark::State& state)
{
    CodiceScheda codice;
    codice.scelta.tipi = (1 << kNumeroTipiVoce) - 1;
    codice.scelta.livello = Livello::OgniMinuto;
    codice.scelta.quanti = static_cast<int>(state.range(0));
    codice.scelta.numeri = StileQuadrante::Romani;
    QTemporaryDir cartella;
    const QString file = cartella.filePath(QStringLiteral("scheda.pdf"));
    for (auto _ : state) {
        codice.seme = (codice.seme + 1) % CodiceScheda::kSemi;
        const QString errore = Foglio::SalvaSchedePdf(file, codice, Foglio::TitoloSchedaPredefinito());
        if (!errore.isEmpty()) {
            state.SkipWithError("the worksheet was not saved");
            break;
        }
    }
    state.SetLabel(std::to_string(state.range(0)) + " clocks and the key, to a file");
}

} // namespace

BENCHMARK(BM_SchedaInPdf)->Arg(12)->Arg(4)->Unit(benchmark::kMillisecond);
