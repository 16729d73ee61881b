// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A worksheet's two A4 pages composed as elements, in millimetres from the top-left
// corner of the printable area: the sheet (the title, "Nome ____ Data ____", the
// clocks in a grid, each with its question) and the key "Soluzioni" (the same clocks
// with the hands where the answers put them, and each answer in figures and words).
// The code stands in the footer of both.

#include "ComposizioneQuadrante.h"
#include "EstrazioneScheda.h"

namespace Foglio {

// The height the pages use: what every printer prints of an A4 sheet.
inline constexpr double kAltezzaScheda = 280;

// The title proposed for a new sheet.
QString TitoloSchedaPredefinito();

// "Codice scheda: K4T-9QX-2MB".
QString TestoCodiceScheda(const CodiceScheda& codice);

// Where the dials of an item stand on a page `larghezza` millimetres wide: one dial,
// or two from left to right.
QVector<Quadrante> QuadrantiVoce(const SceltaScheda& scelta, int indice, TipoVoce tipo, double larghezza);

// One page: the sheet, or with `soluzioni` the key.
QVector<Elemento> ComponiScheda(const CodiceScheda& codice, const QString& titolo, bool soluzioni, double larghezza,
                                const MisuraTesto& misura);

} // namespace Foglio
