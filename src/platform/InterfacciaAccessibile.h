// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Screen readers reach a widget through an interface that Qt makes on first need and
// keeps. A widget may be asked for it while it is still being built (setting its
// accessible name does that), before the program has said how it should be seen.

class QObject;

// Forgets the interface made so far for the object, so that the next question makes it
// anew through the factories installed since.
void RinnovaInterfacciaAccessibile(QObject* oggetto);
