// Drawing the dial of the clock face: the shaded face, the bevelled rim, the
// minute dots and the hour marks in the chosen style. The dial is stored as the
// face's background picture, so a clock tick only has to clear back to it.

#include <QFont>
#include <cmath>

#include "frmClock.h"
#include "Lancette.h"
#include "modTempolino.h"
#include "NumeriRomani.h"
#include "Platform.h"
#include "Suoni.h"

using namespace modTempolino;

void frmClock::DisegnaQuadrante()
{
    const int R = Raggio;
    const int W = 2 * R + 28;
    const int H = 2 * R + 48;

    p1->clearPicture();
    p1->resize(W, H);
    p1->setScale(0, H, W, 0);
    p1->cls();
    CentroX = std::abs(static_cast<float>(p1->scaleWidth())) / 2;
    CentroY = std::abs(static_cast<float>(p1->scaleHeight())) / 2;

    p1->beginBatch();
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(14);
    f.setBold(true);
    p1->setDrawFont(f);
    p1->fillSolid = false;
    p1->drawWidth = 2;

    // The shading is a fill of overlapping rings: smoothing their edges would only cost time.
    p1->smooth = false;
    for (int i = 0; i <= R; ++i) {
        const int g = qBound(0, 235 - i, 255);
        p1->circle(CentroX, CentroY, i, QColor(g, g, g));
    }
    p1->smooth = true;
    for (int k = 1; k <= 6; ++k) {
        const int g = 100 + 18 * k;
        p1->circle(CentroX, CentroY, R + 1 + k, QColor(g, g, g));
    }
    for (int k = 1; k <= 6; ++k) {
        const int g = 200 - 18 * k;
        p1->circle(CentroX, CentroY, R + 7 + k, QColor(g, g, g));
    }

    p1->drawWidth = 1;
    p1->fillColor = ColoreQuadrante;
    p1->fillSolid = true;
    const bool punti = grpStyleNum->isSelected(0);
    for (int a = 0; a < 360; ++a) {
        if (a % 6 != 0)
            continue;
        const double rad = (90.0 - a) * kGradiInRadianti;
        float x = static_cast<float>(CentroX + 0.83 * R * std::cos(rad));
        float y = static_cast<float>(CentroY + 0.83 * R * std::sin(rad));
        if (a % 30 == 0) {
            if (punti) {
                if (a % 90 == 0)
                    p1->circle(x, y, 8, QColor(0, 0, 255));
                else
                    p1->circle(x, y, 5, Qt::white);
            } else {
                DisegnaQuarti(x, y, a);
            }
        } else {
            p1->circle(x, y, 1, ColoreQuadrante);
        }
    }
    p1->endBatch();
    p1->storeImageAsPicture();

    QFont piccolo(QStringLiteral("Arial"));
    piccolo.setPointSize(8);
    p1->setDrawFont(piccolo);
    ++DisegniQuadrante;
}

void frmClock::DisegnaQuarti(float& x, float& y, int angolo)
{
    if (angolo == 0)
        angolo = 360;
    const QString testo = grpStyleNum->isSelected(1) ? QString::number(angolo / 30) : NumeroRomano(angolo / 30);
    x = static_cast<float>(x - p1->textWidth(testo) / 2);
    y = static_cast<float>(y - p1->textHeight(testo) / 2);
    p1->currentX = x;
    p1->currentY = y;
    p1->foreColor = ColoreQuadrante;
    p1->print(testo);
}

void frmClock::optStyleNum_Click(int)
{
    p1->setFocus();
    platform().events->processEvents();
    if (SuoniAttivi)
        SuonaEffetto(Suono::Clic);
    BloccaAggiornamento(true);
    DisegnaQuadrante();
    MostraOra(TempoCorrente);
    BloccaAggiornamento(false);
}
