// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The message window of the exercises and of the final test: one of the ten texts
// of the message table, an alarm-clock picture that moves, a coloured band along
// the bottom edge, a sound and, for a right answer, a word of praise. It is
// created for each message and released when it closes.

#include <QColor>
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "AspettoMessaggio.h"
#include "CodiciMessaggio.h"

// A filled rectangle with a one-pixel border, drawn below the controls in front of it.
class FormaPiena : public QWidget {
    Q_OBJECT
public:
    explicit FormaPiena(QWidget* parent = nullptr) : QWidget(parent) {}
    QColor riempimento{224, 224, 224};
    QColor bordo{128, 128, 128};
    void impostaRiempimento(const QColor& c);

protected:
    void paintEvent(QPaintEvent* event) override;
};

class frmMsg : public QDialog {
    Q_OBJECT
public:
    explicit frmMsg(QWidget* parent = nullptr);

    // Dialog frame, hand pointer, then the look of the message CodiceMessaggio.
    void Form_Load();
    // Keeps the window near the bottom of the screen for the lost-test message.
    void Form_Resize();
    void cmdChiudi_Click();
    void Timer1_Timer();
    void Timer2_Timer();

    QLabel* lblMessaggio;
    QLabel* imgIcona;
    QPushButton* cmdChiudi;
    QFrame* Line1;
    FormaPiena* shpBottom;
    QTimer* Timer1;
    QTimer* Timer2;

    // The frame of the alarm-clock picture shown at the next tick (0 or 1).
    short fotogramma = 0;

    void done(int result) override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void PreparaMessaggio();
    QString ScegliLode();
    void MostraFigura(int id);
    void AdattaTesto();
    int m_codice = 0;
};

// Shows message `codice` (0 to 9) in a new message window, modally; returns when the
// child has closed it.
int MostraMessaggio(QWidget* parent, Messaggio codice);
