// SPDX-License-Identifier: GPL-3.0-or-later
// The information window: name, version, platform and credits, and the three
// actions (teaching notes, mail, web site) that hand a link to the system.

#include "frmAbout.h"
#include "Controlli.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QSysInfo>
#include <QUrlQuery>

#include "AnelloFuoco.h"
#include "Platform.h"
#include "Risorse.h"
#include "frmSchede.h"
#include "modTempolino.h"
#include "versione.h"

using namespace modTempolino;
using Controlli::Arial;

namespace {

const QString kPaginaGuida = QStringLiteral("Tempolino.htm");

QLabel* etichetta(QWidget* parent, const QString& nome, const QRect& r, const QString& testo)
{
    auto* l = new QLabel(parent);
    l->setObjectName(nome);
    l->setGeometry(r);
    l->setText(testo);
    l->setAlignment(Qt::AlignCenter);
    l->setWordWrap(true);
    return l;
}

QLabel* immagine(QWidget* parent, const QString& nome, const QRect& r)
{
    auto* l = new QLabel(parent);
    l->setObjectName(nome);
    l->setGeometry(r);
    l->setAttribute(Qt::WA_TranslucentBackground);
    return l;
}

QPixmap figura(const QString& nome, QSize size)
{
    return QPixmap::fromImage(Risorse::figura(nome, size, qApp->devicePixelRatio()));
}

// A label that reads like a link: bold, underlined, blue, with the hand pointer.
void comeLink(QLabel* l, double punti, const QString& suggerimento)
{
    QFont f = Arial(punti, true);
    f.setUnderline(true);
    l->setFont(f);
    l->setToolTip(suggerimento);
    l->setTextFormat(Qt::PlainText);
    // Reached by Tab and followed with Return or the space bar, as a link is; a dotted
    // frame shows where the focus is.
    l->setFocusPolicy(Qt::TabFocus);
    l->setStyleSheet(QStringLiteral("QLabel{color:rgb(0,0,160);}QLabel:focus{border:1px dotted rgb(0,0,160);}"));
    l->setAccessibleName(suggerimento + QStringLiteral(": ") + l->text());
}

} // namespace

frmAbout::frmAbout(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("Informazioni su.........."));
    setFont(Arial(8.25));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(pal);
    // 5070 x 4470 twips.
    setFixedSize(338, 298);
    ImpostaBordo(this);
    CreaControlli();
    Form_Load();
}

