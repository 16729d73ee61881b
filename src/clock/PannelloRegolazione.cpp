// SPDX-License-Identifier: GPL-3.0-or-later
#include "PannelloRegolazione.h"

#include "ArrotondaPari.h"
#include "Controlli.h"
#include "PassoOra.h"
#include "Suoni.h"
#include "modTempolino.h"

using namespace modTempolino;

namespace {

// How far the panel slides out of its resting place, over the clock face's edge.
constexpr int kScostamento = 15;

QString StileTasto(const QColor& sfondo, const QColor& testo)
{
    // The focus ring comes before the pressed look, which a button held down shows instead.
    return QStringLiteral("QPushButton{background:%1;color:%2;border:1px outset rgb(224,224,224);padding:0;}")
               .arg(Controlli::ColoreCss(sfondo), Controlli::ColoreCss(testo))
        + Controlli::StileFuoco(QStringLiteral("QPushButton"), 1)
        + QStringLiteral("QPushButton:pressed{border:1px inset rgb(224,224,224);}");
}

} // namespace

PannelloRegolazione::PannelloRegolazione(QWidget* parent, const QColor& coloreOre, const QColor& coloreMinuti)
    : PictureBox(parent), m_coloreOre(coloreOre), m_coloreMinuti(coloreMinuti)
{
    setObjectName(QStringLiteral("picRegolazione"));
    setGeometry(264, 8, 33, 65);
    setBackColor(Qt::black);
    cls();
    Shape1 = Controlli::CreaLinea(this, QStringLiteral("Shape1"), Qt::black);
    Shape1->setGeometry(0, 24, 17, 17);
    Shape1->setFrameStyle(QFrame::Box | QFrame::Plain);
    Shape1->setStyleSheet(QStringLiteral("QFrame{border:1px solid rgb(224,224,224);background:black;}"));
    const char* testi[4] = {"—", "—", "+", "+"};
    const char* suggerimenti[4] = {"Ore indietro", "Minuti indietro", "Minuti avanti", "Ore avanti "};
    for (int i = 0; i < 4; ++i) {
        cmdTime[i] = Controlli::Crea<QPushButton>(this, QStringLiteral("cmdTime_%1").arg(i), 16, 48 - 16 * i, 17, 17);
        cmdTime[i]->setText(QString::fromUtf8(testi[i]));
        cmdTime[i]->setToolTip(QString::fromUtf8(suggerimenti[i]));
        // Screen readers say what the button does, not "+" or "—".
        cmdTime[i]->setAccessibleName(cmdTime[i]->toolTip().trimmed());
        cmdTime[i]->setFont(Controlli::Arial(12, i <= 1));
        cmdTime[i]->setEnabled(false);
        cmdTime[i]->setStyleSheet(QStringLiteral("QPushButton{background:rgb(128,128,128);color:black;"
                                                 "border:1px outset rgb(224,224,224);padding:0;}"));
        // Held down, a button steps again after three of its pauses and then every three
        // pauses, pressing itself anew each time, until it is let go.
        const int ripetizione = 3 * PausaRipetizione(i);
        cmdTime[i]->setAutoRepeat(true);
        cmdTime[i]->setAutoRepeatDelay(ripetizione);
        cmdTime[i]->setAutoRepeatInterval(ripetizione);
        connect(cmdTime[i], &QPushButton::pressed, this, [this, i] { cmdTime_MouseDown(i); });
        // A repeat also clicks the button while it is still down; only letting it go gives
        // the focus back to the face.
        connect(cmdTime[i], &QPushButton::clicked, this, [this, i] {
            if (!cmdTime[i]->isDown())
                emit cliccato();
        });
    }
}

void PannelloRegolazione::MostraCmdTime(bool mostra)
{
    // The panel moves exactly once per change of state.
    if (mostra == RegolazioneAttiva)
        return;
    RegolazioneAttiva = mostra;
    // A button held down stops repeating as soon as the buttons are put away.
    if (!mostra)
        for (QPushButton* b : cmdTime)
            b->setDown(false);

    for (QPushButton* b : cmdTime)
        b->setEnabled(mostra);

    if (mostra) {
        Suona(Suono::RegolazionePronta);
        move(x() + kScostamento, y());
        raise();
        // Each button takes the colour of the hand it moves.
        cmdTime[OreIndietro]->setStyleSheet(StileTasto(m_coloreOre, Qt::white));
        cmdTime[OreAvanti]->setStyleSheet(StileTasto(m_coloreOre, Qt::white));
        cmdTime[MinutiIndietro]->setStyleSheet(StileTasto(m_coloreMinuti, Qt::white));
        cmdTime[MinutiAvanti]->setStyleSheet(StileTasto(m_coloreMinuti, Qt::white));
    } else {
        move(x() - kScostamento, y());
        const QString grigio = StileTasto(QColor(128, 128, 128), QColor(64, 64, 64));
        for (QPushButton* b : cmdTime)
            b->setStyleSheet(grigio);
    }
}

void PannelloRegolazione::cmdTime_MouseDown(int index)
{
    // Buttons that are put away do not move the clock while it follows the computer.
    if (index < 0 || index >= static_cast<int>(cmdTime.size()) || !cmdTime[index]->isEnabled() || !RegolazioneAttiva)
        return;
    emit passo(index);
    Suona(Suono::Passo);
}

bool PannelloRegolazione::pulsantePremuto() const
{
    for (const QPushButton* b : cmdTime)
        if (b->isDown())
            return true;
    return false;
}

QPoint PannelloRegolazione::centroPulsante(int index) const
{
    const QPushButton* b = cmdTime[static_cast<size_t>(index)];
    const int x = ArrotondaPari(b->x() + b->width() / 2.0);
    const int y = ArrotondaPari(b->y() + b->height() / 2.0);
    return mapToGlobal(QPoint(x, y));
}

QList<QWidget*> PannelloRegolazione::ordineTabulazione() const
{
    return {cmdTime[3], cmdTime[2], cmdTime[1], cmdTime[0]};
}
