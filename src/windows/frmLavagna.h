// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Orologio per la classe": the whole-screen teaching clock for the whiteboard, a
// second view of the main window's clock. The big face fills the screen's height;
// beside it, for a finger: the digital read-out with the part of the day, the time in
// Italian words with a loudspeaker, the step buttons (an hour, fifteen, five and one
// minute back and forward), the switches, "Quanto tempo è passato?" with its sentence,
// "Azzera" and a loudspeaker, and a big "Esci". Esc and F11 leave too.
//
// It keeps its switches and the marked start while the program runs: leaving hides it,
// and it opens again as it was.

#include <QWidget>
#include <array>

#include "StatoLavagna.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QuadranteLavagna;

class frmLavagna : public QWidget {
    Q_OBJECT
public:
    // The steps of the step buttons, in their order: minutes (negative back).
    static constexpr std::array<int, 8> kPassi{-60, -15, -5, -1, 1, 5, 15, 60};

    explicit frmLavagna(StatoOrologio* orologio, QWidget* parent = nullptr);

    StatoLavagna* stato() const { return m_stato; }
    QuadranteLavagna* quadrante() const { return quadranteLavagna; }

    // Shows the window over the whole screen, the face focused.
    void Apri();
    void cmdEsci_Click();
    // Moves the clock by `minuti` (negative back), as the step buttons do.
    void Passo(int minuti);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CreaControlli();
    void Disponi();
    void TempoCambiato();
    void MostraPassato();
    void OpzioneCambiata(StatoLavagna::Opzione opzione, bool acceso);
    void DiciPassato();

    StatoLavagna* m_stato;
    QuadranteLavagna* quadranteLavagna;
    QWidget* picPannello;
    QLabel* lblLettura;
    QLabel* lblParteGiorno;
    QLabel* lblParole;
    QPushButton* cmdAscoltaOra;
    std::array<QPushButton*, 8> cmdPasso{};
    std::array<QCheckBox*, StatoLavagna::kOpzioni> chkOpzione{};
    QLabel* lblPassato;
    QPushButton* cmdAzzera;
    QPushButton* cmdDiciPassato;
    QPushButton* cmdEsci;
    // The row height the controls were last sized for.
    int m_riga = 0;
};