void frmAbout::CreaControlli()
{
    imgProgramma = immagine(this, QStringLiteral("imgProgramma"), QRect(14, 8, 36, 36));
    imgMylogo = immagine(this, QStringLiteral("imgMylogo"), QRect(288, 8, 36, 36));

    // The title twice, a grey copy under a white one, for an embossed look.
    const QColor colori[2] = {QColor(128, 128, 128), QColor(255, 255, 255)};
    for (int i = 0; i < 2; ++i) {
        Label1[i] = etichetta(this, QStringLiteral("Label1_%1").arg(i), QRect(60 + i, 8 + i, 218, 30), QString());
        Label1[i]->setFont(Arial(15.75, true));
        Label1[i]->setStyleSheet(
            QStringLiteral("QLabel{color:%1;background:transparent;}").arg(Controlli::ColoreCss(colori[i])));
    }
    lblVersione = etichetta(this, QStringLiteral("lblVersione"), QRect(60, 40, 218, 16), QString());
    lblVersione->setFont(Arial(8.25, true));

    Label3 = etichetta(this, QStringLiteral("Label3"), QRect(10, 70, 318, 16),
                       QStringLiteral("Idea, programma e disegni: gli autori di Tempolino"));
    Label4 = etichetta(this, QStringLiteral("Label4"), QRect(10, 88, 318, 16),
                       QStringLiteral("Programma gratuito per uso didattico."));
    Label4->setFont(Arial(8.25, true));
    Label6 = etichetta(this, QStringLiteral("Label6"), QRect(10, 106, 318, 30),
                       QStringLiteral("Grazie agli insegnanti e ai genitori che ci aiutano a raccontare "
                                      "le curiosità sulla storia dell'orologio."));
    Label7 = etichetta(this, QStringLiteral("Label7"), QRect(10, 140, 318, 16),
                       QStringLiteral("Per consigli e segnalazioni scrivi a:"));

    lblEmail = etichetta(this, QStringLiteral("lblEmail"), QRect(10, 157, 318, 18), QStringLiteral(TEMPOLINO_EMAIL));
    comeLink(lblEmail, 9, QStringLiteral("e-mail"));
    const QUrl sito(QStringLiteral(TEMPOLINO_SITO));
    QString testoSito = sito.toDisplayString(QUrl::RemoveScheme | QUrl::StripTrailingSlash);
    if (testoSito.startsWith(QLatin1String("//")))
        testoSito.remove(0, 2);
    if (testoSito.endsWith(QLatin1Char('/')))
        testoSito.chop(1);
    lblSito = etichetta(this, QStringLiteral("lblSito"), QRect(10, 177, 318, 16), testoSito);
    comeLink(lblSito, 8.25, QStringLiteral("sito Internet"));

    Label2 = etichetta(this, QStringLiteral("Label2"), QRect(10, 204, 318, 28),
                       QStringLiteral("Impostazione video raccomandate: 800x600 pixel  -   16,8 milioni di "
                                      "colori (24 bit)"));
    Label5 = etichetta(this, QStringLiteral("Label5"), QRect(10, 232, 318, 16), TestoPiattaforma());

    cmdGuida = new QToolButton(this);
    cmdGuida->setObjectName(QStringLiteral("cmdGuida"));
    cmdGuida->setGeometry(16, 258, 30, 30); // 450 x 450 twips
    cmdGuida->setIcon(QIcon(figura(QStringLiteral("cmdGuida"), QSize(26, 26))));
    cmdGuida->setIconSize(QSize(26, 26));
    cmdGuida->setToolTip(QStringLiteral("Indicazioni didattiche"));
    cmdGuida->setAccessibleName(cmdGuida->toolTip());
    // Its native look shows no focus of its own.
    new AnelloFuoco(cmdGuida, 2);
    // Greyed out until the help page is found; its tooltip still shows.
    cmdGuida->setEnabled(false);

    cmdEsci = new QPushButton(QStringLiteral("&Chiudi"), this);
    cmdEsci->setObjectName(QStringLiteral("cmdEsci"));
    cmdEsci->setGeometry(132, 261, 74, 25);
    cmdEsci->setToolTip(QStringLiteral("Esci"));
    cmdEsci->setDefault(true);

    // The worksheets for the class, in the free room between the help and "Chiudi".
    cmdSchede = new QPushButton(QStringLiteral("&Schede…"), this);
    cmdSchede->setObjectName(QStringLiteral("cmdSchede"));
    cmdSchede->setGeometry(52, 261, 74, 25);
    cmdSchede->setToolTip(QStringLiteral("Schede per la classe: orologi da leggere e da disegnare, con le soluzioni"));
    cmdSchede->setAutoDefault(false);

    Image2 = immagine(this, QStringLiteral("Image2"), QRect(252, 256, 34, 34));
    Image2->setPixmap(figura(QStringLiteral("clessidra"), Image2->size()));
    Image3 = immagine(this, QStringLiteral("Image3"), QRect(290, 254, 38, 38));
    Image3->setPixmap(figura(QStringLiteral("civetta_libro"), Image3->size()));

    lblEmail->installEventFilter(this);
    lblSito->installEventFilter(this);
    connect(cmdGuida, &QToolButton::clicked, this, &frmAbout::cmdGuida_Click);
    connect(cmdEsci, &QPushButton::clicked, this, &frmAbout::cmdEsci_Click);
    connect(cmdSchede, &QPushButton::clicked, this, &frmAbout::cmdSchede_Click);
}

