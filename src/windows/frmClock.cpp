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

template <typename T>
T* crea(QWidget* parent, const QString& nome, int x, int y, int w, int h)
{
    auto* c = new T(parent);
    c->setObjectName(nome);
    c->setGeometry(x, y, w, h);
    return c;
}

PictureBox* creaPannello(QWidget* parent, const QString& nome, int x, int y, int w, int h,
                         const QColor& sfondo)
{
    auto* p = crea<PictureBox>(parent, nome, x, y, w, h);
    p->setBackColor(sfondo);
    p->cls();
    return p;
}

QToolButton* creaPulsanteGrafico(QWidget* parent, const QString& nome, const QString& figura, int x,
                                 int y, const QString& suggerimento, bool conStato)
{
    auto* b = crea<QToolButton>(parent, nome, x, y, 38, 38);
    b->setIcon(QIcon(QPixmap::fromImage(Risorse::figura(figura, QSize(32, 32), 2.0))));
    b->setIconSize(QSize(32, 32));
    b->setToolTip(suggerimento);
    b->setCheckable(conStato);
    b->setFocusPolicy(Qt::TabFocus);
    b->setStyleSheet(QStringLiteral(
        "QToolButton{background:rgb(192,192,192);border:2px outset rgb(224,224,224);}"
        "QToolButton:checked{background:rgb(128,255,128);border:2px inset rgb(96,96,96);}"
        "QToolButton:disabled{background:rgb(150,150,150);}"));
    return b;
}

QLabel* creaImmagine(QWidget* parent, const QString& nome, const QString& figura, int x, int y, int w,
                     int h)
{
    auto* l = crea<QLabel>(parent, nome, x, y, w, h);
    l->setPixmap(QPixmap::fromImage(Risorse::figura(figura, QSize(w, h), 2.0)));
    l->setAttribute(Qt::WA_TranslucentBackground);
    return l;
}

QFrame* creaLinea(QWidget* parent, const QString& nome, const QColor& colore)
{
    auto* f = new QFrame(parent);
    f->setObjectName(nome);
    f->setAutoFillBackground(true);
    QPalette pal = f->palette();
    pal.setColor(QPalette::Window, colore);
    f->setPalette(pal);
    return f;
}

void coloraEtichetta(QLabel* l, const QColor& sfondo, const QColor& testo)
{
    l->setStyleSheet(QStringLiteral("QLabel{background:%1;color:%2;}")
                         .arg(Controlli::ColoreCss(sfondo), Controlli::ColoreCss(testo)));
}

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
    p1->setAccessibleName(QStringLiteral("Orologio"));
    Accessibilita::ImpostaNomi(this);
    OrdineTabulazione();
}

