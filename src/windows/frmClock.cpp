// SPDX-License-Identifier: GPL-3.0-or-later
// Building the main window's controls with their design names, positions and
// colours, wiring their events to the window's handlers and the clock's state to the
// parts that show it, and the default instance.

#include "frmClock.h"
#include "Controlli.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPushButton>

#include "Accessibilita.h"
#include "AnelloFuoco.h"
#include "Platform.h"
#include "Risorse.h"
#include "modTempolino.h"

namespace {

frmClock* g_istanza = nullptr;

} // namespace

frmClock* frmClock::istanza()
{
    if (!g_istanza)
        g_istanza = new frmClock;
    return g_istanza;
}

bool frmClock::caricato()
{
    return g_istanza != nullptr;
}

frmClock::frmClock(QWidget* parent)
    : QWidget(parent), m_stato(new StatoOrologio([] { return platform().clock->secondsSinceMidnight(); }, this))
{
    setObjectName(QStringLiteral("frmClock"));
    setWindowTitle(QStringLiteral("Tempolino"));
    setWindowIcon(QIcon(QPixmap::fromImage(Risorse::figura(QStringLiteral("icona"), QSize(64, 64)))));
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(8.25);
    setFont(f);
    // The program's sounds and voice follow this clock's switch.
    modTempolino::UsaStatoOrologio(m_stato);
    CreaControlli();
    CollegaEventi();
    CollegaStato();
    Accessibilita::ImpostaNomi(this);
    OrdineTabulazione();
}

void frmClock::OrdineTabulazione()
{
    // The keyboard walks the window as the eye does: the clock and its buttons, the
    // read-out, the exercise area, then the command panel from top to bottom.
    QList<QWidget*> ordine = {p1};
    ordine += picRegolazione->ordineTabulazione();
    ordine += picAnalogic->ordineTabulazione();
    ordine += picTest->ordineTabulazione();
    // The class clock's button stands left of the panel's first button: it comes before it.
    ordine += {cmdLavagna,     cmdTest,        chkFusiOrari, optCtrTime[1], optCtrTime[0], optStyleNum[1],
               optStyleNum[2], optStyleNum[0], chkSuono,     cmdCuriosita,  cmdAbout,      cmdEsci};
    for (int i = 1; i < ordine.size(); ++i)
        setTabOrder(ordine[i - 1], ordine[i]);
}

frmClock::~frmClock()
{
    if (g_istanza == this)
        g_istanza = nullptr;
}

void frmClock::CreaControlli()
{
    // The clock face comes first in the tab order.
    p1 = new QuadranteOrologio(this);

    tmrSplash = new QTimer(this);
    tmrSplash->setObjectName(QStringLiteral("tmrSplash"));
    tmrSplash->setSingleShot(true);

    picAnalogic = new LetturaDigitale(this);
    CreaPannelloComandi();

    picWindows = new Scena(this);
    picTest = new AreaEsercizi(this);
    esercizi = new ControlloreEsercizi(*this, *picTest, this);
    mappaFusi = new MappaFusi(this);
    picRegolazione = new PannelloRegolazione(this, p1->coloreOre(), p1->coloreMinuti());
    // The hands can be dragged and stepped with the keys exactly when the buttons can move them.
    presaLancette = new PresaLancette(p1, [this] { return m_stato->RegolazioneAttiva(); });
    // The globe lies over everything else of the window.
    mappaFusi->globo()->raise();
    CreaComandoLavagna();
}

