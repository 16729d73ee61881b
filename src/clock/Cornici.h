// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The small decorations of the main window's panels: the raised frame with a groove
// around the scene, painted on the window, and the bevels inside panels.

#include <QRect>

class PictureBox;
class QPainter;

namespace Cornici {

// The raised frame of eleven rings around a control of geometry `g`, the sixth ring a
// groove, painted with `p` on the control's parent.
void DisegnaCorniceEsterna(QPainter& p, const QRect& g);

// A raised bevel of `anelli` + 1 rings inside a panel, drawn into its picture: lighter
// at the top and left, darker at the bottom and right.
void DisegnaCorniceInterna(PictureBox* controllo, int anelli);

} // namespace Cornici
