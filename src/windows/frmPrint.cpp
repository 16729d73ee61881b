// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmPrint.h"
#include "Controlli.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QStandardPaths>

#include "ConsegnaStampa.h"
#include "ErroriStampa.h"
#include "FoglioPdf.h"
#include "LimiteCaratteri.h"
#include "Platform.h"
#include "Risorse.h"
#include "modTempolino.h"

using namespace modTempolino;
using namespace Controlli;

namespace {

// An image control showing a named picture at its own size, sharp on dense screens.
QLabel* immagine(QWidget* parent, const QString& nome, const QString& figura, QSize size, QPoint pos)
{
    auto* l = new QLabel(parent);
    l->setObjectName(nome);
    l->setPixmap(QPixmap::fromImage(Risorse::figura(figura, size, qMax<qreal>(parent->devicePixelRatioF(), 2.0))));
    l->setGeometry(QRect(pos, size));
    return l;
}

} // namespace

frmPrint::frmPrint(QWidget* parent) : QDialog(parent), m_consegna(new ConsegnaStampa(*platform().printers, this))
{
    setObjectName(QStringLiteral("frmPrint"));
    setWindowTitle(QStringLiteral("Tempolino - Stampa orologio"));
    connect(m_consegna, &ConsegnaStampa::finita, this, &frmPrint::StampaFinita);
    CreaControlli();
    Form_Load();
}

frmPrint::~frmPrint()
{
    if (StampaInCorso())
        QApplication::restoreOverrideCursor();
}

