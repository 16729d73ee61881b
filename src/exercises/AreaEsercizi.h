// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The exercise area of the main window, `picTest`: the four exercise kinds with the
// tick beside the chosen one, the answer boxes or the saying, "OK!", the instruction,
// the prompt typed letter by letter, "Esci", and the final test's row of clocks
// painted on the area. It shows what the exercise controller tells it and passes the
// child's choices on; it judges nothing.
//
// Under the prompt, outside the final test: the choice of level and, after two wrong
// answers, the button that shows the solution; the hint line takes the prompt's place
// after a wrong answer. Beside a saying, a small loudspeaker says it aloud.

#include <QComboBox>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <array>

#include "OptionGroup.h"
#include "PictureBox.h"
#include "VistaAiuti.h"
#include "VistaEsercizi.h"

class QToolButton;

class AreaEsercizi : public PictureBox, public VistaEsercizi, public VistaAiuti {
    Q_OBJECT
public:
    explicit AreaEsercizi(QWidget* parent = nullptr);

    // Places the area and lays out its inside for its width.
    void Disponi(const QRect& geometria);
    // Chooses a kind as a click on it would; a kind chosen already is chosen again.
    void SelezionaTipo(SceltaEsercizio scelta);
    // The controls the keyboard reaches, in order.
    QList<QWidget*> ordineTabulazione() const;

    // ---- VistaEsercizi
    void MostraCaselle(bool b) override;
    bool caselleVisibili() const override { return !txtTest[0]->isHidden(); }
    void ImpostaCaselle(const QString& ore, const QString& minuti) override;
    void BloccaCaselle(bool bloccate) override;
    QString ore() const override { return txtTest[0]->text(); }
    QString minuti() const override { return txtTest[1]->text(); }
    void FocusCasella(int indice) override { txtTest[static_cast<size_t>(indice)]->setFocus(); }
    void FocusOK() override { cmdVerificaTest->setFocus(); }
    void MostraModoDiDire(const QString& testo, const QString& orario) override;
    QString orarioModoDiDire() const override;
    void MostraIstruzione(const QString& testo) override;
    void MostraNotaLancette(bool mostra) override;
    void ScriviPremiOK() override;
    void FermaScrittura() override { tmrPremiOK->stop(); }
    void SpuntaTipo(SceltaEsercizio scelta) override;
    void AbilitaTipi(bool abilitati) override;
    void SvuotaPerProva() override;
    void DisegnaOrologiProva() override;
    void SegnaRispostaEsatta(int passo) override;

    // ---- VistaAiuti
    void MostraSuggerimento(const QString& testo) override;
    void MostraPulsanteSoluzione(bool mostra) override;

    // Says the saying on screen aloud (its loudspeaker).
    void AscoltaModoDiDire();
    // Says the instruction on screen aloud, with the note under it (its loudspeaker).
    void AscoltaIstruzione();

signals:
    // The child chose a kind of exercise, or the final test.
    void tipoScelto(SceltaEsercizio scelta);
    // The text of answer box `indice` changed.
    void casellaCambiata(int indice);
    // "OK!": the answer is to be judged.
    void verifica();
    // "Esci": the area is to close.
    void esci();
    // A level was chosen (a Livello by its number).
    void livelloScelto(int indice);
    // "Mostra la soluzione".
    void mostraSoluzione();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreaCaselle();
    void CreaTipi();
    void CreaAiuti();
    void CreaAltoparlanti();
    // The hint line as high as its text, from the prompt's row down.
    void AdattaSuggerimento();
    void txtTest_GotFocus(int index);
    QPoint InizioRiga() const;
    // One more letter of the prompt, or the hand at "OK!" once it is all there.
    void LetteraPremiOK();

    PictureBox* picInput;
    std::array<QLineEdit*, 2> txtTest;
    QPushButton* cmdVerificaTest;
    QLabel* lbl_hh;
    QLabel* lbl_mm;
    QLabel* lblModiDiDire;
    std::array<QRadioButton*, 4> optTest;
    OptionGroup* grpTest;
    QPushButton* cmdExitTest;
    QLabel* Image2;
    QLabel* imgSpunta;
    std::array<QFrame*, 2> Line1;
    QLabel* lblPremiOK;
    QLabel* imgIndicaOK;
    QLabel* lblMessaggioTest;
    QImage imgTestOrologio;
    QLabel* lblLivello;
    QComboBox* cmbLivello;
    // The last choice in the level's list came from the keyboard.
    bool m_livelloDaTastiera = false;
    QLabel* lblSuggerimento;
    QPushButton* cmdMostraSoluzione;
    QToolButton* cmdAscoltaDetto;
    QToolButton* cmdAscoltaIstruzione;
    QLabel* lblNotaLancette;
    // The note is wanted for the question on screen (a hint may cover it meanwhile).
    bool m_notaLancette = false;

    // Types the prompt, a letter every 7 ms, and how much of it is there.
    QTimer* tmrPremiOK;
    int LetterePremiOK = 0;
};