void frmAbout::Form_Load()
{
    Label1[0]->setText(QStringLiteral("Tempolino"));
    Label1[1]->setText(QStringLiteral("Tempolino"));
    imgProgramma->setPixmap(figura(QStringLiteral("icona"), imgProgramma->size()));
    const QCursor mano = Risorse::cursore(101);
    cmdEsci->setCursor(mano);
    cmdSchede->setCursor(mano);
    cmdGuida->setCursor(mano);
    lblEmail->setCursor(mano);
    lblSito->setCursor(mano);
    imgMylogo->setPixmap(figura(QStringLiteral("logo"), imgMylogo->size()));
    lblVersione->setText(TestoVersione());
    if (EsisteFile(PercorsoGuida()))
        cmdGuida->setEnabled(true);
}

QString frmAbout::PercorsoGuida()
{
    // Beside the program first (the build tree, a copy in one folder); an installed
    // program keeps its data apart from its binary, in ../share/tempolino.
    const QString accanto = PercorsoProgramma() + kPaginaGuida;
    if (EsisteFile(accanto))
        return accanto;
    const QString installata =
        QDir::cleanPath(PercorsoProgramma() + QStringLiteral("../share/tempolino/") + kPaginaGuida);
    return EsisteFile(installata) ? installata : accanto;
}

QString frmAbout::PercorsoProgramma()
{
    QString percorso = platform().desktop->programFolder();
    if (!percorso.endsWith(QLatin1Char('/')) && !percorso.endsWith(QLatin1Char('\\')))
        percorso += QLatin1Char('/');
    return percorso;
}

bool frmAbout::EsisteFile(const QString& percorso)
{
    QFile f(percorso);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    f.close();
    return true;
}

QString frmAbout::TestoVersione()
{
    return QStringLiteral("Versione %1.%2.%3")
        .arg(TEMPOLINO_VERSIONE_MAJOR)
        .arg(TEMPOLINO_VERSIONE_MINOR)
        .arg(TEMPOLINO_VERSIONE_PATCH);
}

QString frmAbout::TestoPiattaforma()
{
    return QStringLiteral("Applicazione a %1 bit per %2").arg(QSysInfo::WordSize).arg(QSysInfo::prettyProductName());
}

QUrl frmAbout::IndirizzoEmail(const QString& versione)
{
    QUrl url(QStringLiteral("mailto:") + QStringLiteral(TEMPOLINO_EMAIL));
    QUrlQuery domanda;
    domanda.addQueryItem(QStringLiteral("Subject"), QStringLiteral("Tempolino - ") + versione);
    url.setQuery(domanda);
    return url;
}

void frmAbout::cmdGuida_Click()
{
    platform().desktop->openUrl(QUrl::fromLocalFile(PercorsoGuida()));
    close();
}

void frmAbout::lblEmail_Click()
{
    // Whether a mail program took the link or not, the window closes.
    platform().desktop->openUrl(IndirizzoEmail(lblVersione->text()));
    close();
}

void frmAbout::lblSito_Click()
{
    platform().desktop->openUrl(QUrl(QStringLiteral(TEMPOLINO_SITO)));
    close();
}

void frmAbout::cmdEsci_Click()
{
    close();
}

void frmAbout::cmdSchede_Click()
{
    close();
    frmSchede::Apri();
}

bool frmAbout::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && (watched == lblEmail || watched == lblSito)) {
        const int tasto = static_cast<QKeyEvent*>(event)->key();
        if (tasto == Qt::Key_Return || tasto == Qt::Key_Enter || tasto == Qt::Key_Space) {
            if (watched == lblEmail)
                lblEmail_Click();
            else
                lblSito_Click();
            return true;
        }
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* m = static_cast<QMouseEvent*>(event);
        auto* w = static_cast<QWidget*>(watched);
        if (m->button() == Qt::LeftButton && w->rect().contains(m->position().toPoint())) {
            if (watched == lblEmail) {
                lblEmail_Click();
                return true;
            }
            if (watched == lblSito) {
                lblSito_Click();
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmAbout::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    // Engraved lines between the title, the credits and the technical notes.
    QPainter p(this);
    auto linea = [&](int y) {
        p.setPen(QColor(128, 128, 128));
        p.drawLine(8, y, width() - 9, y);
        p.setPen(QColor(240, 240, 240));
        p.drawLine(8, y + 1, width() - 9, y + 1);
    };
    linea(62);
    linea(198);
    linea(251);
}
