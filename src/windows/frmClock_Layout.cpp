// SPDX-License-Identifier: GPL-3.0-or-later
// Placing the main window's groups relative to the clock face and the window's
// inner size (everything inside a group keeps its design position), and the raised
// frames the window paints around its marked panels.

#include <QPainter>
#include <QResizeEvent>
#include <cmath>

#include "ArrotondaPari.h"
#include "Cornici.h"
#include "frmClock.h"
#include "modTempolino.h"

using modTempolino::Scala;

namespace {
// Design heights that the placement rules read.
constexpr int kAltezzaAnalogic = 49;
constexpr int kAltezzaTest = 140;
constexpr int kAltezzaCommand = 537;
} // namespace

void frmClock::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

void frmClock::Form_Resize()
{
    const int W = width();
    const int H = height();

    p1->move((W - p1->width()) / 2, (H - p1->height()) / 2 - 90);

    picAnalogic->setGeometry((W - p1->width()) / 2, p1->y() + p1->height(), p1->width(), kAltezzaAnalogic);
    picAnalogic->Disponi();

    // The scene: x in pixels, y in 256 units over its height.
    const int larghezzaScena = ArrotondaPari(Scala * 110);
    const int altezzaScena = ArrotondaPari(Scala * 130);
    picWindows->Disponi(larghezzaScena, altezzaScena);
    picWindows->move(p1->x() - larghezzaScena - 60, p1->y() + 200);

    mappaFusi->PosaGlobo(QPoint(picWindows->x() + larghezzaScena / 2 - mappaFusi->globo()->width() / 2, 50));

    const int topComandi = Scala > 1 ? p1->y() : p1->y() + p1->height() + 5 + kAltezzaTest - kAltezzaCommand;
    picCommand->setGeometry(W - picCommand->width() - 20, topComandi, picCommand->width(), kAltezzaCommand);

    picTest->Disponi(
        QRect(picWindows->x() - 6, picAnalogic->y() + 5, picCommand->x() - (picWindows->x() - 6) - 40, kAltezzaTest));

    const int altezzaMappa = ArrotondaPari(Scala * 100);
    mappaFusi->Disponi(
        QRect((W - p1->width()) / 2, picAnalogic->y() + kAltezzaAnalogic + 5, p1->width(), altezzaMappa));

    // The adjustment panel rests 15 pixels over the face's right edge and slides out when usable.
    const bool attiva = picRegolazione->regolazioneAttiva();
    picRegolazione->move(p1->x() + p1->width() - 15 + (attiva ? 15 : 0),
                         p1->y() + p1->height() / 2 - picRegolazione->height() / 2);
    if (attiva)
        picRegolazione->raise();

    PosizionaComandoLavagna();

    // The window's frames follow the moved controls.
    if (!m_bloccato)
        update();
}

namespace {
// The mark a control carries once it wants the frame drawn around it on the window.
const char* const kCorniceEsterna = "corniceEsterna";
} // namespace

void frmClock::DisegnaCorniceEsterna(QWidget* controllo)
{
    if (!controllo)
        return;
    // The frame lies on the window around the control; the window paints it on every repaint.
    controllo->setProperty(kCorniceEsterna, true);
    CornicePronta = true;
    update();
}

void frmClock::DisegnaCorniceInterna(PictureBox* controllo, int anelli)
{
    Cornici::DisegnaCorniceInterna(controllo, anelli);
}

void frmClock::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    if (!CornicePronta)
        return;
    QPainter p(this);
    for (QObject* o : children()) {
        auto* c = qobject_cast<QWidget*>(o);
        if (c && c->property(kCorniceEsterna).toBool() && !c->isHidden())
            Cornici::DisegnaCorniceEsterna(p, c->geometry());
    }
}
