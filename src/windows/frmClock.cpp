// Building the main window's controls with their design names, positions and
// colours, wiring their events to the window's handlers, and the default instance.

#include "Controlli.h"
#include "frmClock.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QPainter>
#include <QRegularExpressionValidator>
#include <QShortcut>

#include "Accessibilita.h"
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

frmClock::frmClock(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmClock"));
    setWindowTitle(QStringLiteral("Tempolino"));
    setWindowIcon(QIcon(QPixmap::fromImage(Risorse::figura(QStringLiteral("icona"), QSize(64, 64)))));
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(8.25);
    setFont(f);
    CreaControlli();
    CollegaEventi();
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
    ordine += {optTest[0], optTest[1], optTest[2], optTest[3], cmdExitTest, txtTest[0], txtTest[1], cmdVerificaTest,
        cmdTest, chkFusiOrari, optCtrTime[1], optCtrTime[0], optStyleNum[1], optStyleNum[2], optStyleNum[0],
        chkSuono, cmdCuriosita, cmdAbout, cmdEsci};
    for (int i = 1; i < ordine.size(); ++i)
        setTabOrder(ordine[i - 1], ordine[i]);

    // In the exercises the Return key answers as "OK!" does, wherever the focus stands.
    for (const auto tasto : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* invio = new QShortcut(QKeySequence(tasto), this);
        connect(invio, &QShortcut::activated, this, [this] {
            if (!picTest->isHidden() && picInput->isEnabled() && cmdVerificaTest->isEnabled())
                cmdVerificaTest->click();
        });
    }
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
    // Every drawing of the dial is counted, so a check of the tick's cost can see it is drawn once.
    connect(p1, &QuadranteOrologio::quadranteRidisegnato, this, [this] { ++DisegniQuadrante; });

    tmrClock = new QTimer(this);
    tmrClock->setObjectName(QStringLiteral("tmrClock"));
    tmrClock->setInterval(200);

    picAnalogic = new LetturaDigitale(this);
    CreaPannelloComandi();

    picWindows = new Scena(this);
    connect(picWindows, &Scena::paesaggioDisegnato, this, [this] { ++DisegniPaesaggio; });

    CreaAreaEsercizi();
    mappaFusi = new MappaFusi(this);
    picRegolazione = new PannelloRegolazione(this, p1->coloreOre(), p1->coloreMinuti());
    // The globe lies over everything else of the window.
    mappaFusi->globo()->raise();

    // The picture of the final test's progress row, sharp on the window's screen.
    const qreal dpr = devicePixelRatioF();
    imgTestOrologio = Risorse::figura(QStringLiteral("imgTestOrologio"), QSize(16, 16), dpr);
}

void frmClock::CreaPannelloComandi()
{
    picCommand = Controlli::CreaPannello(this, QStringLiteral("picCommand"), 480, 0, 58, 537, QColor(128, 128, 128));
    cmdTest = Controlli::CreaPulsanteGrafico(picCommand, QStringLiteral("cmdTest"), QStringLiteral("cmdTest"), 10, 8,
                                  QStringLiteral("Esercizi"), false);

    picCtrTime = Controlli::CreaPannello(picCommand, QStringLiteral("picCtrTime"), 10, 56, 41, 129, QColor(128, 128, 128));
    chkFusiOrari = Controlli::CreaPulsanteGrafico(picCtrTime, QStringLiteral("chkFusiOrari"), QStringLiteral("chkFusiOrari"),
                                       0, 0, QStringLiteral("Mappa terrestre"), true);
    grpCtrTime = new OptionGroup(this);
    grpCtrTime->setObjectName(QStringLiteral("grpCtrTime"));
    optCtrTime[0] = Controlli::CreaPulsanteGrafico(picCtrTime, QStringLiteral("optCtrTime_0"), QStringLiteral("optCtrTime_0"),
                                        0, 88, QStringLiteral("Modifica i minuti o le ore"), true);
    optCtrTime[1] = Controlli::CreaPulsanteGrafico(picCtrTime, QStringLiteral("optCtrTime_1"), QStringLiteral("optCtrTime_1"),
                                        0, 46, QStringLiteral("Tempo attuale"), true);
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

    chkSuono = Controlli::CreaPulsanteGrafico(picCommand, QStringLiteral("chkSuono"), QStringLiteral("chkSuono_on"), 10, 328,
                                   QStringLiteral("Abilita o disabita i suoni"), true);
    chkSuono->setChecked(false);
    // Its picture says whether the sounds are on; the pressed look would read backwards.
    chkSuono->setStyleSheet(QStringLiteral(
        "QToolButton{background:rgb(192,192,192);border:2px outset rgb(224,224,224);}"));
    cmdCuriosita = Controlli::CreaPulsanteGrafico(picCommand, QStringLiteral("cmdCuriosità"), QStringLiteral("cmdCuriosità"), 10,
                                       376, QStringLiteral("Curiosità"), false);
    cmdAbout = Controlli::CreaPulsanteGrafico(picCommand, QStringLiteral("cmdAbout"), QStringLiteral("cmdAbout"), 10, 424,
                                   QStringLiteral("Informazioni"), false);
    cmdEsci = Controlli::Crea<QPushButton>(picCommand, QStringLiteral("cmdEsci"), 10, 472, 38, 57);
    cmdEsci->setText(QStringLiteral("&Esci"));
    cmdEsci->setToolTip(QStringLiteral("Chiude il programma"));
}