void frmClock::CreaPannelloComandi()
{
    picCommand = Controlli::CreaPannello(this, QStringLiteral("picCommand"), 480, 0, 58, 537, QColor(128, 128, 128));
    cmdTest = Controlli::CreaPulsanteGrafico(picCommand, QStringLiteral("cmdTest"), QStringLiteral("cmdTest"), 10, 8,
                                             QStringLiteral("Esercizi"), false);

    picCtrTime =
        Controlli::CreaPannello(picCommand, QStringLiteral("picCtrTime"), 10, 56, 41, 129, QColor(128, 128, 128));
    chkFusiOrari =
        Controlli::CreaPulsanteGrafico(picCtrTime, QStringLiteral("chkFusiOrari"), QStringLiteral("chkFusiOrari"), 0, 0,
                                       QStringLiteral("Mappa terrestre"), true);
    grpCtrTime = new OptionGroup(this);
    grpCtrTime->setObjectName(QStringLiteral("grpCtrTime"));
    optCtrTime[0] =
        Controlli::CreaPulsanteGrafico(picCtrTime, QStringLiteral("optCtrTime_0"), QStringLiteral("optCtrTime_0"), 0,
                                       88, QStringLiteral("Modifica i minuti o le ore"), true);
    optCtrTime[1] =
        Controlli::CreaPulsanteGrafico(picCtrTime, QStringLiteral("optCtrTime_1"), QStringLiteral("optCtrTime_1"), 0,
                                       46, QStringLiteral("Tempo attuale"), true);
    grpCtrTime->add(optCtrTime[0]);
    grpCtrTime->add(optCtrTime[1]);
    optCtrTime[1]->setChecked(true);

    picStyle = Controlli::CreaPannello(picCommand, QStringLiteral("picStyle"), 10, 192, 41, 129, QColor(128, 128, 128));
    grpStyleNum = new OptionGroup(this);
    grpStyleNum->setObjectName(QStringLiteral("grpStyleNum"));
    const int alto[3] = {84, 0, 42};
    const char* suggerimenti[3] = {"Quadrante con i punti", "Quadrante con i numeri arabi",
                                   "Quadrante con i numeri romani"};
    for (int i = 0; i < 3; ++i) {
        optStyleNum[i] = Controlli::CreaPulsanteGrafico(picStyle, QStringLiteral("optStyleNum_%1").arg(i),
                                                        QStringLiteral("optStyleNum_%1").arg(i), 0, alto[i],
                                                        QString::fromUtf8(suggerimenti[i]), true);
        grpStyleNum->add(optStyleNum[i]);
    }
    optStyleNum[1]->setChecked(true);

    chkSuono = Controlli::CreaPulsanteGrafico(picCommand, QStringLiteral("chkSuono"), QStringLiteral("chkSuono_on"), 10,
                                              328, QStringLiteral("Abilita o disabita i suoni"), true);
    // Checked while the sounds are on, as the clock's switch says (see SuoniCambiati).
    chkSuono->setChecked(true);
    // Its picture says whether the sounds are on; the pressed look would say it twice.
    chkSuono->setStyleSheet(
        QStringLiteral("QToolButton{background:rgb(192,192,192);border:2px outset rgb(224,224,224);}")
        + Controlli::StileFuoco(QStringLiteral("QToolButton"), 2));
    cmdCuriosita =
        Controlli::CreaPulsanteGrafico(picCommand, QStringLiteral("cmdCuriosità"), QStringLiteral("cmdCuriosità"), 10,
                                       376, QStringLiteral("Curiosità"), false);
    cmdAbout = Controlli::CreaPulsanteGrafico(picCommand, QStringLiteral("cmdAbout"), QStringLiteral("cmdAbout"), 10,
                                              424, QStringLiteral("Informazioni"), false);
    cmdEsci = Controlli::Crea<QPushButton>(picCommand, QStringLiteral("cmdEsci"), 10, 472, 38, 57);
    cmdEsci->setText(QStringLiteral("&Esci"));
    cmdEsci->setToolTip(QStringLiteral("Chiude il programma"));
    // Reached with Shift+Tab from the face, it shows it: the space bar would end the program.
    new AnelloFuoco(cmdEsci, 2);
}