void frmClock::OrdineTabulazione()
{
    // The keyboard walks the window as the eye does: the clock and its buttons, the
    // read-out, the exercise area, then the command panel from top to bottom.
    const QList<QWidget*> ordine = {
        p1, cmdTime[3], cmdTime[2], cmdTime[1], cmdTime[0], opt12_24[0], opt12_24[1],
        optTest[0], optTest[1], optTest[2], optTest[3], cmdExitTest, txtTest[0], txtTest[1], cmdVerificaTest,
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
    p1 = creaPannello(this, QStringLiteral("p1"), 0, 0, 388, 408, Qt::black);
    p1->setFocusPolicy(Qt::StrongFocus);

    tmrClock = new QTimer(this);
    tmrClock->setObjectName(QStringLiteral("tmrClock"));
    tmrClock->setInterval(200);

    CreaLettura();
    CreaPannelloComandi();

    picWindows = creaPannello(this, QStringLiteral("picWindows"), 0, 0, 110, 130, Qt::black);
    const QColor chiaro(224, 224, 224), scuro(128, 128, 128);
    for (int i = 0; i < 4; ++i)
        linX[i] = creaLinea(picWindows, QStringLiteral("linX_%1").arg(i), i % 2 == 0 ? chiaro : scuro);

    CreaAreaEsercizi();
    CreaMappa();
    CreaRegolazione();

    imgTerra = crea<QLabel>(this, QStringLiteral("imgTerra"), 24, 32, 77, 77);
    imgTerra->setAttribute(Qt::WA_TranslucentBackground);

    // Pictures of the scenery and of the final test's progress row, sharp on the window's screen.
    const qreal dpr = devicePixelRatioF();
    luna = Risorse::figura(QStringLiteral("luna"), QSize(32, 32), dpr);
    sole = Risorse::figura(QStringLiteral("sole"), QSize(32, 32), dpr);
    imgSole = Risorse::figura(QStringLiteral("imgSole"), QSize(32, 32), dpr);
    sole2 = Risorse::figura(QStringLiteral("sole2"), QSize(32, 32), dpr);
    Gallo = Risorse::figura(QStringLiteral("Gallo"), QSize(32, 32), dpr);
    Civetta = Risorse::figura(QStringLiteral("Civetta"), QSize(32, 32), dpr);
    // The clouds are stretched over the scene: drawn at twice their size they stay crisp.
    imgNuvole = Risorse::figura(QStringLiteral("imgNuvole"), QSize(75, 75), 2 * dpr);
    imgTestOrologio = Risorse::figura(QStringLiteral("imgTestOrologio"), QSize(16, 16), dpr);
}

void frmClock::CreaLettura()
{
    picAnalogic = creaPannello(this, QStringLiteral("picAnalogic"), 56, 408, 409, 49, QColor(192, 192, 192));
    lblMPSN = crea<QLabel>(picAnalogic, QStringLiteral("lblMPSN"), 0, 13, 142, 25);
    lblDigitalClock = crea<QLabel>(picAnalogic, QStringLiteral("lblDigitalClock"), 184, 6, 166, 35);
    for (QLabel* l : {lblMPSN, lblDigitalClock}) {
        coloraEtichetta(l, Qt::black, QColor(128, 255, 128));
        l->setAlignment(Qt::AlignCenter);
    }
    QFont fp(QStringLiteral("Arial"));
    fp.setPointSizeF(12);
    fp.setBold(true);
    lblMPSN->setFont(fp);
    lblMPSN->setText(QStringLiteral("Mattino"));
    QFont fd(QStringLiteral("Arial"));
    fd.setPointSizeF(18);
    fd.setBold(true);
    lblDigitalClock->setFont(fd);
    lblDigitalClock->setText(QStringLiteral("Label4"));

    grp12_24 = new OptionGroup(this);
    grp12_24->setObjectName(QStringLiteral("grp12_24"));
    const char* testi[2] = {"12 h", "24 h"};
    for (int i = 0; i < 2; ++i) {
        opt12_24[i] = crea<QRadioButton>(picAnalogic, QStringLiteral("opt12_24_%1").arg(i), 360, i == 0 ? 6 : 24,
                                         33, 17);
        opt12_24[i]->setText(QString::fromLatin1(testi[i]));
        // A small indicator leaves room for the whole caption in the 33-pixel button.
        opt12_24[i]->setStyleSheet(QStringLiteral("QRadioButton{background:rgb(192,255,192);color:black;spacing:1px;}"
                                                  "QRadioButton::indicator{width:8px;height:8px;}"));
        QFont piccolo(QStringLiteral("Arial"));
        piccolo.setPointSizeF(7);
        opt12_24[i]->setFont(piccolo);
        grp12_24->add(opt12_24[i]);
    }
    opt12_24[1]->setChecked(true);
}

void frmClock::CreaPannelloComandi()
{
    picCommand = creaPannello(this, QStringLiteral("picCommand"), 480, 0, 58, 537, QColor(128, 128, 128));
    cmdTest = creaPulsanteGrafico(picCommand, QStringLiteral("cmdTest"), QStringLiteral("cmdTest"), 10, 8,
                                  QStringLiteral("Esercizi"), false);

    picCtrTime = creaPannello(picCommand, QStringLiteral("picCtrTime"), 10, 56, 41, 129, QColor(128, 128, 128));
    chkFusiOrari = creaPulsanteGrafico(picCtrTime, QStringLiteral("chkFusiOrari"), QStringLiteral("chkFusiOrari"),
                                       0, 0, QStringLiteral("Mappa terrestre"), true);
    grpCtrTime = new OptionGroup(this);
    grpCtrTime->setObjectName(QStringLiteral("grpCtrTime"));
    optCtrTime[0] = creaPulsanteGrafico(picCtrTime, QStringLiteral("optCtrTime_0"), QStringLiteral("optCtrTime_0"),
                                        0, 88, QStringLiteral("Modifica i minuti o le ore"), true);
    optCtrTime[1] = creaPulsanteGrafico(picCtrTime, QStringLiteral("optCtrTime_1"), QStringLiteral("optCtrTime_1"),
                                        0, 46, QStringLiteral("Tempo attuale"), true);
    grpCtrTime->add(optCtrTime[0]);
    grpCtrTime->add(optCtrTime[1]);
    optCtrTime[1]->setChecked(true);

    picStyle = creaPannello(picCommand, QStringLiteral("picStyle"), 10, 192, 41, 129, QColor(128, 128, 128));
    grpStyleNum = new OptionGroup(this);
    grpStyleNum->setObjectName(QStringLiteral("grpStyleNum"));
    const int alto[3] = {84, 0, 42};
    const char* suggerimenti[3] = {"Quadrante con i punti", "Quadrante con i numeri arabi",
                                   "Quadrante con i numeri romani"};
    for (int i = 0; i < 3; ++i) {
        optStyleNum[i] = creaPulsanteGrafico(picStyle, QStringLiteral("optStyleNum_%1").arg(i),
                                             QStringLiteral("optStyleNum_%1").arg(i), 0, alto[i],
                                             QString::fromUtf8(suggerimenti[i]), true);
        grpStyleNum->add(optStyleNum[i]);
    }
    optStyleNum[1]->setChecked(true);

    chkSuono = creaPulsanteGrafico(picCommand, QStringLiteral("chkSuono"), QStringLiteral("chkSuono_on"), 10, 328,
                                   QStringLiteral("Abilita o disabita i suoni"), true);
    chkSuono->setChecked(false);
    // Its picture says whether the sounds are on; the pressed look would read backwards.
    chkSuono->setStyleSheet(QStringLiteral(
        "QToolButton{background:rgb(192,192,192);border:2px outset rgb(224,224,224);}"));
    cmdCuriosita = creaPulsanteGrafico(picCommand, QStringLiteral("cmdCuriosità"), QStringLiteral("cmdCuriosità"), 10,
                                       376, QStringLiteral("Curiosità"), false);
    cmdAbout = creaPulsanteGrafico(picCommand, QStringLiteral("cmdAbout"), QStringLiteral("cmdAbout"), 10, 424,
                                   QStringLiteral("Informazioni"), false);
    cmdEsci = crea<QPushButton>(picCommand, QStringLiteral("cmdEsci"), 10, 472, 38, 57);
    cmdEsci->setText(QStringLiteral("&Esci"));
    cmdEsci->setToolTip(QStringLiteral("Chiude il programma"));
}

void frmClock::CreaAreaEsercizi()
{
    picTest = creaPannello(this, QStringLiteral("picTest"), 32, 248, 318, 140, QColor(128, 128, 128));
    picTest->hide();

    picInput = creaPannello(picTest, QStringLiteral("picInput"), 192, 8, 105, 113, QColor(224, 224, 224));
    lbl_hh = crea<QLabel>(picInput, QStringLiteral("lbl_hh"), 16, 8, 33, 25);
    lbl_hh->setText(QStringLiteral("hh"));
    coloraEtichetta(lbl_hh, QColor(0, 0, 255), Qt::white);
    lbl_mm = crea<QLabel>(picInput, QStringLiteral("lbl_mm"), 16, 40, 33, 25);
    lbl_mm->setText(QStringLiteral("mm"));
    coloraEtichetta(lbl_mm, QColor(255, 0, 0), Qt::black);
    for (QLabel* l : {lbl_hh, lbl_mm})
        l->setAlignment(Qt::AlignCenter);

    QFont grande(QStringLiteral("Arial"));
    grande.setPointSizeF(15.75);
    grande.setBold(true);
    // The answer boxes take digits only, typed or pasted.
    auto* soloCifre = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this);
    for (int i = 0; i < 2; ++i) {
        txtTest[i] = crea<QLineEdit>(picInput, QStringLiteral("txtTest_%1").arg(i), 48, i == 0 ? 8 : 40, 41, 25);
        txtTest[i]->setFont(grande);
        txtTest[i]->setMaxLength(2);
        txtTest[i]->setValidator(soloCifre);
        txtTest[i]->setAlignment(Qt::AlignCenter);
        txtTest[i]->installEventFilter(this);
    }
    lblModiDiDire = crea<QLabel>(picInput, QStringLiteral("lblModiDiDire"), 16, 5, 81, 73);
    lblModiDiDire->setText(QStringLiteral("mezzanotte"));
    lblModiDiDire->setWordWrap(true);
    lblModiDiDire->setAlignment(Qt::AlignCenter);
    QFont fd(QStringLiteral("Arial"));
    fd.setPointSizeF(10);
    fd.setBold(true);
    lblModiDiDire->setFont(fd);
    coloraEtichetta(lblModiDiDire, QColor(224, 224, 224), QColor(255, 0, 0));
    cmdVerificaTest = crea<QPushButton>(picInput, QStringLiteral("cmdVerificaTest"), 16, 75, 73, 25);
    cmdVerificaTest->setText(QStringLiteral("OK!"));
    cmdVerificaTest->setStyleSheet(QStringLiteral("QPushButton{background:rgb(192,255,192);color:black;}"));

    grpTest = new OptionGroup(this);
    grpTest->setObjectName(QStringLiteral("grpTest"));
    const char* testi[4] = {"Indovina l'ora", "Imposta l'ora (1)", "Imposta l'ora (2)", "Test finale"};
    const QColor sfondi[4] = {{255, 224, 192}, {255, 192, 128}, {255, 128, 0}, {255, 0, 0}};
    for (int i = 0; i < 4; ++i) {
        optTest[i] = crea<QRadioButton>(picTest, QStringLiteral("optTest_%1").arg(i), 32, 8 + 24 * i, 92, 20);
        optTest[i]->setText(QString::fromUtf8(testi[i]));
        // A small indicator leaves room for the whole caption; a locked option looks locked.
        optTest[i]->setStyleSheet(QStringLiteral("QRadioButton{background:%1;color:black;spacing:2px;}"
                                                 "QRadioButton:disabled{color:rgb(110,110,110);}"
                                                 "QRadioButton::indicator{width:9px;height:9px;}")
                                      .arg(Controlli::ColoreCss(sfondi[i])));
        grpTest->add(optTest[i]);
    }
    cmdExitTest = crea<QPushButton>(picTest, QStringLiteral("cmdExitTest"), 32, 104, 92, 25);
    cmdExitTest->setText(QStringLiteral("&Esci"));
    cmdExitTest->setToolTip(QStringLiteral("Chiude la sezione esercizi"));
    cmdExitTest->setStyleSheet(QStringLiteral("QPushButton{background:rgb(192,255,192);color:black;}"));

    Image2 = creaImmagine(picTest, QStringLiteral("Image2"), QStringLiteral("Image2_test"), 0, 104, 24, 24);
    imgSpunta = creaImmagine(picTest, QStringLiteral("imgSpunta"), QStringLiteral("imgSpunta"), 10, 10, 16, 16);
    Line1[0] = creaLinea(picTest, QStringLiteral("Line1_0"), QColor(64, 64, 64));
    Line1[1] = creaLinea(picTest, QStringLiteral("Line1_1"), QColor(224, 224, 224));
    Line1[0]->setGeometry(135, 8, 1, 121);
    Line1[1]->setGeometry(136, 8, 1, 121);

    lblMessaggioTest = crea<QLabel>(picTest, QStringLiteral("lblMessaggioTest"), 144, 8, 41, 89);
    lblMessaggioTest->setText(QStringLiteral("label"));
    lblMessaggioTest->setWordWrap(true);
    lblMessaggioTest->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    coloraEtichetta(lblMessaggioTest, QColor(128, 128, 128), Qt::white);
    lblPremiOK = crea<QLabel>(picTest, QStringLiteral("lblPremiOK"), 144, 104, 33, 25);
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
    imgIndicaOK = creaImmagine(picTest, QStringLiteral("imgIndicaOK"), QStringLiteral("imgIndicaOK"), 150, 83, 32, 24);
    imgIndicaOK->hide();
}