void frmClock::CreaAreaEsercizi()
{
    picTest = Controlli::CreaPannello(this, QStringLiteral("picTest"), 32, 248, 318, 140, QColor(128, 128, 128));
    picTest->hide();

    picInput = Controlli::CreaPannello(picTest, QStringLiteral("picInput"), 192, 8, 105, 113, QColor(224, 224, 224));
    lbl_hh = Controlli::Crea<QLabel>(picInput, QStringLiteral("lbl_hh"), 16, 8, 33, 25);
    lbl_hh->setText(QStringLiteral("hh"));
    Controlli::ColoraEtichetta(lbl_hh, QColor(0, 0, 255), Qt::white);
    lbl_mm = Controlli::Crea<QLabel>(picInput, QStringLiteral("lbl_mm"), 16, 40, 33, 25);
    lbl_mm->setText(QStringLiteral("mm"));
    Controlli::ColoraEtichetta(lbl_mm, QColor(255, 0, 0), Qt::black);
    for (QLabel* l : {lbl_hh, lbl_mm})
        l->setAlignment(Qt::AlignCenter);

    QFont grande(QStringLiteral("Arial"));
    grande.setPointSizeF(15.75);
    grande.setBold(true);
    // The answer boxes take digits only, typed or pasted.
    auto* soloCifre = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this);
    for (int i = 0; i < 2; ++i) {
        txtTest[i] = Controlli::Crea<QLineEdit>(picInput, QStringLiteral("txtTest_%1").arg(i), 48, i == 0 ? 8 : 40, 41, 25);
        txtTest[i]->setFont(grande);
        txtTest[i]->setMaxLength(2);
        txtTest[i]->setValidator(soloCifre);
        txtTest[i]->setAlignment(Qt::AlignCenter);
        txtTest[i]->installEventFilter(this);
    }
    lblModiDiDire = Controlli::Crea<QLabel>(picInput, QStringLiteral("lblModiDiDire"), 16, 5, 81, 73);
    lblModiDiDire->setText(QStringLiteral("mezzanotte"));
    lblModiDiDire->setWordWrap(true);
    lblModiDiDire->setAlignment(Qt::AlignCenter);
    QFont fd(QStringLiteral("Arial"));
    fd.setPointSizeF(10);
    fd.setBold(true);
    lblModiDiDire->setFont(fd);
    Controlli::ColoraEtichetta(lblModiDiDire, QColor(224, 224, 224), QColor(255, 0, 0));
    cmdVerificaTest = Controlli::Crea<QPushButton>(picInput, QStringLiteral("cmdVerificaTest"), 16, 75, 73, 25);
    cmdVerificaTest->setText(QStringLiteral("OK!"));
    cmdVerificaTest->setStyleSheet(QStringLiteral("QPushButton{background:rgb(192,255,192);color:black;}"));

    grpTest = new OptionGroup(this);
    grpTest->setObjectName(QStringLiteral("grpTest"));
    const char* testi[4] = {"Indovina l'ora", "Imposta l'ora (1)", "Imposta l'ora (2)", "Test finale"};
    const QColor sfondi[4] = {{255, 224, 192}, {255, 192, 128}, {255, 128, 0}, {255, 0, 0}};
    for (int i = 0; i < 4; ++i) {
        optTest[i] = Controlli::Crea<QRadioButton>(picTest, QStringLiteral("optTest_%1").arg(i), 32, 8 + 24 * i, 92, 20);
        optTest[i]->setText(QString::fromUtf8(testi[i]));
        // A small indicator leaves room for the whole caption; a locked option looks locked.
        optTest[i]->setStyleSheet(QStringLiteral("QRadioButton{background:%1;color:black;spacing:2px;}"
                                                 "QRadioButton:disabled{color:rgb(110,110,110);}"
                                                 "QRadioButton::indicator{width:9px;height:9px;}")
                                      .arg(Controlli::ColoreCss(sfondi[i])));
        grpTest->add(optTest[i]);
    }
    cmdExitTest = Controlli::Crea<QPushButton>(picTest, QStringLiteral("cmdExitTest"), 32, 104, 92, 25);
    cmdExitTest->setText(QStringLiteral("&Esci"));
    cmdExitTest->setToolTip(QStringLiteral("Chiude la sezione esercizi"));
    cmdExitTest->setStyleSheet(QStringLiteral("QPushButton{background:rgb(192,255,192);color:black;}"));

    Image2 = Controlli::CreaImmagine(picTest, QStringLiteral("Image2"), QStringLiteral("Image2_test"), 0, 104, 24, 24);
    imgSpunta = Controlli::CreaImmagine(picTest, QStringLiteral("imgSpunta"), QStringLiteral("imgSpunta"), 10, 10, 16, 16);
    Line1[0] = Controlli::CreaLinea(picTest, QStringLiteral("Line1_0"), QColor(64, 64, 64));
    Line1[1] = Controlli::CreaLinea(picTest, QStringLiteral("Line1_1"), QColor(224, 224, 224));
    Line1[0]->setGeometry(135, 8, 1, 121);
    Line1[1]->setGeometry(136, 8, 1, 121);

    lblMessaggioTest = Controlli::Crea<QLabel>(picTest, QStringLiteral("lblMessaggioTest"), 144, 8, 41, 89);
    lblMessaggioTest->setText(QStringLiteral("label"));
    lblMessaggioTest->setWordWrap(true);
    lblMessaggioTest->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Controlli::ColoraEtichetta(lblMessaggioTest, QColor(128, 128, 128), Qt::white);
    lblPremiOK = Controlli::Crea<QLabel>(picTest, QStringLiteral("lblPremiOK"), 144, 104, 33, 25);
    lblPremiOK->setText(QStringLiteral("Label2"));
    // The final test's row of clocks is painted on the area just under the prompt's
    // text and partly behind this label: the label has no background of its own, so
    // the whole clocks show through it.
    lblPremiOK->setStyleSheet(QStringLiteral("QLabel{background:transparent;color:%1;}")
                                  .arg(Controlli::ColoreCss(QColor(0, 255, 255))));
    QFont fb(QStringLiteral("Arial"));
    fb.setPointSizeF(8.25);
    fb.setBold(true);
    lblPremiOK->setFont(fb);
    imgIndicaOK = Controlli::CreaImmagine(picTest, QStringLiteral("imgIndicaOK"), QStringLiteral("imgIndicaOK"), 150, 83, 32, 24);
    imgIndicaOK->hide();
}