void frmClock::CollegaEventi()
{
    connect(tmrSplash, &QTimer::timeout, this, &frmClock::MostraFinestra);
    connect(grpCtrTime, &OptionGroup::clicked, this, &frmClock::optCtrTime_Click);
    connect(picAnalogic, &LetturaDigitale::vistaScelta, this, &frmClock::opt12_24_Click);
    connect(grpStyleNum, &OptionGroup::clicked, this, &frmClock::optStyleNum_Click);
    // The child's click on the switch; the switch's state follows the clock's (SuoniCambiati).
    connect(chkSuono, &QToolButton::clicked, this, &frmClock::chkSuono_Click);
    connect(chkFusiOrari, &QToolButton::toggled, this, [this] { chkFusiOrari_Click(); });
    // The clock does not tick while the map opens; the next tick catches up.
    connect(mappaFusi, &MappaFusi::animazioneIniziata, m_stato, &StatoOrologio::Sospendi);
    connect(mappaFusi, &MappaFusi::animazioneFinita, m_stato, &StatoOrologio::Riprendi);
    connect(mappaFusi, &MappaFusi::animazioneFinita, this, &frmClock::MappaAnimata);
    connect(cmdEsci, &QPushButton::clicked, this, &frmClock::cmdEsci_Click);
    connect(cmdTest, &QToolButton::clicked, this, &frmClock::cmdTest_Click);
    connect(picTest, &AreaEsercizi::esci, this, &frmClock::cmdExitTest_Click);
    connect(picTest, &AreaEsercizi::tipoScelto, esercizi, &ControlloreEsercizi::optTest_Click);
    connect(picTest, &AreaEsercizi::verifica, esercizi, &ControlloreEsercizi::cmdVerificaTest_Click);
    connect(picTest, &AreaEsercizi::casellaCambiata, esercizi, &ControlloreEsercizi::txtTest_Change);
    connect(picTest, &AreaEsercizi::livelloScelto, esercizi, &ControlloreEsercizi::ImpostaLivello);
    connect(picTest, &AreaEsercizi::mostraSoluzione, esercizi, &ControlloreEsercizi::MostraSoluzione);
    esercizi->ImpostaAiuti(picTest);
    // The face says the shown time when the child asks (the key P, its loudspeaker).
    voceOrologio = new VoceOrologio(p1, [this] { return m_stato->TempoCorrente(); });
    connect(cmdCuriosita, &QToolButton::clicked, this, &frmClock::cmdCuriosita_Click);
    connect(cmdAbout, &QToolButton::clicked, this, &frmClock::cmdAbout_Click);
    // A step of a button or of a hand moves the clock.
    connect(picRegolazione, &PannelloRegolazione::passo, m_stato, &StatoOrologio::RegolaOra);
    connect(presaLancette, &PresaLancette::passo, m_stato, &StatoOrologio::RegolaOra);
    // After the step has been shown: screen readers hear the new time the child set.
    connect(picRegolazione, &PannelloRegolazione::passo, presaLancette, &PresaLancette::Annuncia);
    connect(picRegolazione, &PannelloRegolazione::cliccato, this, &frmClock::cmdTime_Click);
}

void frmClock::CollegaStato()
{
    // The shown time: the face draws the hands, the read-out writes it (while shown).
    connect(m_stato, &StatoOrologio::tempoCambiato, this, &frmClock::TempoCambiato);
    // A new minute moves the map's strips while the map is open.
    connect(m_stato, &StatoOrologio::minutoCambiato, mappaFusi, [this] {
        if (chkFusiOrari->isChecked())
            mappaFusi->PosizionaFasce(m_stato->TempoCorrente());
    });
    // A new hour: the scene's sky, the globe, and the strips (open or not).
    connect(m_stato, &StatoOrologio::oraCambiata, picWindows, &Scena::DisegnaPaesaggio);
    connect(m_stato, &StatoOrologio::oraCambiata, mappaFusi, [this](int ora) {
        mappaFusi->DisegnaTerra(ora);
        mappaFusi->PosizionaFasce(m_stato->TempoCorrente());
    });
    // The mode buttons and the adjustment buttons follow the mode, wherever it was chosen.
    connect(m_stato, &StatoOrologio::modoCambiato, this, &frmClock::ModoCambiato);
    connect(m_stato, &StatoOrologio::regolazioneCambiata, picRegolazione, &PannelloRegolazione::MostraCmdTime);
    // The read-out's view, the dial's style and the sound switch follow theirs.
    connect(m_stato, &StatoOrologio::vistaCambiata, picAnalogic, [this](bool dodici) {
        picAnalogic->MostraVista(dodici);
        picAnalogic->MostraOra(m_stato->TempoCorrente(), m_stato->campi());
    });
    connect(m_stato, &StatoOrologio::stileCambiato, this, &frmClock::StileCambiato);
    connect(m_stato, &StatoOrologio::suoniCambiati, this, &frmClock::SuoniCambiati);
}
