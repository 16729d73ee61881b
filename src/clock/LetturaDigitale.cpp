// SPDX-License-Identifier: GPL-3.0-or-later
#include "LetturaDigitale.h"

#include <algorithm>

#include "AnelloFuoco.h"
#include "Controlli.h"

using Controlli::Crea;

LetturaDigitale::LetturaDigitale(QWidget* parent) : PictureBox(parent)
{
    setObjectName(QStringLiteral("picAnalogic"));
    setGeometry(56, 408, 409, 49);
    setBackColor(QColor(192, 192, 192));
    cls();

    lblMPSN = Crea<QLabel>(this, QStringLiteral("lblMPSN"), 0, 13, 142, 25);
    lblDigitalClock = Crea<QLabel>(this, QStringLiteral("lblDigitalClock"), 184, 6, 166, 35);
    for (QLabel* l : {lblMPSN, lblDigitalClock}) {
        Controlli::ColoraEtichetta(l, Qt::black, QColor(128, 255, 128));
        l->setAlignment(Qt::AlignCenter);
    }
    lblMPSN->setFont(Controlli::Arial(12, true));
    lblMPSN->setText(QStringLiteral("Mattino"));
    lblDigitalClock->setFont(Controlli::Arial(18, true));
    lblDigitalClock->setText(QStringLiteral("Label4"));

    grp12_24 = new OptionGroup(this);
    grp12_24->setObjectName(QStringLiteral("grp12_24"));
    const char* testi[2] = {"12 h", "24 h"};
    for (int i = 0; i < 2; ++i) {
        opt12_24[i] = Crea<QRadioButton>(this, QStringLiteral("opt12_24_%1").arg(i), 360, i == 0 ? 6 : 24, 33, 17);
        opt12_24[i]->setText(QString::fromLatin1(testi[i]));
        // A small indicator leaves room for the whole caption in the 33-pixel button.
        opt12_24[i]->setStyleSheet(QStringLiteral("QRadioButton{background:rgb(192,255,192);color:black;spacing:1px;}"
                                                  "QRadioButton::indicator{width:8px;height:8px;}"));
        opt12_24[i]->setFont(Controlli::Arial(7));
        grp12_24->add(opt12_24[i]);
        new AnelloFuoco(opt12_24[i], 2);
    }
    opt12_24[1]->setChecked(true);
    connect(grp12_24, &OptionGroup::clicked, this, &LetturaDigitale::vistaScelta);
}

void LetturaDigitale::MostraOra(float T, const CampiOra& campi)
{
    if (isHidden())
        return;
    const QString lettura = TestoLettura(campi, dodiciOre());
    if (lblDigitalClock->text() != lettura)
        lblDigitalClock->setText(lettura);
    const QString parte = ParteDelGiorno(T, lblMPSN->text());
    if (lblMPSN->text() != parte)
        lblMPSN->setText(parte);
}

void LetturaDigitale::Disponi()
{
    lblMPSN->move(10, lblMPSN->y());
    opt12_24[0]->move(width() - opt12_24[0]->width() - 10, opt12_24[0]->y());
    opt12_24[1]->move(opt12_24[0]->x(), opt12_24[1]->y());
    lblDigitalClock->move(opt12_24[0]->x() - lblDigitalClock->width() - 10, lblDigitalClock->y());
}

void LetturaDigitale::DisegnaSfondoDigitale()
{
    // White at the top, darker downwards, line by line.
    const int altezza = height();
    const int larghezza = width();
    beginBatch();
    for (int i = 0; i <= altezza; ++i) {
        const int g = std::clamp(255 - 4 * i, 0, 255);
        box(0, i, larghezza, i + 1, QColor(g, g, g), true);
    }
    endBatch();
    storeImageAsPicture();
    refresh();
}
