// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmSplashClock.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QRegion>
#include <QScreen>
#include <QTimer>
#include <cmath>

#include "ArrotondaPari.h"
#include "Platform.h"
#include "Suoni.h"
#include "modTempolino.h"

using namespace modTempolino;

namespace {
frmSplashClock* g_splash = nullptr;
constexpr double kGradi = 0.0174533;
} // namespace

frmSplashClock::frmSplashClock(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmSplashClock"));
    setWindowTitle(QStringLiteral("Tempolino"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    superficie = new PictureBox(this);
    superficie->setObjectName(QStringLiteral("superficieSplash"));
    superficie->setBackColor(Qt::black);
    superficie->installEventFilter(this);
    tmrClock = new QTimer(this);
    tmrClock->setObjectName(QStringLiteral("tmrClock"));
    tmrClock->setInterval(600);
    connect(tmrClock, &QTimer::timeout, this, &frmSplashClock::tmrClock_Timer);
}

frmSplashClock* frmSplashClock::istanza()
{
    if (!g_splash)
        g_splash = new frmSplashClock;
    return g_splash;
}

bool frmSplashClock::caricato()
{
    return g_splash != nullptr;
}

void frmSplashClock::scarica()
{
    if (!g_splash)
        return;
    g_splash->tmrClock->stop();
    g_splash->hide();
    delete g_splash;
    g_splash = nullptr;
}

void frmSplashClock::Form_Load()
{
    tmrClock->stop();
    // 400 x 400 logical pixels: the window and its circle stay together at any screen density.
    resize(400, 400);
    superficie->setGeometry(0, 0, 400, 400);
    // At the centre of the program's screen (where the window system lets a program
    // place its windows).
    move(platform().desktop->screenGeometry().center() - QPoint(200, 200));
    RitagliaForm();
    R = 184;
    m_inizio = platform().clock->elapsedSeconds();
    DisegnaOrologioSplash();
    show();
    tmrClock_Timer();
    tmrClock->start();
    // The window system shows the window when it has placed it, and the face is painted
    // then; what comes next waits for that, a tenth of a second at most.
    QTimer::singleShot(100, this, &frmSplashClock::AnnunciaSuSchermo);
}

bool frmSplashClock::eventFilter(QObject* oggetto, QEvent* evento)
{
    // Once the first paint has reached the screen (the event loop's next turn).
    if (oggetto == superficie && evento->type() == QEvent::Paint && !m_suSchermo)
        QTimer::singleShot(0, this, &frmSplashClock::AnnunciaSuSchermo);
    return QWidget::eventFilter(oggetto, evento);
}

void frmSplashClock::AnnunciaSuSchermo()
{
    if (m_suSchermo)
        return;
    m_suSchermo = true;
    emit suSchermo();
}

void frmSplashClock::closeEvent(QCloseEvent* evento)
{
    // Only a close from outside comes here: the program unloads the splash without one.
    // Closed before it was even painted, the main window is not built at all.
    QWidget::closeEvent(evento);
    m_suSchermo = true;
    emit chiusa();
}

void frmSplashClock::RitagliaForm()
{
    const QRegion cerchio(0, 0, 400, 400, QRegion::Ellipse);
    if (platform().desktop->shapesAndPlacesWindows()) {
        setMask(cerchio);
    } else {
        // The window stays a square for the window system, see-through outside the
        // circle: the surface paints only inside it.
        setAttribute(Qt::WA_TranslucentBackground);
        superficie->setMask(cerchio);
    }
    update();
}

void frmSplashClock::DisegnaOrologioSplash()
{
    superficie->clearPicture();
    superficie->cls();
    cx = ArrotondaPari(superficie->width() / 2.0);
    cy = ArrotondaPari(superficie->height() / 2.0);
    superficie->beginBatch();
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(18);
    f.setBold(true);
    superficie->setDrawFont(f);
    superficie->fillSolid = false;
    superficie->drawWidth = 2;

    // The face and its rim are fills of overlapping rings, drawn without smoothing as the
    // main dial is: smoothed, they would take most of the time before the splash shows.
    superficie->smooth = false;
    for (int i = 0; i <= R; ++i)
        superficie->circle(cx, cy, i, QColor(255 - i, 50, 50));
    int k = 0;
    for (int i = R + 2; i <= R + 7; ++i) {
        k += 18;
        superficie->circle(cx, cy, i, QColor(100 + k, 0, 0));
    }
    k = 0;
    for (int i = R + 8; i <= R + 13; ++i) {
        k += 18;
        superficie->circle(cx, cy, i, QColor(200 - k, 0, 0));
    }
    superficie->smooth = true;

    superficie->drawWidth = 1;
    superficie->fillSolid = true;
    superficie->fillColor = Qt::white;
    for (int a = 0; a < 360; ++a) {
        int x = ArrotondaPari(std::cos((a + 270) * kGradi) * 0.83 * R + cx);
        int y = ArrotondaPari(std::sin((a + 270) * kGradi) * 0.83 * R + cy);
        if (a % 30 == 0) {
            DisegnaQuarti(x, y, a);
        } else if (a % 6 == 0) {
            // A minute dot: red ring, white inside.
            superficie->circle(x, y, 1, QColor(255, 0, 0));
        }
    }

    auto centrato = [this](const QString& testo, int y, const QColor& colore, int punti, bool grassetto) {
        QFont ft(QStringLiteral("Arial"));
        ft.setPointSize(punti);
        ft.setBold(grassetto);
        superficie->setDrawFont(ft);
        superficie->foreColor = colore;
        superficie->currentX = (superficie->width() - superficie->textWidth(testo)) / 2;
        superficie->currentY = y;
        superficie->print(testo);
    };
    centrato(QStringLiteral("Impara a leggere l'orologio con"), 100, Qt::white, 10, true);
    centrato(QStringLiteral("Tempolino"), 130, QColor(255, 255, 0), 18, true);
    centrato(QStringLiteral("Gli autori di Tempolino - 2026"), 260, Qt::white, 10, false);
    superficie->endBatch();
    superficie->storeImageAsPicture();

    QFont piccolo(QStringLiteral("Arial"));
    piccolo.setPointSize(8);
    superficie->setDrawFont(piccolo);
}

void frmSplashClock::DisegnaQuarti(int& x, int& y, int angolo)
{
    const QString testo = QString::number(angolo == 0 ? 12 : angolo / 30);
    x = ArrotondaPari(x - superficie->textWidth(testo) / 2);
    y = ArrotondaPari(y - superficie->textHeight(testo) / 2);
    superficie->currentX = x;
    superficie->currentY = y;
    superficie->foreColor = Qt::white;
    superficie->print(testo);
}

void frmSplashClock::tmrClock_Timer()
{
    ore = t / 360.0f;
    minuti = (t - std::floor(ore) * 360.0f) / 6.0f;
    superficie->foreColor = Qt::white;
    superficie->cls();
    superficie->beginBatch();
    DisegnaLancetteSplash(ArrotondaPari(R * 0.48), ArrotondaPari(R * 0.06), QStringLiteral("sOre"));
    DisegnaLancetteSplash(ArrotondaPari(R * 0.68), ArrotondaPari(R * 0.05), QStringLiteral("sMinuti"));
    superficie->fillColor = Qt::white;
    superficie->fillSolid = true;
    superficie->circle(cx, cy, 5, Qt::black);
    superficie->endBatch();
    if (t > 0)
        SuonaEffetto(Suono::Ticchettio);
    t = static_cast<short>(t + 45);
    if (t >= 8640)
        t = 0;
}

void frmSplashClock::DisegnaLancetteSplash(int L, int W, const QString& nome)
{
    double A = 0;
    if (nome == QLatin1String("sMinuti")) {
        superficie->fillColor = QColor(255, 0, 0);
        A = minuti * 6.0;
    } else {
        superficie->fillColor = QColor(0, 0, 255);
        A = ore * 30.0;
    }
    auto punto = [this](double ang, double d, int segno) {
        return QPoint(ArrotondaPari(cx + segno * std::sin(ang * kGradi) * d),
                      ArrotondaPari(cy + segno * std::cos(ang * kGradi) * d));
    };
    const QPoint punta = punto(180 - A, L, 1);
    const QPoint lato1 = punto(270 - A, W, 1);
    const QPoint lato2 = punto(90 - A, W, 1);
    const QPoint coda = punto(180 - A, 0.11 * R, -1);
    const QPoint poligono[4] = {lato2, coda, lato1, punta};
    superficie->foreColor = Qt::white;
    superficie->polygon(poligono, 4);
}
