// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window: the big analogue clock, the digital read-out, the scene beside
// the clock, the time-zone map, the exercise area and the command panel.
//
// The window composes; it keeps none of the clock's state. The clock's state
// (StatoOrologio: the shown time and its fields, the mode, the 12/24 view, the numeral
// style, the sound switch) notifies, and the window passes each notice on to the parts
// that show it; the child's actions reach the state through the window's handlers. The
// parts own their controls and their own state:
//   clock/       the face, the read-out, the scene, the map, the adjustment panel
//   exercises/   the exercise area and the controller of the questions and the final test
// Its own files in windows/: building the controls and wiring them to the state
// (frmClock.cpp), start-up and shutdown (frmClock_Ciclo.cpp), layout and frames
// (frmClock_Layout.cpp), the clock's handlers and what follows the state
// (frmClock_Orologio.cpp), entering and leaving the exercises (frmClock_Esercizi.cpp),
// the side windows and the sound switch (frmClock_Comandi.cpp).

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
#include "StatoOrologio.h"
#include "VoceOrologio.h"

class QPushButton;
class QShortcut;
class frmLavagna;

// The exercises see the window only as the clock they ask things of (OrologioEsercizi).
class frmClock : public QWidget, private OrologioEsercizi {
    Q_OBJECT
public:
    explicit frmClock(QWidget* parent = nullptr);
    ~frmClock() override;
    // Back from maximized (the window system's restore), the window and its frame fit
    // in the free area of its screen.
    void AdattaAlloSchermo();

    // The default instance, created on first use and released when the window unloads.
    static frmClock* istanza();
    static bool caricato();

    // The clock this window shows. Another view of the same clock listens to it and
    // moves it; this window follows whatever changes it.
    StatoOrologio* stato() const { return m_stato; }

    // ---- start-up and shutdown
    // Builds the clock behind the splash; the window shows itself once the splash has
    // stood its five seconds.
    void Form_Load();
    void cmdEsci_Click();

    // ---- layout
    void Form_Resize();

    // ---- the class clock (frmClock_Lavagna.cpp)
    // Opens "Orologio per la classe" over the whole screen (its button, F11).
    void cmdLavagna_Click();
    // The class clock opens as soon as the main window shows (the command line asked for
    // it); called before the window is built.
    static void ApriLavagnaAllAvvio();
    // The class clock, once opened; none before.
    frmLavagna* lavagna() const { return m_lavagna; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // ---- building
    void CreaControlli();
    void CreaPannelloComandi();
    void CollegaEventi();
    void CollegaStato();
    void OrdineTabulazione();

    // ---- start-up and shutdown (frmClock_Ciclo.cpp)
    void AttendiSplash();
    void MostraFinestra();
    void BloccaAggiornamento(bool sospendi);
    void Form_Unload();

    // ---- the clock's handlers and what follows the state (frmClock_Orologio.cpp)
    void optCtrTime_Click(int index);
    void opt12_24_Click(int index);
    void optStyleNum_Click(int index);
    void chkFusiOrari_Click();
    void cmdTime_Click();
    void TempoCambiato();
    void ModoCambiato(StatoOrologio::Modo modo);
    void StileCambiato(StatoOrologio::StileNumeri stile);
    void MappaAnimata();
    void DisegnaQuadrante();

    // ---- frames (frmClock_Layout.cpp)
    void DisegnaCorniceEsterna(QWidget* controllo);
    void DisegnaCorniceInterna(PictureBox* controllo, int anelli);

    // ---- the exercises (frmClock_Esercizi.cpp)
    void cmdTest_Click();
    void cmdExitTest_Click();
    void ModoEsercizi(bool dentro);

    // ---- the class clock (frmClock_Lavagna.cpp)
    void CreaComandoLavagna();
    void PosizionaComandoLavagna();
    void AbilitaLavagna(bool abilita);
    static bool LavagnaAllAvvio();

    // ---- the command panel (frmClock_Comandi.cpp)
    void chkSuono_Click();
    void SuoniCambiati(bool attivi);
    void cmdCuriosita_Click();
    void cmdAbout_Click();

    // ---- what the exercises ask of the clock
    void ImpostaTempoCorrente(float T) override;
    float OraCasuale() override;
    OrologioMostrato oraMostrata() const override;
    int UltimoModoDiDire() const override { return m_stato->ultimiValori().modoDiDire; }
    void RicordaModoDiDire(int numero) override { m_stato->RicordaModoDiDire(numero); }
    void MostraCmdTime(bool mostra) override;
    void SpostaMouse() override;
    void FocusQuadrante() override;
    void ImpostaStileProva(int stile) override;
    void MostraMessaggio(Messaggio messaggio) override;
    void ApriStampa() override;
    void ChiudiEsercizi() override { cmdExitTest_Click(); }

    // ================= the clock's state =================
    StatoOrologio* m_stato;

    // ================= controls and parts =================
    QuadranteOrologio* p1;
    // The splash's five seconds, counted from the splash's start.
    QTimer* tmrSplash;

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

    // The class clock's button beside the command panel, its key, and the window itself.
    QToolButton* cmdLavagna;
    QShortcut* tastoLavagna;
    frmLavagna* m_lavagna = nullptr;

    // ================= the window's own state =================
    // The exercise area is open: it sets the mode buttons and the adjustment buttons itself.
    bool m_inEsercizi = false;
    // Whether the frames have been drawn (at load).
    bool CornicePronta = false;
    bool m_scaricato = false;
    bool m_bloccato = false;
};
