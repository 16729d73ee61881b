#pragma once
// The exercises without their widgets: which kind of question is on screen, preparing
// the questions, judging the answers, and the final test of nine questions. It shows
// the questions through the exercise area (VistaEsercizi) and sets the time, shows
// messages and opens the print window through the clock (OrologioEsercizi); those
// calls return when done, so the order of what the child sees is exactly the
// controller's. It tells nothing back through signals but notices.

#include <QObject>
#include <QString>

#include "OrologioEsercizi.h"
#include "VistaEsercizi.h"

class ControlloreEsercizi : public QObject {
    Q_OBJECT
public:
    ControlloreEsercizi(OrologioEsercizi& orologio, VistaEsercizi& vista, QObject* parent = nullptr);

    // The area has just opened: no final test is running.
    void Apri() { ProvaInCorso = false; }

    // The child (or the final test) chose kind `index`: 0 read the time, 1 set the time
    // of the boxes, 2 set the time of a saying, 3 start the final test.
    void optTest_Click(int index);
    // The instruction of kind `index`.
    QString MessaggioTest(int index) const;

    // The question preparers of the three kinds.
    void PreparaLettura();
    void PreparaImpostazione();
    void PreparaModoDiDire();

    // The text of answer box `index` changed: too big a number is refused with a message,
    // two digits of hours move on to the minutes.
    void txtTest_Change(int index);
    // "OK!": judges the answer and goes on.
    void cmdVerificaTest_Click();

    // ---- the final test
    void AvviaProva();
    void ProssimaDomanda();
    void ImpostaStileProva();

    float tipoEsercizio() const { return TipoEsercizio; }
    bool provaInCorso() const { return ProvaInCorso; }
    short passoProva() const { return PassoProva; }
    bool erroreCommesso() const { return ErroreCommesso; }

signals:
    // A question has just been prepared (the clock and the boxes show it).
    void domandaPronta(int tipo);

private:
    // False when the program closed meanwhile (during a message): stop at once.
    bool Continua(const QObject* vivo) const;

    OrologioEsercizi& orologio;
    VistaEsercizi& vista;

    // Kind of the question on screen: 0 read, 1 set by figures, 2 set by a saying.
    float TipoEsercizio = 0;
    // The final test runs: from "Test finale" until the area opens again.
    bool ProvaInCorso = false;
    // The final test's step: 0 to 8 the question being asked, 9 passed, -1 lost.
    short PassoProva = 0;
    // The one error the final test allows has been made.
    bool ErroreCommesso = false;
};
