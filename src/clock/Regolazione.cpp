// The four small buttons beside the clock face that move the hands by hours and
// minutes when the clock stands still: showing them, one step, and the repeat
// while a button is held down.

#include "Controlli.h"
#include "frmClock.h"
#include "modTempolino.h"
#include "PassoOra.h"
#include "Platform.h"
#include "Suoni.h"
#include "TrattieniFinestra.h"

using namespace modTempolino;

namespace {

// How far the panel slides out of its resting place, over the clock face's edge.
constexpr int kScostamento = 15;

QString StileTasto(const QColor& sfondo, const QColor& testo)
{
    return QStringLiteral("QPushButton{background:%1;color:%2;border:1px outset rgb(224,224,224);padding:0;}"
                          "QPushButton:pressed{border:1px inset rgb(224,224,224);}")
        .arg(Controlli::ColoreCss(sfondo), Controlli::ColoreCss(testo));
}

} // namespace

void frmClock::MostraCmdTime(bool mostra)
{
    // The panel moves exactly once per change of state.
    if (mostra == RegolazioneAttiva)
        return;
    RegolazioneAttiva = mostra;
    // A button held down stops repeating as soon as the buttons are put away.
    if (!mostra)
        PulsantePremuto = false;

    for (QPushButton* b : cmdTime)
        b->setEnabled(mostra);

    if (mostra) {
        if (SuoniAttivi)
            SuonaEffetto(Suono::RegolazionePronta);
        picRegolazione->move(picRegolazione->x() + kScostamento, picRegolazione->y());
        picRegolazione->raise();
        // Each button takes the colour of the hand it moves.
        cmdTime[OreIndietro]->setStyleSheet(StileTasto(ColoreOre, Qt::white));
        cmdTime[OreAvanti]->setStyleSheet(StileTasto(ColoreOre, Qt::white));
        cmdTime[MinutiIndietro]->setStyleSheet(StileTasto(ColoreMinuti, Qt::white));
        cmdTime[MinutiAvanti]->setStyleSheet(StileTasto(ColoreMinuti, Qt::white));
    } else {
        picRegolazione->move(picRegolazione->x() - kScostamento, picRegolazione->y());
        const QString grigio = StileTasto(QColor(128, 128, 128), QColor(64, 64, 64));
        for (QPushButton* b : cmdTime)
            b->setStyleSheet(grigio);
    }
}

void frmClock::RegolaOra(int index)
{
    TempoCorrente = PassoOra(TempoCorrente, index);
    MostraOra(TempoCorrente);
}

void frmClock::cmdTime_MouseDown(int index)
{
    // Buttons that are put away do not move the clock while it follows the computer.
    if (index < 0 || index >= static_cast<int>(cmdTime.size()) || !cmdTime[index]->isEnabled()
        || !RegolazioneAttiva)
        return;

    // The loop lets the window's events run between steps; the release of the
    // button, a click on the mode buttons or the closing of the program can all
    // happen in there, so the state is looked at again after each of them.
    TrattieniFinestra guardia(this);
    EventPump& eventi = *platform().events;
    const auto chiusa = [&guardia] { return guardia.inChiusura(); };

    PulsantePremuto = true;
    const int D = PausaRipetizione(index);
    while (PulsantePremuto) {
        RegolaOra(index);
        eventi.processEvents();
        if (chiusa())
            return;
        if (SuoniAttivi) {
            SuonaEffetto(Suono::Passo);
            if (chiusa())
                return;
        }
        // One step at once, then one every three pauses while the button stays down.
        for (int i = 0; i < 3; ++i) {
            eventi.processEvents();
            if (chiusa())
                return;
            eventi.pause(D);
            if (chiusa())
                return;
        }
        eventi.processEvents();
        if (chiusa())
            return;
    }
}

void frmClock::cmdTime_MouseUp(int)
{
    PulsantePremuto = false;
}

void frmClock::cmdTime_Click(int)
{
    p1->setFocus();
}