void frmClock::CreaMappa()
{
    picfusi = creaPannello(this, QStringLiteral("picfusi"), 0, 0, 388, 100, QColor(0, 0, 128));
    picfusi->hide();
    shpFusoNotte = creaLinea(picfusi, QStringLiteral("shpFusoNotte"), QColor(0, 0, 64));
    shpFusoGiorno = creaLinea(picfusi, QStringLiteral("shpFusoGiorno"), QColor(255, 255, 128));
    shpFusoNotte->setFrameStyle(QFrame::Box | QFrame::Plain);
    shpFusoGiorno->setFrameStyle(QFrame::Box | QFrame::Plain);
    imglunap = creaImmagine(picfusi, QStringLiteral("imglunap"), QStringLiteral("imglunap"), 0, 10, 16, 16);
    imglunap->setToolTip(QStringLiteral("Mezzanotte"));
    imgsolep = creaImmagine(picfusi, QStringLiteral("imgsolep"), QStringLiteral("imgsolep"), 0, 10, 16, 16);
    imgsolep->setToolTip(QStringLiteral("Mezzogiorno"));
}

void frmClock::CreaRegolazione()
{
    picRegolazione = creaPannello(this, QStringLiteral("picRegolazione"), 264, 8, 33, 65, Qt::black);
    Shape1 = creaLinea(picRegolazione, QStringLiteral("Shape1"), Qt::black);
    Shape1->setGeometry(0, 24, 17, 17);
    Shape1->setFrameStyle(QFrame::Box | QFrame::Plain);
    Shape1->setStyleSheet(QStringLiteral("QFrame{border:1px solid rgb(224,224,224);background:black;}"));
    const char* testi[4] = {"—", "—", "+", "+"};
    const char* suggerimenti[4] = {"Ore indietro", "Minuti indietro", "Minuti avanti", "Ore avanti "};
    for (int i = 0; i < 4; ++i) {
        cmdTime[i] = crea<QPushButton>(picRegolazione, QStringLiteral("cmdTime_%1").arg(i), 16, 48 - 16 * i, 17, 17);
        cmdTime[i]->setText(QString::fromUtf8(testi[i]));
        cmdTime[i]->setToolTip(QString::fromUtf8(suggerimenti[i]));
        QFont f(QStringLiteral("Arial"));
        f.setPointSizeF(12);
        f.setBold(i <= 1);
        cmdTime[i]->setFont(f);
        cmdTime[i]->setEnabled(false);
        cmdTime[i]->setStyleSheet(QStringLiteral("QPushButton{background:rgb(128,128,128);color:black;"
                                                 "border:1px outset rgb(224,224,224);padding:0;}"));
    }
}

void frmClock::CollegaEventi()
{
    connect(tmrClock, &QTimer::timeout, this, &frmClock::tmrClock_Timer);
    connect(grpCtrTime, &OptionGroup::clicked, this, &frmClock::optCtrTime_Click);
    connect(grp12_24, &OptionGroup::clicked, this, &frmClock::opt12_24_Click);
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
    for (int i = 0; i < 4; ++i) {
        connect(cmdTime[i], &QPushButton::pressed, this, [this, i] { cmdTime_MouseDown(i); });
        connect(cmdTime[i], &QPushButton::released, this, [this, i] { cmdTime_MouseUp(i); });
        connect(cmdTime[i], &QPushButton::clicked, this, [this, i] { cmdTime_Click(i); });
    }
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