void frmPrint::CreaControlli()
{
    setFixedSize(DaTwip(4530), DaTwip(5145));
    setFont(Arial(9));
    ColoraFinestraGrigia(this);
    // The name boxes' greyed-out text too, while the page goes to the spooler.
    QPalette pal = palette();
    pal.setColor(QPalette::Disabled, QPalette::Text, QColor(128, 128, 128));
    setPalette(pal);

    // The title twice, grey under white and a pixel apart, for an embossed look.
    const QColor coloriTitolo[2] = {QColor(128, 128, 128), Qt::white};
    for (int i = 0; i < 2; ++i) {
        Label5[i] = new QLabel(QStringLiteral("Stampa orologio"), this);
        Label5[i]->setObjectName(QStringLiteral("Label5_%1").arg(i));
        Label5[i]->setFont(Arial(15.75, true));
        Label5[i]->setAlignment(Qt::AlignCenter);
        QPalette p = Label5[i]->palette();
        p.setColor(QPalette::WindowText, coloriTitolo[i]);
        Label5[i]->setPalette(p);
        Label5[i]->setGeometry(RettangoloTwip(600 + 15 * i, 90 + 15 * i, 3330, 420));
    }

    Label4 = new QLabel(QStringLiteral("  Stile quadrante...."), this);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setGeometry(RettangoloTwip(375, 480, 2700, 255));

    grpStileQuadrante = new OptionGroup(this);
    const QString testiStile[2] = {QStringLiteral("Numeri arabi (1,2,3...)"),
                                   QStringLiteral("Numeri romani (I,V,X..)")};
    const int topStile[2] = {750, 1095};
    for (int i = 0; i < 2; ++i) {
        optStileQuadrante[i] = new QRadioButton(testiStile[i], this);
        optStileQuadrante[i]->setObjectName(QStringLiteral("optStileQuadrante_%1").arg(i));
        optStileQuadrante[i]->setGeometry(RettangoloTwip(248, topStile[i], 2025, 285));
        // Wide enough for the caption with this style's indicator.
        optStileQuadrante[i]->resize(qMax(optStileQuadrante[i]->width(), optStileQuadrante[i]->sizeHint().width()),
                                     optStileQuadrante[i]->height());
        grpStileQuadrante->add(optStileQuadrante[i]);
    }
    connect(grpStileQuadrante, &OptionGroup::clicked, this, &frmPrint::optStileQuadrante_Click);

    chkPrintMinuti = new QCheckBox(QStringLiteral("Stampa minuti (0-59)"), this);
    chkPrintMinuti->setObjectName(QStringLiteral("chkPrintMinuti"));
    chkPrintMinuti->setGeometry(RettangoloTwip(2288, 750, 2160, 285));
    // Beside the Arabic option, never over its caption.
    const int dopoArabi = optStileQuadrante[0]->geometry().right() + 3;
    if (chkPrintMinuti->x() < dopoArabi)
        chkPrintMinuti->move(dopoArabi, chkPrintMinuti->y());
    chkPrintMinuti->resize(qMin(chkPrintMinuti->sizeHint().width(), width() - chkPrintMinuti->x()),
                           chkPrintMinuti->height());

    Label6 = new QLabel(QStringLiteral("  Dati personali...."), this);
    Label6->setObjectName(QStringLiteral("Label6"));
    Label6->setGeometry(RettangoloTwip(360, 1560, 2700, 255));

    Label1 = new QLabel(QStringLiteral("Nome"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(RettangoloTwip(248, 2040, 900, 255));
    Label2 = new QLabel(QStringLiteral("Cognome"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(RettangoloTwip(248, 2430, 900, 255));

    const int topDati[2] = {1905, 2330};
    for (int i = 0; i < 2; ++i) {
        txtDati[i] = new QLineEdit(this);
        txtDati[i]->setObjectName(QStringLiteral("txtDati_%1").arg(i));
        // At most 20 whole characters, typed or pasted.
        txtDati[i]->setValidator(new LimiteCaratteri(kCaratteriDati, txtDati[i]));
        txtDati[i]->setGeometry(RettangoloTwip(1208, topDati[i], 3015, 330));
    }
    Label1->setBuddy(txtDati[0]);
    Label2->setBuddy(txtDati[1]);

    Label3 = new QLabel(
        QStringLiteral("Per un risultato ottimale ti consiglio di utilizzare un foglio formato A4 da almeno 160g/m²."),
        this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setWordWrap(true);
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label3->setGeometry(RettangoloTwip(705, 3000, 3615, 405));
    // Tall enough for every line of the advice in this font.
    Label3->resize(Label3->width(), qMax(Label3->height(), Label3->heightForWidth(Label3->width())));

    cmdStampa = new QPushButton(QStringLiteral("Stampa &orologio!"), this);
    cmdStampa->setObjectName(QStringLiteral("cmdStampa"));
    cmdStampa->setFont(Arial(9.75));
    cmdStampa->setGeometry(RettangoloTwip(825, 3720, 3375, 495));
    QPalette verde = cmdStampa->palette();
    verde.setColor(QPalette::Button, QColor(128, 255, 128));
    cmdStampa->setPalette(verde);
    cmdStampa->setAutoFillBackground(true);
    // Enter in a name box must not print: only a click or Alt+O does.
    cmdStampa->setAutoDefault(false);
    connect(cmdStampa, &QPushButton::clicked, this, &frmPrint::cmdStampa_Click);

    // The second way to the sheet, for a family without a printer: in the row of
    // "&Chiudi", left of it, where the window has room.
    cmdSalvaPdf = new QPushButton(QStringLiteral("Salva come &PDF…"), this);
    cmdSalvaPdf->setObjectName(QStringLiteral("cmdSalvaPdf"));
    cmdSalvaPdf->setToolTip(QStringLiteral("Salva l'orologio da ritagliare in un file PDF, da stampare quando vuoi"));
    cmdSalvaPdf->setGeometry(RettangoloTwip(90, 4560, 1710, 450));
    cmdSalvaPdf->setAutoDefault(false);
    connect(cmdSalvaPdf, &QPushButton::clicked, this, &frmPrint::cmdSalvaPdf_Click);

    cmdEsci = new QPushButton(QStringLiteral("&Chiudi"), this);
    cmdEsci->setObjectName(QStringLiteral("cmdEsci"));
    cmdEsci->setToolTip(QStringLiteral("Esci"));
    cmdEsci->setGeometry(RettangoloTwip(1860, 4560, 1170, 450));
    cmdEsci->setAutoDefault(false);
    connect(cmdEsci, &QPushButton::clicked, this, &frmPrint::cmdEsci_Click);

    // The printer beside the print button, the scissors beside the advice on paper,
    // the decoration beside the title.
    imgPrinter = immagine(this, QStringLiteral("imgPrinter"), QStringLiteral("imgPrinter"), QSize(32, 32),
                          QPoint(DaTwip(248), DaTwip(3735)));
    imgCut = immagine(this, QStringLiteral("imgCut"), QStringLiteral("imgCut"), QSize(18, 11),
                      QPoint(DaTwip(300), DaTwip(3060)));
    Image1 = immagine(this, QStringLiteral("Image1"), QStringLiteral("Image1_print"), QSize(32, 32),
                      QPoint(DaTwip(4020), DaTwip(90)));

    setTabOrder(optStileQuadrante[0], optStileQuadrante[1]);
    setTabOrder(optStileQuadrante[1], chkPrintMinuti);
    setTabOrder(chkPrintMinuti, txtDati[0]);
    setTabOrder(txtDati[0], txtDati[1]);
    setTabOrder(txtDati[1], cmdStampa);
    setTabOrder(cmdStampa, cmdSalvaPdf);
    setTabOrder(cmdSalvaPdf, cmdEsci);
}

void frmPrint::Form_Load()
{
    ImpostaBordo(this);
    ImpostaPuntatore(this);
    chkPrintMinuti->setChecked(true);
    grpStileQuadrante->select(0);
    Stampato = false;
    TestoPiede = Foglio::TestoPiedePredefinito();
}

void frmPrint::optStileQuadrante_Click(int index)
{
    // Minute numbers go only with Arabic numerals.
    if (index == 1) {
        chkPrintMinuti->setChecked(false);
        chkPrintMinuti->setEnabled(false);
    } else {
        chkPrintMinuti->setEnabled(true);
    }
}

Foglio::OpzioniFoglio frmPrint::OpzioniCorrenti() const
{
    Foglio::OpzioniFoglio o;
    o.numeriRomani = !grpStileQuadrante->isSelected(0);
    o.stampaMinuti = chkPrintMinuti->isChecked();
    o.nome = txtDati[0]->text();
    o.cognome = txtDati[1]->text();
    o.testoPiede = TestoPiede;
    return o;
}

void frmPrint::cmdStampa_Click()
{
    if (StampaInCorso())
        return;
    const Foglio::OpzioniFoglio scelte = OpzioniCorrenti();
    MostraAttesa(true);
    // Drawn when the printer's page is known, with the choices of the moment of the click.
    m_consegna->avvia([this, scelte](QPainter& p, const PrintJob& lavoro) {
        Foglio::OpzioniFoglio opzioni = scelte;
        opzioni.larghezzaStampabile = lavoro.printableWidthMm();
        CentroX = static_cast<float>(opzioni.larghezzaStampabile / 2);
        CentroY = Foglio::CentroY;
        return Foglio::DisegnaFoglio(p, opzioni);
    });
}

bool frmPrint::StampaInCorso() const
{
    return m_consegna->inCorso();
}

void frmPrint::StampaFinita(PrintError errore)
{
    MostraAttesa(false);
    if (errore != PrintError::None) {
        MostraErrore(errore);
        close();
    } else {
        platform().dialogs->messageBox(this, Dialogs::Icon::Information, QStringLiteral("Tempolino"),
                                       QStringLiteral("Stampa inviata alla stampante."), Dialogs::Buttons::Ok);
        Stampato = true;
        close();
    }
    emit stampaConclusa(errore);
}

void frmPrint::MostraAttesa(bool attesa)
{
    static const QString kTestoStampa = QStringLiteral("Stampa &orologio!");
    cmdStampa->setText(attesa ? QStringLiteral("Stampa in corso…") : kTestoStampa);
    // The choices stay as they were drawn; the window closes only once the printer answered.
    for (QWidget* w : std::initializer_list<QWidget*>{optStileQuadrante[0], optStileQuadrante[1], txtDati[0],
                                                      txtDati[1], cmdStampa, cmdSalvaPdf, cmdEsci})
        w->setEnabled(!attesa);
    chkPrintMinuti->setEnabled(!attesa && grpStileQuadrante->isSelected(0));
    if (attesa)
        QApplication::setOverrideCursor(Qt::BusyCursor);
    else
        QApplication::restoreOverrideCursor();
}

QString frmPrint::FilePdfProposto()
{
    QString cartella = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (cartella.isEmpty() || !QDir(cartella).exists())
        cartella = QDir::homePath();
    return QDir(cartella).filePath(QString::fromUtf8(Foglio::kNomePdf));
}

void frmPrint::cmdSalvaPdf_Click()
{
    const QString file = platform().dialogs->saveFileName(this, QStringLiteral("Salva l'orologio come PDF"),
                                                          FilePdfProposto(), QStringLiteral("Documenti PDF (*.pdf)"));
    // Cancelled: the window stays as it was.
    if (file.isEmpty())
        return;
    const QString errore = Foglio::SalvaPdf(file, OpzioniCorrenti());
    if (!errore.isEmpty()) {
        // The window stays open for another name or another folder.
        platform().dialogs->messageBox(this, Dialogs::Icon::Stop, QStringLiteral("Tempolino"),
                                       QStringLiteral("L'orologio non è stato salvato.\r\n") + errore,
                                       Dialogs::Buttons::Ok);
        return;
    }
    platform().dialogs->messageBox(
        this, Dialogs::Icon::Information, QStringLiteral("Tempolino"),
        QStringLiteral("L'orologio è stato salvato nel file:\r\n%1\r\nStampalo su un foglio A4, senza adattarlo "
                       "alla pagina, quando vuoi.")
            .arg(QDir::toNativeSeparators(QFileInfo(file).absoluteFilePath())),
        Dialogs::Buttons::Ok);
    // A saved sheet is as good as a printed one: the window closes without asking.
    Stampato = true;
    close();
}

void frmPrint::MostraErrore(PrintError errore)
{
    platform().dialogs->messageBox(this, Dialogs::Icon::Stop, QStringLiteral("Tempolino"),
                                   ErroriStampa::Messaggio(errore), Dialogs::Buttons::Ok);
}

void frmPrint::cmdEsci_Click()
{
    close();
}

void frmPrint::Form_Unload(bool& cancel)
{
    if (Stampato)
        return;
    const int risposta = platform().dialogs->messageBox(
        this, Dialogs::Icon::Question, QStringLiteral("Tempolino"),
        QStringLiteral("Attenzione: l'orologio non è stato stampato!\r\nSei sicuro di non volerlo stampare?"),
        Dialogs::Buttons::YesNoCancel);
    if (risposta != Dialogs::Yes)
        cancel = true;
}

void frmPrint::reject()
{
    // The window waits for the printer's answer before it goes.
    if (StampaInCorso())
        return;
    bool cancel = false;
    Form_Unload(cancel);
    if (!cancel)
        done(Stampato ? QDialog::Accepted : QDialog::Rejected);
}
