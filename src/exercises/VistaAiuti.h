// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the exercise controller needs of the exercise area to help the child after a
// wrong answer: a hint line and the button that shows the solution. The final test
// uses neither. A controller without it (the windowless tests) gives no help.

#include <QString>

class VistaAiuti {
public:
    virtual ~VistaAiuti() = default;

    // The hint line under the instruction, in place of the typed prompt; the empty text
    // takes it away and brings the prompt back.
    virtual void MostraSuggerimento(const QString& testo) = 0;
    // The button "Mostra la soluzione".
    virtual void MostraPulsanteSoluzione(bool mostra) = 0;
};
