// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the message window looks and sounds for each message code, and its words of
// praise: plain data the window applies.

#include <QColor>
#include <QString>
#include <optional>

#include "Suoni.h"

// How the window looks and sounds for one message code.
struct AspettoMessaggio {
    QColor testo{Qt::black};     // text colour of the message
    QColor banda;                // fill of the bottom band; invalid: the design grey stays
    std::optional<Suono> suono;  // sound played on opening, if any
    int figura = 235;            // first of the two alarm-clock frames
    bool lode = false;           // a word of praise stands above the text
    bool pulsanteInizia = false; // the button reads "Inizia Test!"
    bool inBasso = false;        // the window opens near the bottom of the screen
    bool bandaLampeggia = false; // the band blinks light and dark green, no tick sound
};

AspettoMessaggio AspettoPerCodice(int codice);

// The praise word for a random draw r in [0, 1): five words with equal chances.
QString LodePerEstrazione(double r);
