// SPDX-License-Identifier: GPL-3.0-or-later
#include "Controlli.h"

#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QToolButton>

#include "ArrotondaPari.h"
#include "PictureBox.h"
#include "Risorse.h"

namespace Controlli {

int DaTwip(int twips)
{
    return ArrotondaPari(twips / 15.0);
}

QRect RettangoloTwip(int left, int top, int width, int height)
{
    return {DaTwip(left), DaTwip(top), DaTwip(width), DaTwip(height)};
}

QFont Arial(double punti, bool grassetto)
{
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(punti);
    f.setBold(grassetto);
    return f;
}

QString ColoreCss(const QColor& colore)
{
    return QStringLiteral("rgb(%1,%2,%3)").arg(colore.red()).arg(colore.green()).arg(colore.blue());
}

QString StileFuoco(const QString& classe, int spessore)
{
    // Yellow stands out on the grey, green, blue and red of every button face.
    return QStringLiteral("%1:focus{border:%2px solid rgb(255,255,0);}").arg(classe).arg(spessore);
}

PictureBox* CreaPannello(QWidget* parent, const QString& nome, int x, int y, int w, int h, const QColor& sfondo)
{
    auto* p = Crea<PictureBox>(parent, nome, x, y, w, h);
    p->setBackColor(sfondo);
    p->cls();
    return p;
}

QToolButton* CreaPulsanteGrafico(QWidget* parent, const QString& nome, const QString& figura, int x, int y,
                                 const QString& suggerimento, bool conStato)
{
    auto* b = Crea<QToolButton>(parent, nome, x, y, 38, 38);
    b->setIcon(QIcon(QPixmap::fromImage(Risorse::figura(figura, QSize(32, 32), 2.0))));
    b->setIconSize(QSize(32, 32));
    b->setToolTip(suggerimento);
    b->setCheckable(conStato);
    b->setFocusPolicy(Qt::TabFocus);
    b->setStyleSheet(QStringLiteral("QToolButton{background:rgb(192,192,192);border:2px outset rgb(224,224,224);}"
                                    "QToolButton:checked{background:rgb(128,255,128);border:2px inset rgb(96,96,96);}"
                                    "QToolButton:disabled{background:rgb(150,150,150);}")
                     + StileFuoco(QStringLiteral("QToolButton"), 2));
    return b;
}

QLabel* CreaImmagine(QWidget* parent, const QString& nome, const QString& figura, int x, int y, int w, int h)
{
    auto* l = Crea<QLabel>(parent, nome, x, y, w, h);
    l->setPixmap(QPixmap::fromImage(Risorse::figura(figura, QSize(w, h), 2.0)));
    l->setAttribute(Qt::WA_TranslucentBackground);
    return l;
}

QFrame* CreaLinea(QWidget* parent, const QString& nome, const QColor& colore)
{
    auto* f = new QFrame(parent);
    f->setObjectName(nome);
    f->setAutoFillBackground(true);
    QPalette pal = f->palette();
    pal.setColor(QPalette::Window, colore);
    f->setPalette(pal);
    return f;
}

void ColoraEtichetta(QLabel* etichetta, const QColor& sfondo, const QColor& testo)
{
    etichetta->setStyleSheet(
        QStringLiteral("QLabel{background:%1;color:%2;}").arg(ColoreCss(sfondo), ColoreCss(testo)));
}

void ColoraFinestraGrigia(QWidget* finestra)
{
    QPalette pal = finestra->palette();
    pal.setColor(QPalette::Window, QColor(192, 192, 192));
    pal.setColor(QPalette::Button, QColor(192, 192, 192));
    pal.setColor(QPalette::Disabled, QPalette::WindowText, QColor(128, 128, 128));
    pal.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(128, 128, 128));
    finestra->setPalette(pal);
    finestra->setAutoFillBackground(true);
}

} // namespace Controlli
