// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Starting the window system. When the application object cannot reach any screen
// (no X server, no Wayland compositor, a display that does not answer), Qt reports
// it and aborts the process with code 134; so does a plugin that is not installed. While the application object is being
// made, the program instead says which of the two in one Italian line on standard error and ends
// with code 1; what Qt said meanwhile is kept back, and passed on only when the
// screen was found after all.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace ControlloSchermo {

// Call right before making the application object.
void Inizia();

// Call right after: the window system is up; Qt's messages go their usual way again.
void Riuscito();

// The line written when there is no screen.
const char* Messaggio();

// The platform plugin that Qt was asked for and did not find installed, from what Qt
// said while it started; empty when the plugin was there (and reached no screen).
QString ModuloMancante(const QStringList& messaggiQt);

// The line written when the platform plugin `nome` is not installed.
QByteArray MessaggioModulo(const QString& nome);

} // namespace ControlloSchermo
