// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Names and descriptions for screen readers and keyboard users.

class QWidget;

namespace Accessibilita {

// Gives the controls of a window that are known by a tooltip rather than a caption
// (picture buttons, boxes, pictures) the tooltip as accessible name, and every control
// with a tooltip the tooltip as description. Captions are read as they are; names
// already set are kept.
void ImpostaNomi(QWidget* finestra);

} // namespace Accessibilita