void frmClock::CollegaEventi()
{
    connect(tmrClock, &QTimer::timeout, this, &frmClock::tmrClock_Timer);
    connect(grpCtrTime, &OptionGroup::clicked, this, &frmClock::optCtrTime_Click);
    connect(picAnalogic, &LetturaDigitale::vistaScelta, this, &frmClock::opt12_24_Click);
    // The clock does not tick while the map opens; the next tick catches up.
    connect(mappaFusi, &MappaFusi::animazioneIniziata, this, [this] {
        if (grpCtrTime->isSelected(1))
            tmrClock->stop();
    });
    connect(mappaFusi, &MappaFusi::animazioneFinita, this, [this] {
        if (grpCtrTime->isSelected(1))
            tmrClock->start();
    });
    connect(mappaFusi, &MappaFusi::globoGirato, this, [this] { ++DisegniTerra; });
    connect(grpStyleNum, &OptionGroup::clicked, this, &frmClock::optStyleNum_Click);
    connect(grpTest, &OptionGroup::clicked, this, &frmClock::optTest_Click);
    connect(chkSuono, &QToolButton::toggled, this, [this] { chkSuono_Click(); });
    connect(chkFusiOrari, &QToolButton::toggled, this, [this] { chkFusiOrari_Click(); });
    connect(cmdEsci, &QPushButton::clicked, this, &frmClock::cmdEsci_Click);
    connect(cmdTest, &QToolButton::clicked, this, &frmClock::cmdTest_Click);
    connect(cmdExitTest, &QPushButton::clicked, this, &frmClock::cmdExitTest_Click);
    connect(cmdVerificaTest, &QPushButton::clicked, this, &frmClock::cmdVerificaTest_Click);
    connect(cmdCuriosita, &QToolButton::clicked, this, &frmClock::cmdCuriosita_Click);
    connect(cmdAbout, &QToolButton::clicked, this, &frmClock::cmdAbout_Click);
    connect(picRegolazione, &PannelloRegolazione::passo, this, &frmClock::RegolaOra);
    connect(picRegolazione, &PannelloRegolazione::cliccato, this, [this] { cmdTime_Click(0); });
    for (int i = 0; i < 2; ++i)
        connect(txtTest[i], &QLineEdit::textChanged, this, [this, i] { txtTest_Change(i); });
}

bool frmClock::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        for (int i = 0; i < 2; ++i)
            if (watched == txtTest[i])
                txtTest_GotFocus(i);
    }
    return QWidget::eventFilter(watched, event);
}
