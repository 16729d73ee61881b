// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScatolaMessaggio.h"

#include <QGuiApplication>
#include <QScreen>
#include <QShowEvent>
#include <QWindow>

ScatolaMessaggio::ScatolaMessaggio(QWidget* parent) : QMessageBox(parent) {}

void ScatolaMessaggio::showEvent(QShowEvent* event)
{
    // Qt sizes the box here for its screen and, for a box without a parent, centres it
    // on the screen under the pointer. With several screens the box is sized for the
    // primary one and moved to its centre, before the window system shows it.
    QScreen* primario = QGuiApplication::primaryScreen();
    QWindow* finestra = windowHandle();
    const bool sulPrimario =
        !parentWidget() && !event->spontaneous() && primario && finestra && primario->virtualSiblings().size() > 1;
    if (sulPrimario)
        finestra->setScreen(primario);
    QMessageBox::showEvent(event);
    if (!sulPrimario)
        return;
    // Qt's placing has just put the window on the pointer's screen again.
    finestra->setScreen(primario);
    move(primario->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}
