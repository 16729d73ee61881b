// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The digital read-out under the clock face, `picAnalogic`: the part of the day
// ("Notte", "Mattino", "Pomeriggio", "Sera"), the time in figures and the choice
// between the 12-hour and the 24-hour view, on a shaded background.

#include <QLabel>
#include <QRadioButton>
#include <array>

#include "OptionGroup.h"
#include "PictureBox.h"
#include "TempoMostrato.h"

class LetturaDigitale : public PictureBox {
    Q_OBJECT
public:
    explicit LetturaDigitale(QWidget* parent = nullptr);

    // Writes the time of `campi` and the part of the day of the shown time T, unless
    // the read-out is hidden (the exercises hide it: it would give the answer away).
    void MostraOra(float T, const CampiOra& campi);
    // True with the 12-hour view chosen.
    bool dodiciOre() const { return grp12_24->isSelected(0); }
    // Shows the 12-hour (true) or the 24-hour view as chosen, wherever it was chosen;
    // the next MostraOra writes the time in it.
    void MostraVista(bool dodiciOre) { grp12_24->mark(dodiciOre ? 0 : 1); }

    // The controls the keyboard reaches, in order.
    QList<QWidget*> ordineTabulazione() const { return {opt12_24[0], opt12_24[1]}; }

    // Places the labels and the view buttons for the read-out's width.
    void Disponi();
    // The background shaded from white at the top downwards; clearing the panel brings it back.
    void DisegnaSfondoDigitale();

signals:
    // The child chose the 12-hour (0) or the 24-hour (1) view.
    void vistaScelta(int index);

private:
    QLabel* lblMPSN;
    QLabel* lblDigitalClock;
    std::array<QRadioButton*, 2> opt12_24;
    OptionGroup* grp12_24;
};
