#pragma once
// The four small buttons beside the clock face, `picRegolazione`, that move the hands
// by hours and minutes while the clock stands still: put away (greyed, tucked under
// the face's edge) or usable (coloured as the hands they move, slid out), one step
// per press and more while a button is held down.

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

    // A button pressed: one step at once, then one every three pauses while it stays
    // down (50 ms pauses for the minutes, 100 ms for the hours), with sound 105 each
    // time when the sounds are on. Returns when the button is released, the buttons
    // are put away or the program closes.
    void cmdTime_MouseDown(int index);
    void cmdTime_MouseUp(int index);
    bool pulsantePremuto() const { return PulsantePremuto; }

    // The centre of a button, in screen coordinates.
    QPoint centroPulsante(int index) const;
    // The buttons the keyboard reaches, in order: hours forward first.
    QList<QWidget*> ordineTabulazione() const;

signals:
    // One step of button `index` (see PassoOra.h).
    void passo(int index);
    // A button was clicked: the focus goes back to the clock face.
    void cliccato();

private:
    std::array<QPushButton*, 4> cmdTime;
    QFrame* Shape1;
    QColor m_coloreOre, m_coloreMinuti;
    bool PulsantePremuto = false;
    bool RegolazioneAttiva = false;
};
