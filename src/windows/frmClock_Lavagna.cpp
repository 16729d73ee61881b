// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's way into the class clock: a button of its own beside the command
// panel, level with "Esercizi", and the key F11; not during the exercises, where the
// class clock would move the hands of the question.

#include <QShortcut>

#include "Controlli.h"
#include "Suoni.h"
#include "frmClock.h"
#include "frmLavagna.h"
#include "modTempolino.h"

namespace {
bool g_lavagnaAllAvvio = false;
} // namespace

void frmClock::ApriLavagnaAllAvvio()
{
    g_lavagnaAllAvvio = true;
}

bool frmClock::LavagnaAllAvvio()
{
    return g_lavagnaAllAvvio;
}

void frmClock::CreaComandoLavagna()
{
    cmdLavagna = Controlli::CreaPulsanteGrafico(this, QStringLiteral("cmdLavagna"), QStringLiteral("cmdLavagna"), 0, 0,
                                                QStringLiteral("Orologio per la classe (F11)"), false);
    cmdLavagna->setAccessibleName(QStringLiteral("Orologio per la classe"));
    connect(cmdLavagna, &QToolButton::clicked, this, &frmClock::cmdLavagna_Click);
    tastoLavagna = new QShortcut(QKeySequence(Qt::Key_F11), this);
    tastoLavagna->setObjectName(QStringLiteral("tastoLavagna"));
    connect(tastoLavagna, &QShortcut::activated, this, &frmClock::cmdLavagna_Click);
}

void frmClock::PosizionaComandoLavagna()
{
    // Left of the command panel, level with its first button.
    cmdLavagna->move(picCommand->x() - cmdLavagna->width() - 12, picCommand->y() + 8);
}

void frmClock::AbilitaLavagna(bool abilita)
{
    cmdLavagna->setEnabled(abilita);
    tastoLavagna->setEnabled(abilita);
}

void frmClock::cmdLavagna_Click()
{
    if (m_inEsercizi)
        return;
    modTempolino::Suona(Suono::Clic);
    if (!m_lavagna)
        m_lavagna = new frmLavagna(m_stato, this);
    m_lavagna->Apri();
}
