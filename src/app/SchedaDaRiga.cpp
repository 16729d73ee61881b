// SPDX-License-Identifier: GPL-3.0-or-later
#include "SchedaDaRiga.h"

#include <QGuiApplication>
#include <cmath>
#include <cstdio>

#include "FoglioScheda.h"
#include "SystemPlatform.h"

namespace SchedaDaRiga {

Risultato Scrivi(const LineaComando::Esito& esito, int seme)
{
    Risultato r;
    CodiceScheda codice = esito.codiceScheda;
    if (esito.nuovaScheda)
        codice = CodiceScheda{SceltaScheda{}, seme};
    const QString motivo = Foglio::SalvaSchedePdf(esito.filePdf, codice, Foglio::TitoloSchedaPredefinito());
    if (!motivo.isEmpty()) {
        r.codice = 1;
        r.errori = QStringLiteral("tempolino: la scheda non è stata scritta in «%1». %2\n").arg(esito.filePdf, motivo);
        return r;
    }
    if (esito.nuovaScheda)
        r.uscita = codice.testo() + QLatin1Char('\n');
    return r;
}

int Esegui(int argc, char* argv[], const LineaComando::Esito& esito)
{
    // Drawing a PDF needs fonts but no screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    RealRandom caso;
    caso.reseed();
    const int seme =
        qBound(0, static_cast<int>(std::floor(caso.next() * CodiceScheda::kSemi)), CodiceScheda::kSemi - 1);
    const Risultato r = Scrivi(esito, seme);
    std::fputs(r.uscita.toLocal8Bit().constData(), stdout);
    std::fputs(r.errori.toLocal8Bit().constData(), stderr);
    return r.codice;
}

} // namespace SchedaDaRiga
