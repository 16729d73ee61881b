// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The exercises without their widgets: which kind of question is on screen, preparing
// the questions, judging the answers, and the final test of nine questions. It shows
// the questions through the exercise area (VistaEsercizi) and sets the time, shows
// messages and opens the print window through the clock (OrologioEsercizi); those
// calls return when done, so the order of what the child sees is exactly the
// controller's. It tells nothing back through signals but notices.
//
// Outside the final test the questions follow the level chosen (any minute at first),
// and a wrong answer brings a hint that names the likely mistake; after a second one
// the child may ask for the solution. The final test knows nothing of levels and helps.

#include <QObject>
#include <QString>
#include <QTimer>
#include <QVector>

#include "Esercizi.h"
#include "Livelli.h"
#include "OrologioEsercizi.h"
#include "VistaEsercizi.h"

class VistaAiuti;

class ControlloreEsercizi : public QObject {
    Q_OBJECT
public:
    ControlloreEsercizi(OrologioEsercizi& orologio, VistaEsercizi& vista, QObject* parent = nullptr);

    // The area has just opened: no final test is running.
    void Apri();
    // The area has closed: a solution still on its way stops.
    void Chiudi();

    // The level of the ordinary exercises (a Livello by its number); a question on screen
    // is replaced by one of the new level. The final test ignores it.
    void ImpostaLivello(int indice);
    Livello livello() const { return m_livello; }

    // Where hints and the solution's button are shown; without it no help is given.
    void ImpostaAiuti(VistaAiuti* aiuti) { m_aiuti = aiuti; }
    // "Mostra la soluzione" (after two wrong answers to the same question): reading the
    // clock, the boxes get the right time; setting it, the hands go there step by step,
    // on a timer (200 ms after a step of the hour, 100 ms after a step of the minutes).
    // Either way the time is then written and said in words, and "OK!" goes on.
    void MostraSoluzione();

    // The child (or the final test) chose a kind of question, or the final test.
    void optTest_Click(SceltaEsercizio scelta);
    // The instruction of a kind of question.
    QString MessaggioTest(TipoDomanda tipo) const;

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

    TipoDomanda tipoEsercizio() const { return TipoEsercizio; }
    bool provaInCorso() const { return ProvaInCorso(); }
    FaseProva faseProva() const { return m_fase; }
    int passoProva() const { return PassoProva; }
    bool erroreCommesso() const { return ErroreCommesso; }
    // Wrong answers to the question on screen, and whether its solution has been shown.
    int errori() const { return m_errori; }
    bool soluzioneMostrata() const { return m_soluzioneMostrata; }

signals:
    // A question has just been prepared (the clock and the boxes show it).
    void domandaPronta(TipoDomanda tipo);

private:
    // The final test runs: from "Test finale" until the area opens again.
    bool ProvaInCorso() const { return m_fase != FaseProva::Nessuna; }
    // The next step of the solution's hands, and the solution shown once they are there.
    void PassoSoluzione();
    void SoluzioneMostrata();

    // The time of a new question of kind `tipo` (0 reading, 1 setting by figures): the
    // final test's any minute, or the level's, never the time of the previous question of
    // that kind again.
    float TempoDellaDomanda(int tipo);
    // The 22 fixed sayings, in their order.
    QVector<ModoDiDire> DettiFissi() const;
    // A new question is coming: the help given for the last one goes.
    void NuovaDomanda();
    // The next question of the kind on screen, with the boxes and buttons given back.
    void DomandaSeguente();
    // After a wrong answer: the hint, and from the second the solution's button.
    void Suggerisci();
    // The time asked and the time answered, in minutes of the day.
    int MinutiDomanda() const;
    int MinutiRisposta() const;

    OrologioEsercizi& orologio;
    VistaEsercizi& vista;

    // Kind of the question on screen.
    TipoDomanda TipoEsercizio = TipoDomanda::Lettura;
    // Where the final test stands, and its right answers so far (0 to 9); while it runs,
    // the question asked is the one after them.
    FaseProva m_fase = FaseProva::Nessuna;
    int PassoProva = 0;
    // The one error the final test allows has been made.
    bool ErroreCommesso = false;

    // ---- the ordinary exercises' level and help
    Livello m_livello = Livello::OgniMinuto;
    bool m_aperta = false;
    // The time of the last reading and of the last setting question; below 0 before the first.
    float m_ultimoTempo[2] = {-1, -1};
    VistaAiuti* m_aiuti = nullptr;
    int m_errori = 0;
    bool m_soluzioneMostrata = false;
    // The hands are on their way to the solution: the times still to show (minutes of
    // the day), and the right one.
    bool m_inSoluzione = false;
    QTimer* tmrSoluzione;
    QVector<int> m_passiSoluzione;
    int m_soluzione = 0;
    // The solution put the adjustment buttons away: the next question gives them back.
    bool m_cmdTimeRitirati = false;
};
