// SPDX-License-Identifier: GPL-3.0-or-later
// The message window: built from its design, coloured and animated for the
// message code it is opened with.

#include "frmMsg.h"
#include "Controlli.h"

#include <QPainter>
#include <QPointer>
#include <cmath>

#include "Platform.h"
#include "Risorse.h"
#include "Suoni.h"
#include "modTempolino.h"

using namespace modTempolino;

void FormaPiena::impostaRiempimento(const QColor& c)
{
    riempimento = c;
    update();
}

void FormaPiena::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), riempimento);
    p.setPen(bordo);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

frmMsg::frmMsg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmMsg"));
    setWindowTitle(QStringLiteral("Tempolino"));
    setFixedSize(Controlli::RettangoloTwip(0, 0, 5715, 2625).size());
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(192, 192, 192));
    pal.setColor(QPalette::WindowText, Qt::black);
    setPalette(pal);
    setAutoFillBackground(true);
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(8.25);
    setFont(f);

    // The band and its line lie under the text, the picture and the button.
    shpBottom = new FormaPiena(this);
    shpBottom->setObjectName(QStringLiteral("shpBottom"));
    shpBottom->setGeometry(Controlli::RettangoloTwip(-30, 1935, 5775, 675));

    Line1 = new QFrame(this);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setGeometry(-30 / 15, 1920 / 15, (5760 + 30) / 15 + 1, 1);
    Line1->setAutoFillBackground(true);
    QPalette pl = Line1->palette();
    pl.setColor(QPalette::Window, QColor(128, 128, 128));
    Line1->setPalette(pl);

    lblMessaggio = new QLabel(this);
    lblMessaggio->setObjectName(QStringLiteral("lblMessaggio"));
    lblMessaggio->setGeometry(Controlli::RettangoloTwip(1200, 180, 4335, 1815));
    lblMessaggio->setTextFormat(Qt::PlainText);
    lblMessaggio->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblMessaggio->setWordWrap(true);
    QFont fl(QStringLiteral("Arial"));
    fl.setPointSizeF(9);
    lblMessaggio->setFont(fl);

    imgIcona = new QLabel(this);
    imgIcona->setObjectName(QStringLiteral("imgIcona"));
    imgIcona->setGeometry(Controlli::RettangoloTwip(75, 90, 1050, 975));

    cmdChiudi = new QPushButton(this);
    cmdChiudi->setObjectName(QStringLiteral("cmdChiudi"));
    cmdChiudi->setGeometry(Controlli::RettangoloTwip(2160, 2100, 1455, 375));
    cmdChiudi->setText(QStringLiteral("&OK"));
    cmdChiudi->setDefault(true);
    cmdChiudi->setStyleSheet(
        QStringLiteral("QPushButton{background:rgb(224,224,224);color:black;border:2px outset rgb(240,240,240);}"
                       "QPushButton:focus{border-color:rgb(96,96,96);}"
                       "QPushButton:pressed{border-style:inset;}"));
    connect(cmdChiudi, &QPushButton::clicked, this, &frmMsg::cmdChiudi_Click);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(300);
    connect(Timer1, &QTimer::timeout, this, &frmMsg::Timer1_Timer);
    // The tick sound runs from the moment the window exists.
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(650);
    connect(Timer2, &QTimer::timeout, this, &frmMsg::Timer2_Timer);
    Timer2->start();
}

void frmMsg::Form_Load()
{
    ImpostaBordo(this);
    ImpostaPuntatore(this);
    // Opens at the centre of the program's screen; the lost-test message moves down
    // (Form_Resize).
    const QRect schermo = platform().desktop->screenGeometry();
    const QSize finestra = frameGeometry().size();
    move(schermo.topLeft()
         + QPoint((schermo.width() - finestra.width()) / 2, (schermo.height() - finestra.height()) / 2));
    PreparaMessaggio();
    Form_Resize();
}

