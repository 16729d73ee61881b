// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's sound switch for a window tested without the main window (the
// curiosities, a message): a clock's state of its own, named the program's for as
// long as this lives. With the main window, its own state is the switch.

#include "StatoOrologio.h"
#include "modTempolino.h"

struct InterruttoreSuoni {
    StatoOrologio stato{[] { return 0.0; }};
    explicit InterruttoreSuoni(bool acceso = true)
    {
        modTempolino::UsaStatoOrologio(&stato);
        stato.ImpostaSuoniAttivi(acceso);
    }
    ~InterruttoreSuoni() { modTempolino::UsaStatoOrologio(nullptr); }
    InterruttoreSuoni(const InterruttoreSuoni&) = delete;
    InterruttoreSuoni& operator=(const InterruttoreSuoni&) = delete;
    void imposta(bool acceso) { stato.ImpostaSuoniAttivi(acceso); }
};
