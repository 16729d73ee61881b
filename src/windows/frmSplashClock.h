#pragma once
// The round splash window of the first five seconds: a red clock face with white
// numerals, the program's title, and two hands that race around the dial with a
// tick sound at each step.

#include <QTimer>
#include <QWidget>

#include "PictureBox.h"

class frmSplashClock : public QWidget {
    Q_OBJECT
public:
    explicit frmSplashClock(QWidget* parent = nullptr);

    static frmSplashClock* istanza();
    static bool caricato();
    // Unloads the window and releases its instance.
    static void scarica();

    void Form_Load();
    void RitagliaForm();
    void DisegnaQuarti(int& x, int& y, int angolo);
    void tmrClock_Timer();

    PictureBox* superficie; // the window's drawing surface
    QTimer* tmrClock;

    short R = 184;
    int cx = 200, cy = 200;
    float ore = 0, minuti = 0;
    short t = 0;

    // When the splash began, on the clock that only runs forwards (seconds).
    double inizio() const { return m_inizio; }

private:
    double m_inizio = 0;
    void DisegnaOrologioSplash();
    void DisegnaLancetteSplash(int L, int W, const QString& nome);
};
