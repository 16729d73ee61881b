// SPDX-License-Identifier: GPL-3.0-or-later
#include "FoglioScheda.h"

#include <QPagedPaintDevice>
#include <QPainter>

#include "DisegnoElementi.h"
#include "FoglioPdf.h"

namespace Foglio {

QString NomePdfScheda(const CodiceScheda& codice)
{
    return QStringLiteral("Schede %1.pdf").arg(codice.testo());
}

PrintError DisegnaPaginaScheda(QPainter& p, const CodiceScheda& codice, const QString& titolo, bool soluzioni,
                               double larghezza)
{
    return DisegnaElementi(p, ComponiScheda(codice, titolo, soluzioni, larghezza, MisuraSuDispositivo(p.device())));
}

PrintError DisegnaSchede(QPainter& p, const CodiceScheda& codice, const QString& titolo, double larghezza)
{
    const PrintError prima = DisegnaPaginaScheda(p, codice, titolo, false, larghezza);
    if (prima != PrintError::None)
        return prima;
    auto* pagine = dynamic_cast<QPagedPaintDevice*>(p.device());
    if (!pagine || !pagine->newPage())
        return PrintError::NotSent;
    return DisegnaPaginaScheda(p, codice, titolo, true, larghezza);
}

QString SalvaSchedePdf(const QString& file, const CodiceScheda& codice, const QString& titolo)
{
    return SalvaDisegnoPdf(file, QStringLiteral("Tempolino - scheda ") + codice.testo(),
                           [&](QPainter& p, double larghezza) { return DisegnaSchede(p, codice, titolo, larghezza); });
}

} // namespace Foglio