void frmMsg::PreparaMessaggio()
{
    m_codice = CodiceMessaggio;
    const AspettoMessaggio a = AspettoPerCodice(m_codice);

    Timer1->start();
    QString prefisso;

    QFont f = lblMessaggio->font();
    f.setPointSizeF(10);
    lblMessaggio->setFont(f);
    QPalette pal = lblMessaggio->palette();
    pal.setColor(QPalette::WindowText, a.testo);
    lblMessaggio->setPalette(pal);

    if (a.banda.isValid())
        shpBottom->impostaRiempimento(a.banda);
    if (a.suono)
        Suona(*a.suono);
    if (a.lode)
        prefisso = ScegliLode();
    if (a.pulsanteInizia)
        cmdChiudi->setText(QStringLiteral("Inizia Test!"));
    if (a.bandaLampeggia)
        Timer2->stop();

    // The first frame is there from the start, so the picture is never empty.
    MostraFigura(a.figura);

    lblMessaggio->setText(prefisso + Messaggi[static_cast<size_t>(m_codice)]);
    AdattaTesto();
}

void frmMsg::AdattaTesto()
{
    // The longest message (the start of the final test) needs one line more than the
    // area above the band holds at 10 points: a slightly smaller letter keeps its last
    // line readable instead of cutting it off at the band.
    const int altezza = Line1->y() - lblMessaggio->y();
    QFont f = lblMessaggio->font();
    for (;;) {
        const QRect r = QFontMetrics(f).boundingRect(QRect(0, 0, lblMessaggio->width(), 10000),
                                                     Qt::TextWordWrap | Qt::AlignHCenter, lblMessaggio->text());
        if (r.height() <= altezza || f.pointSizeF() <= 8)
            break;
        f.setPointSizeF(f.pointSizeF() - 0.5);
    }
    lblMessaggio->setFont(f);
}

QString frmMsg::ScegliLode()
{
    platform().random->reseed();
    return LodePerEstrazione(platform().random->next());
}

void frmMsg::MostraFigura(int id)
{
    const qreal dpr = devicePixelRatioF();
    imgIcona->setPixmap(QPixmap::fromImage(Risorse::bitmap(id, dpr)));
}

void frmMsg::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    Form_Resize();
}

void frmMsg::Form_Resize()
{
    if (m_codice != 7)
        return;
    // 600 twips (40 pixels) left of the centre and above the bottom edge of the screen.
    const QRect schermo = platform().desktop->screenGeometry();
    const QSize finestra = frameGeometry().size();
    move(schermo.topLeft()
         + QPoint((schermo.width() - finestra.width()) / 2 - 40, schermo.height() - finestra.height() - 40));
}

void frmMsg::Timer1_Timer()
{
    const AspettoMessaggio a = AspettoPerCodice(m_codice);
    MostraFigura(a.figura + fotogramma);
    if (a.bandaLampeggia)
        shpBottom->impostaRiempimento(fotogramma == 0 ? QColor(192, 255, 192) : QColor(0, 192, 0));
    fotogramma = static_cast<short>(fotogramma + 1);
    if (fotogramma == 2)
        fotogramma = 0;
}

void frmMsg::Timer2_Timer()
{
    Suona(Suono::Ticchettio);
}

void frmMsg::cmdChiudi_Click()
{
    Timer1->stop();
    Timer2->stop();
    accept();
}

void frmMsg::done(int result)
{
    // The close box and Esc end the message as the button does.
    Timer1->stop();
    Timer2->stop();
    QDialog::done(result);
}

int MostraMessaggio(QWidget* parent, Messaggio messaggio)
{
    const int codice = static_cast<int>(messaggio);
    if (codice < 0 || codice > 9)
        return 0;
    CodiceMessaggio = static_cast<std::uint8_t>(codice);
    QPointer<frmMsg> msg = new frmMsg(parent);
    msg->Form_Load();
    const int esito = platform().dialogs->execModal(*msg);
    delete msg.data();
    return esito;
}
