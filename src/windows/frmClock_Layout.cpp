// Placing the main window's groups relative to the clock face and the window's
// inner size; everything inside a group keeps its design position.

#include <QResizeEvent>
#include <cmath>

#include "ArrotondaPari.h"
#include "frmClock.h"
#include "modTempolino.h"
#include "Platform.h"

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
    lblMPSN->move(10, lblMPSN->y());
    opt12_24[0]->move(picAnalogic->width() - opt12_24[0]->width() - 10, opt12_24[0]->y());
    opt12_24[1]->move(opt12_24[0]->x(), opt12_24[1]->y());
    lblDigitalClock->move(opt12_24[0]->x() - lblDigitalClock->width() - 10, lblDigitalClock->y());

    // The scene: x in pixels, y in 256 units over its height.
    const int larghezzaScena = ArrotondaPari(Scala * 110);
    const int altezzaScena = ArrotondaPari(Scala * 130);
    picWindows->resize(larghezzaScena, altezzaScena);
    picWindows->setScale(0, 0, larghezzaScena, 256);
    picWindows->drawWidth = 1;
    picWindows->move(p1->x() - larghezzaScena - 60, p1->y() + 200);
    // The window bar: two vertical lines 2 pixels apart in the middle, two horizontal
    // lines 2 units apart at half height; each on the pixel its coordinate falls in.
    const double w = larghezzaScena, iw = picWindows->scaleWidth(), ih = picWindows->scaleHeight();
    auto colonna = [&](double x) { return static_cast<int>(std::floor(picWindows->toPixel(x, 0).x())); };
    auto riga = [&](double y) { return static_cast<int>(std::floor(picWindows->toPixel(0, y).y())); };
    linX[0]->setGeometry(colonna(w / 2 - 1), 0, 1, altezzaScena);
    linX[1]->setGeometry(colonna(w / 2 + 1), 0, 1, altezzaScena);
    linX[2]->setGeometry(0, riga(ih / 2), colonna(iw), 1);
    linX[3]->setGeometry(0, riga(ih / 2 + 2), colonna(iw), 1);

    imgTerra->move(picWindows->x() + larghezzaScena / 2 - imgTerra->width() / 2, 50);

    const int topComandi = Scala > 1 ? p1->y()
                                     : p1->y() + p1->height() + 5 + kAltezzaTest - kAltezzaCommand;
    picCommand->setGeometry(W - picCommand->width() - 20, topComandi, picCommand->width(), kAltezzaCommand);

    picTest->setGeometry(picWindows->x() - 6, picAnalogic->y() + 5, picCommand->x() - (picWindows->x() - 6) - 40,
                         kAltezzaTest);
    picInput->move(picTest->width() - picInput->width() - 10, picInput->y());
    lblMessaggioTest->setGeometry(optTest[0]->x() + optTest[0]->width() + 20, lblMessaggioTest->y(),
                                  picInput->x() - (optTest[0]->x() + optTest[0]->width() + 20) - 10,
                                  lblMessaggioTest->height());
    imgIndicaOK->move(picInput->x() - imgIndicaOK->width() - 5, picInput->y() + cmdVerificaTest->y());
    lblPremiOK->setGeometry(lblMessaggioTest->x(), imgIndicaOK->y() + 10, lblMessaggioTest->width(),
                            lblPremiOK->height());

    const int altezzaMappa = ArrotondaPari(Scala * 100);
    picfusi->setGeometry((W - p1->width()) / 2, picAnalogic->y() + kAltezzaAnalogic + 5, p1->width(), altezzaMappa);
    const int fw = ArrotondaPari(picfusi->width() / 25.0), fh = altezzaMappa - 12;
    shpFusoGiorno->setGeometry(shpFusoGiorno->x(), 6, fw, fh);
    shpFusoNotte->setGeometry(shpFusoNotte->x(), 6, fw, fh);
    imglunap->move(imglunap->x(), shpFusoNotte->y() + 4);
    imgsolep->move(imgsolep->x(), shpFusoGiorno->y() + 4);

    // The adjustment panel rests 15 pixels over the face's right edge and slides out when usable.
    picRegolazione->move(p1->x() + p1->width() - 15 + (RegolazioneAttiva ? 15 : 0),
                         p1->y() + p1->height() / 2 - picRegolazione->height() / 2);
    if (RegolazioneAttiva)
        picRegolazione->raise();

    // Let the moved controls settle, then repaint the window with its frames.
    platform().events->processEvents();
    if (!m_bloccato)
        update();
}
