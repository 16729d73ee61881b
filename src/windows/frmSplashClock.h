// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The round splash window of the first five seconds: a red clock face with white
// numerals, the program's title, and two hands that race around the dial with a
// tick sound at each step. It tells when it is on the screen, so that the main window
// is built behind it, and when the desktop closes it.

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

signals:
    // The splash has been painted on the screen (or a tenth of a second has passed
    // since it was shown, whichever comes first); once only.
    void suSchermo();
    // The desktop closed the splash (the user asked the program to close).
    void chiusa();

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;

private:
    void AnnunciaSuSchermo();

    double m_inizio = 0;
    bool m_suSchermo = false;
    void DisegnaOrologioSplash();
    void DisegnaLancetteSplash(int L, int W, const QString& nome);
};
