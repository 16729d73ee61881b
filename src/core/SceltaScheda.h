// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a teacher chooses for a worksheet of the class: the kinds of item, the level
// of the times, the wording of the answers, how many clocks on the page and the
// dial's numerals. A sheet's code holds these choices and the draw.

#include <QString>
#include <QVector>

#include "Livelli.h"
#include "OraInParole.h"
#include "StileQuadrante.h"

// The kinds of item on a worksheet.
enum class TipoVoce {
    Leggi = 0,        // a clock with hands, a line to write the time
    Disegna = 1,      // an empty dial and a time in figures
    DisegnaDetto = 2, // an empty dial and the time in words
    QuantoTempo = 3,  // two clocks: how long from the first to the second
    CheOreSaranno = 4 // a clock and "tra …": the new time
};

constexpr int kNumeroTipiVoce = 5;

// The kind's name as the window lists it: "Leggi l'orologio" ...
QString NomeTipoVoce(TipoVoce tipo);

// The numbers of clocks a page may hold.
inline const QVector<int>& QuantitaPossibili()
{
    static const QVector<int> quante{4, 6, 9, 12};
    return quante;
}

struct SceltaScheda {
    // One bit for each kind chosen (bit n for TipoVoce n); at least one.
    int tipi = (1 << static_cast<int>(TipoVoce::Leggi)) | (1 << static_cast<int>(TipoVoce::Disegna));
    Livello livello = Livello::Quarti;
    FormaOra forma = FormaOra::Maestra;
    int quanti = 6;
    StileQuadrante numeri = StileQuadrante::Arabi;

    bool ha(TipoVoce tipo) const { return (tipi >> static_cast<int>(tipo)) & 1; }
    // The kinds chosen, in the order of the list.
    QVector<TipoVoce> tipiScelti() const;
    // True when every choice is one the window offers.
    bool valida() const;

    bool operator==(const SceltaScheda&) const = default;
};
