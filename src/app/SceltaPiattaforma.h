// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which of Qt's window systems the program uses. In a Wayland session it runs as a
// Wayland program, and through XWayland only when the Wayland plugin cannot start;
// the user's own QT_QPA_PLATFORM, or -platform on the command line, wins.

#include <QByteArray>
#include <QStringList>

class SceltaPiattaforma {
public:
    // Chooses before the application object is made; the environment goes back to
    // what it was when this object ends, so the programs this one opens get it unchanged.
    explicit SceltaPiattaforma(const QStringList& argomenti);
    ~SceltaPiattaforma();
    SceltaPiattaforma(const SceltaPiattaforma&) = delete;
    SceltaPiattaforma& operator=(const SceltaPiattaforma&) = delete;

    // The platforms to ask Qt for, given the command line and the environment;
    // empty when the choice is left to the user's setting or to Qt.
    static QByteArray Scelta(const QStringList& argomenti, const QByteArray& qtQpaPlatform,
                             const QByteArray& waylandDisplay, const QByteArray& tipoSessione);

private:
    bool m_impostata = false;
};
