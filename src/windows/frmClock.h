#pragma once
// The main window: the big analogue clock, the digital read-out, the scene beside
// the clock, the time-zone map, the exercise area and the command panel.
//
// The window keeps the shown time and tells each part what to show; the parts own
// their controls and their state:
//   clock/       the face, the read-out, the scene, the map, the adjustment panel
//   exercises/   the exercise area and the controller of the questions and the final test
// Its own files in windows/: building the controls and the command panel
// (frmClock.cpp), start-up and shutdown (frmClock_Ciclo.cpp), layout and frames
// (frmClock_Layout.cpp), the clock's handlers (frmClock_Orologio.cpp), entering and
// leaving the exercises (frmClock_Esercizi.cpp), the side windows (frmClock_Comandi.cpp).

#include <QTimer>
#include <QToolButton>
#include <QWidget>
#include <array>

#include "AreaEsercizi.h"
#include "ControlloreEsercizi.h"
#include "LetturaDigitale.h"
#include "MappaFusi.h"
#include "OptionGroup.h"
#include "OrologioEsercizi.h"
#include "PannelloRegolazione.h"
#include "PictureBox.h"
#include "PresaLancette.h"
#include "QuadranteOrologio.h"
#include "Scena.h"
#include "VoceOrologio.h"

class QPushButton;

class frmClock : public QWidget, public OrologioEsercizi {
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

    // ---- the shown time
    void tmrClock_Timer();
    // Shows the time T on every part: the face, the read-out, the map and the scene.
    void MostraOra(float T);
    void ArrotondaMinuto();
    void optCtrTime_Click(int index);
    void opt12_24_Click(int index);
    float tempoCorrente() const { return TempoCorrente; }
    float oreCorrenti() const { return OreCorrenti; }
    float minutiCorrenti() const { return MinutiCorrenti; }
    float secondiCorrenti() const { return SecondiCorrenti; }
    // The last whole hour drawn (scene, globe), the last whole minute of the map's
    // strips and the last saying asked.
    const std::array<short, 3>& ultimiValori() const { return UltimiValori; }

    // ---- dial
    void DisegnaQuadrante();
    void optStyleNum_Click(int index);

    // ---- sounds
    void chkSuono_Click();

    // ---- manual adjustment
    void RegolaOra(int index);
    void cmdTime_MouseDown(int index);
    void cmdTime_MouseUp(int index);
    void cmdTime_Click(int index);

    // ---- time-zone map
    void ApriMappa(bool apri);
    void chkFusiOrari_Click();

    // ---- scene and panel decorations
    void DisegnaPaesaggio(int ora);
    void DisegnaCorniceEsterna(QWidget* controllo);
    void DisegnaCorniceInterna(PictureBox* controllo, int anelli);

    // ---- exercises
    void cmdTest_Click();
    void cmdExitTest_Click();

    // ---- side windows
    void cmdCuriosita_Click();
    void cmdAbout_Click();

    // ---- what the exercises ask of the clock
    void ImpostaTempoCorrente(float T) override;
    float OraCasuale() override;
    OrologioMostrato oraMostrata() const override;
    int UltimoModoDiDire() const override { return UltimiValori[2]; }
    void RicordaModoDiDire(int numero) override { UltimiValori[2] = static_cast<short>(numero); }
    void MostraCmdTime(bool mostra) override;
    void SpostaMouse() override;
    void FocusQuadrante() override;
    void ImpostaStileProva(int stile) override;
    void MostraMessaggio(Messaggio messaggio) override;
    void ApriStampa() override;
    void ChiudiEsercizi() override { cmdExitTest_Click(); }
    bool inChiusura() const override { return m_scaricato; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CreaControlli();
    void CreaPannelloComandi();
    void CollegaEventi();
    void OrdineTabulazione();
    void ModoEsercizi(bool dentro);
    void Form_Unload();

    // ================= controls and parts =================
    QuadranteOrologio* p1;
    QTimer* tmrClock;

    PictureBox* picCommand;
    QToolButton* cmdCuriosita; // objectName "cmdCuriosità"
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
    AreaEsercizi* picTest;
    ControlloreEsercizi* esercizi;
    MappaFusi* mappaFusi;
    LetturaDigitale* picAnalogic;
    PannelloRegolazione* picRegolazione;
    VoceOrologio* voceOrologio;
    // Dragging the hands and the keys on the face, while the adjustment buttons are usable.
    PresaLancette* presaLancette;

    // ================= state =================
    // The shown time in seconds since midnight, and the fields derived from it.
    float TempoCorrente = 0;
    float OreCorrenti = 0;
    float MinutiCorrenti = 0;
    float SecondiCorrenti = 0;
    // Last whole hour drawn (scenery, globe), last whole minute of the map's
    // strips, last saying drawn. The hour starts at -1 so the first tick draws.
    std::array<short, 3> UltimiValori{-1, 0, 0};

    // Whether the frames have been drawn (at load).
    bool CornicePronta = false;
    bool m_scaricato = false;
    bool m_bloccato = false;
};
