// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The four small buttons beside the clock face, `picRegolazione`, that move the hands
// by hours and minutes while the clock stands still: put away (greyed, tucked under
// the face's edge) or usable (coloured as the hands they move, slid out), one step
// per press and more while a button is held down: the buttons repeat by themselves,
// a step every 150 ms for the minutes and every 300 ms for the hours.

#include <QFrame>
#include <QPushButton>
#include <array>

#include "PictureBox.h"

class PannelloRegolazione : public PictureBox {
    Q_OBJECT
public:
    // The buttons take the colours of the hands they move.
    PannelloRegolazione(QWidget* parent, const QColor& coloreOre, const QColor& coloreMinuti);

    // Makes the buttons usable (with sound 103) or puts them away; the panel moves once
    // per change. Putting them away also ends a held button's repeat.
    void MostraCmdTime(bool mostra);
    bool regolazioneAttiva() const { return RegolazioneAttiva; }
    // A button is held down.
    bool pulsantePremuto() const;

    // The centre of a button, in screen coordinates.
    QPoint centroPulsante(int index) const;
    // The buttons the keyboard reaches, in order: hours forward first.
    QList<QWidget*> ordineTabulazione() const;

signals:
    // One step of button `index` (see PassoOra.h).
    void passo(int index);
    // A button was let go: the focus goes back to the clock face.
    void cliccato();

private:
    // A button pressed, and each repeat while it stays down: one step, with sound 105.
    void cmdTime_MouseDown(int index);

    std::array<QPushButton*, 4> cmdTime;
    QFrame* Shape1;
    QColor m_coloreOre, m_coloreMinuti;
    bool RegolazioneAttiva = false;
};
