#pragma once
// The main window: the big analogue clock, the digital read-out, the scene beside
// the clock, the time-zone map, the exercise area and the command panel.
//
// The window holds its controls and its state; its procedures are written in the
// folders of the program's parts:
//   windows/frmClock*.cpp     building the controls, start-up, layout, shutdown
//   clock/                    shown time, dial, hands, adjustment, map, scenery
//   exercises/                the exercise area, questions, answers, final test

#include <QCheckBox>
#include <QColor>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <QWidget>
#include <array>

#include "OptionGroup.h"
#include "LetturaDigitale.h"
#include "MappaFusi.h"
#include "PannelloRegolazione.h"
#include "PictureBox.h"
#include "QuadranteOrologio.h"
#include "Scena.h"

class frmClock : public QWidget {
    Q_OBJECT
public:
    explicit frmClock(QWidget* parent = nullptr);
    ~frmClock() override;

    // The default instance, created on first use and released when the window unloads.
    static frmClock* istanza();
    static bool caricato();

    // ---- start-up and shutdown
    void Form_Load();
    void AttendiSplash();
    void cmdEsci_Click();
    void BloccaAggiornamento(bool sospendi);

    // ---- layout
    void Form_Resize();

    // ---- shown time
    void tmrClock_Timer();
    void MostraOra(float T);
    void ArrotondaMinuto();
    void OraCasuale();
    void optCtrTime_Click(int index);
    void opt12_24_Click(int index);

    // ---- dial and hands
    void DisegnaQuadrante();
    void optStyleNum_Click(int index);

    // ---- sounds
    void chkSuono_Click();

    // ---- manual adjustment
    void MostraCmdTime(bool mostra);
    void RegolaOra(int index);
    void cmdTime_MouseDown(int index);
    void cmdTime_MouseUp(int index);
    void cmdTime_Click(int index);

    // ---- time-zone map
    void ApriMappa(bool apri);
    void chkFusiOrari_Click();

    // ---- scenery and panel decorations
    void DisegnaPaesaggio(int ora);
    void DisegnaCorniceEsterna(QWidget* controllo);
    void DisegnaCorniceInterna(PictureBox* controllo, int anelli);

    // ---- exercises
    void cmdTest_Click();
    void cmdExitTest_Click();
    void optTest_Click(int index);
    QString MessaggioTest(int index) const;
    void MostraCaselle(bool b);
    void ScriviPremiOK();
    void SpostaMouse(int pulsante);
    void PreparaLettura();
    void PreparaImpostazione();
    void PreparaModoDiDire();
    void txtTest_GotFocus(int index);
    void txtTest_Change(int index);
    void cmdVerificaTest_Click();
    void DisegnaOrologiProva();
    void SegnaRispostaEsatta();
    void ImpostaStileProva();
    void ProssimaDomanda();
    // The start of the final test, chosen with "Test finale".
    void AvviaProva();

    // ---- side windows
    void cmdCuriosita_Click();
    void cmdAbout_Click();

    // ================= controls =================
    QuadranteOrologio* p1;
    QTimer* tmrClock;

    PictureBox* picCommand;
    QToolButton* cmdCuriosita;   // objectName "cmdCuriosità"
    QToolButton* chkSuono;
    QToolButton* cmdAbout;
    QPushButton* cmdEsci;
    PictureBox* picStyle;
    std::array<QToolButton*, 3> optStyleNum;
    OptionGroup* grpStyleNum;
    PictureBox* picCtrTime;
    std::array<QToolButton*, 2> optCtrTime;
    OptionGroup* grpCtrTime;
    QToolButton* chkFusiOrari;
    QToolButton* cmdTest;

    Scena* picWindows;

    PictureBox* picTest;
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

    MappaFusi* mappaFusi;

    LetturaDigitale* picAnalogic;

    PannelloRegolazione* picRegolazione;


    // Pictures of the hidden image controls, used as sources for drawing.
    QImage imgTestOrologio;

    // ================= state =================
    // The shown time in seconds since midnight, and the fields derived from it.
    float TempoCorrente = 0;
    float OreCorrenti = 0;
    float MinutiCorrenti = 0;
    float SecondiCorrenti = 0;
    // Last whole hour drawn (scenery, globe), last whole minute of the map's
    // strips, last saying drawn. The hour starts at -1 so the first tick draws.
    std::array<short, 3> UltimiValori{-1, 0, 0};


    // Time-zone map: how many times the globe has been given a picture (for checks of the tick's cost).
    int DisegniTerra = 0;

    // Exercises and final test.
    float TipoEsercizio = 0;
    bool ProvaInCorso = false;
    short PassoProva = 0;
    bool ErroreCommesso = false;
    // Counts the typings of the prompt, so a typing overtaken by a newer one stops.
    int ScritturePremiOK = 0;

    // Whether the frames and the read-out background have been drawn (at load).
    bool CornicePronta = false;
    // How many times the dial and the scenery have been drawn (for checks of the tick's cost).
    int DisegniQuadrante = 0;
    int DisegniPaesaggio = 0;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreaControlli();
    void CreaPannelloComandi();
    void CreaAreaEsercizi();
    void CollegaEventi();
    void OrdineTabulazione();
    void Form_Unload();
    bool m_scaricato = false;
    bool m_bloccato = false;
};
