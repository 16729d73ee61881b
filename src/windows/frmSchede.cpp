// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmSchede.h"
#include "Controlli.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QStandardPaths>
#include <cmath>

#include "AnteprimaScheda.h"
#include "ConsegnaStampa.h"
#include "ErroriStampa.h"
#include "FoglioScheda.h"
#include "LimiteCaratteri.h"
#include "Platform.h"
#include "modTempolino.h"

using namespace modTempolino;
using namespace Controlli;

namespace {

QLabel* Etichetta(QWidget* parent, const QString& nome, const QRect& r, const QString& testo, bool grassetto = false)
{
    auto* l = new QLabel(testo, parent);
    l->setObjectName(nome);
    l->setGeometry(r);
    if (grassetto)
        l->setFont(Arial(9, true));
    return l;
}

} // namespace

frmSchede::frmSchede(QWidget* parent) : QDialog(parent), m_consegna(new ConsegnaStampa(*platform().printers, this))
{
    setObjectName(QStringLiteral("frmSchede"));
    setWindowTitle(QStringLiteral("Tempolino - Schede per la classe"));
    connect(m_consegna, &ConsegnaStampa::finita, this, &frmSchede::StampaFinita);
    CreaControlli();
    ImpostaBordo(this);
    ImpostaPuntatore(this);
    MostraCodice(CodiceScheda{SceltaScheda{}, SemeNuovo()});
}

frmSchede::~frmSchede()
{
    if (StampaInCorso())
        QApplication::restoreOverrideCursor();
}

frmSchede* frmSchede::Apri()
{
    auto* finestra = new frmSchede;
    finestra->setAttribute(Qt::WA_DeleteOnClose);
    finestra->show();
    finestra->raise();
    finestra->activateWindow();
    return finestra;
}

void frmSchede::CreaControlli()
{
    setFixedSize(700, 520);
    setFont(Arial(9));
    ColoraFinestraGrigia(this);

    // The title twice, grey under white and a pixel apart, for an embossed look.
    const QColor coloriTitolo[2] = {QColor(128, 128, 128), Qt::white};
    for (int i = 0; i < 2; ++i) {
        lblTitolo[i] = Etichetta(this, QStringLiteral("lblTitolo_%1").arg(i), QRect(12 + i, 8 + i, 360, 30),
                                 QStringLiteral("Schede per la classe"));
        lblTitolo[i]->setFont(Arial(15.75, true));
        QPalette p = lblTitolo[i]->palette();
        p.setColor(QPalette::WindowText, coloriTitolo[i]);
        lblTitolo[i]->setPalette(p);
    }

    int y = 46;
    lblTipi = Etichetta(this, QStringLiteral("lblTipi"), QRect(12, y, 360, 18), QStringLiteral("Esercizi"), true);
    y += 20;
    for (int i = 0; i < kNumeroTipiVoce; ++i) {
        chkTipo[i] = new QCheckBox(NomeTipoVoce(static_cast<TipoVoce>(i)), this);
        chkTipo[i]->setObjectName(QStringLiteral("chkTipo_%1").arg(i));
        chkTipo[i]->setGeometry(24, y, 340, 20);
        connect(chkTipo[i], &QCheckBox::clicked, this, [this, i](bool scelto) {
            // At least one kind stays chosen.
            if (!scelto && SceltaCorrente().tipi == 0)
                chkTipo[i]->setChecked(true);
            SceltaCambiata();
        });
        y += 21;
    }

    y += 6;
    lblLivello =
        Etichetta(this, QStringLiteral("lblLivello"), QRect(12, y + 3, 130, 18), QStringLiteral("Livello"), true);
    cboLivello = new QComboBox(this);
    cboLivello->setObjectName(QStringLiteral("cboLivello"));
    for (int l = 0; l < kNumeroLivelli; ++l)
        cboLivello->addItem(NomeLivello(static_cast<Livello>(l)));
    cboLivello->setGeometry(150, y, 210, 24);
    lblLivello->setBuddy(cboLivello);
    connect(cboLivello, &QComboBox::currentIndexChanged, this, &frmSchede::SceltaCambiata);

    y += 30;
    lblQuanti = Etichetta(this, QStringLiteral("lblQuanti"), QRect(12, y + 3, 135, 18),
                          QStringLiteral("Orologi sulla pagina"), true);
    cboQuanti = new QComboBox(this);
    cboQuanti->setObjectName(QStringLiteral("cboQuanti"));
    for (int n : QuantitaPossibili())
        cboQuanti->addItem(QString::number(n));
    cboQuanti->setGeometry(150, y, 70, 24);
    lblQuanti->setBuddy(cboQuanti);
    connect(cboQuanti, &QComboBox::currentIndexChanged, this, &frmSchede::SceltaCambiata);

    y += 32;
    lblForma = Etichetta(this, QStringLiteral("lblForma"), QRect(12, y, 360, 18), QStringLiteral("Risposte"), true);
    grpForma = new OptionGroup(this);
    const QString testiForma[2] = {QStringLiteral("Con la parte del giorno (le tre del pomeriggio)"),
                                   QStringLiteral("Sulle 24 ore (le 15:00)")};
    for (int i = 0; i < 2; ++i) {
        optForma[i] = new QRadioButton(testiForma[i], this);
        optForma[i]->setObjectName(QStringLiteral("optForma_%1").arg(i));
        optForma[i]->setGeometry(24, y + 20 + 21 * i, 340, 20);
        grpForma->add(optForma[i]);
    }
    connect(grpForma, &OptionGroup::clicked, this, &frmSchede::SceltaCambiata);

    y += 66;
    lblNumeri = Etichetta(this, QStringLiteral("lblNumeri"), QRect(12, y, 360, 18),
                          QStringLiteral("Numeri del quadrante"), true);
    grpNumeri = new OptionGroup(this);
    const QString testiNumeri[3] = {QStringLiteral("Puntini"), QStringLiteral("Arabi (1, 2, 3…)"),
                                    QStringLiteral("Romani (I, II, III…)")};
    const int xNumeri[3] = {24, 100, 222};
    for (int i = 0; i < 3; ++i) {
        optNumeri[i] = new QRadioButton(testiNumeri[i], this);
        optNumeri[i]->setObjectName(QStringLiteral("optNumeri_%1").arg(i));
        optNumeri[i]->setGeometry(xNumeri[i], y + 20, i == 0 ? 74 : 120, 20);
        grpNumeri->add(optNumeri[i]);
    }
    connect(grpNumeri, &OptionGroup::clicked, this, &frmSchede::SceltaCambiata);

    y += 48;
    lblTitoloScheda = Etichetta(this, QStringLiteral("lblTitoloScheda"), QRect(12, y + 3, 135, 18),
                                QStringLiteral("Titolo della scheda"), true);
    txtTitolo = new QLineEdit(Foglio::TitoloSchedaPredefinito(), this);
    txtTitolo->setObjectName(QStringLiteral("txtTitolo"));
    txtTitolo->setValidator(new LimiteCaratteri(kCaratteriTitolo, txtTitolo));
    txtTitolo->setGeometry(150, y, 210, 24);
    lblTitoloScheda->setBuddy(txtTitolo);
    connect(txtTitolo, &QLineEdit::textChanged, this, &frmSchede::Aggiorna);

    y += 34;
    lblCodice =
        Etichetta(this, QStringLiteral("lblCodice"), QRect(12, y + 3, 135, 18), QStringLiteral("Codice scheda"), true);
    txtCodice = new QLineEdit(this);
    txtCodice->setObjectName(QStringLiteral("txtCodice"));
    txtCodice->setMaxLength(20);
    txtCodice->setGeometry(150, y, 118, 24);
    txtCodice->setToolTip(QStringLiteral("Scrivi il codice in fondo a una scheda per riaverla uguale"));
    lblCodice->setBuddy(txtCodice);
    cmdApriCodice = new QPushButton(QStringLiteral("&Riapri"), this);
    cmdApriCodice->setObjectName(QStringLiteral("cmdApriCodice"));
    cmdApriCodice->setToolTip(QStringLiteral("Riapri la scheda del codice scritto"));
    cmdApriCodice->setGeometry(274, y, 86, 24);
    connect(cmdApriCodice, &QPushButton::clicked, this, &frmSchede::cmdApriCodice_Click);
    connect(txtCodice, &QLineEdit::returnPressed, this, &frmSchede::cmdApriCodice_Click);

    y += 32;
    cmdNuova = new QPushButton(QStringLiteral("&Nuova scheda"), this);
    cmdNuova->setObjectName(QStringLiteral("cmdNuova"));
    cmdNuova->setToolTip(QStringLiteral("Altri orari con le stesse scelte"));
    cmdNuova->setGeometry(150, y, 210, 26);
    connect(cmdNuova, &QPushButton::clicked, this, &frmSchede::cmdNuova_Click);

    // The preview, with the choice of the page above it.
    grpPagina = new OptionGroup(this);
    const QString testiPagina[2] = {QStringLiteral("Scheda"), QStringLiteral("Soluzioni")};
    for (int i = 0; i < 2; ++i) {
        optPagina[i] = new QRadioButton(testiPagina[i], this);
        optPagina[i]->setObjectName(QStringLiteral("optPagina_%1").arg(i));
        optPagina[i]->setGeometry(390 + 100 * i, 12, 96, 20);
        grpPagina->add(optPagina[i]);
    }
    connect(grpPagina, &OptionGroup::clicked, this, &frmSchede::Aggiorna);
    anteprima = new AnteprimaScheda(this);
    anteprima->setGeometry(384, 36, 304, 430);
    anteprima->setAccessibleName(QStringLiteral("Anteprima della scheda"));

    cmdStampa = new QPushButton(QStringLiteral("&Stampa"), this);
    cmdStampa->setObjectName(QStringLiteral("cmdStampa"));
    cmdStampa->setToolTip(QStringLiteral("Stampa la scheda e le soluzioni sulla stampante predefinita"));
    cmdStampa->setGeometry(12, 478, 150, 30);
    QPalette verde = cmdStampa->palette();
    verde.setColor(QPalette::Button, QColor(128, 255, 128));
    cmdStampa->setPalette(verde);
    cmdStampa->setAutoFillBackground(true);
    connect(cmdStampa, &QPushButton::clicked, this, &frmSchede::cmdStampa_Click);

    cmdSalvaPdf = new QPushButton(QStringLiteral("Salva come &PDF…"), this);
    cmdSalvaPdf->setObjectName(QStringLiteral("cmdSalvaPdf"));
    cmdSalvaPdf->setToolTip(QStringLiteral("Salva la scheda e le soluzioni in un file PDF"));
    cmdSalvaPdf->setGeometry(172, 478, 150, 30);
    connect(cmdSalvaPdf, &QPushButton::clicked, this, &frmSchede::cmdSalvaPdf_Click);

    cmdEsci = new QPushButton(QStringLiteral("&Chiudi"), this);
    cmdEsci->setObjectName(QStringLiteral("cmdEsci"));
    cmdEsci->setGeometry(588, 478, 100, 30);
    connect(cmdEsci, &QPushButton::clicked, this, &frmSchede::cmdEsci_Click);

    for (QPushButton* b : {cmdApriCodice, cmdNuova, cmdStampa, cmdSalvaPdf, cmdEsci})
        b->setAutoDefault(false);
}

int frmSchede::SemeNuovo() const
{
    const double r = platform().random->next();
    return qBound(0, static_cast<int>(std::floor(r * CodiceScheda::kSemi)), CodiceScheda::kSemi - 1);
}

SceltaScheda frmSchede::SceltaCorrente() const
{
    SceltaScheda s;
    s.tipi = 0;
    for (int i = 0; i < kNumeroTipiVoce; ++i)
        if (chkTipo[i]->isChecked())
            s.tipi |= 1 << i;
    s.livello = static_cast<Livello>(qMax(0, cboLivello->currentIndex()));
    s.forma = grpForma->isSelected(1) ? FormaOra::Ventiquattro : FormaOra::Maestra;
    s.quanti = QuantitaPossibili().value(cboQuanti->currentIndex(), 6);
    s.numeri = grpNumeri->isSelected(0) ? StileQuadrante::Punti
        : grpNumeri->isSelected(2)      ? StileQuadrante::Romani
                                        : StileQuadrante::Arabi;
    return s;
}

void frmSchede::MostraCodice(const CodiceScheda& codice)
{
    m_impostando = true;
    for (int i = 0; i < kNumeroTipiVoce; ++i)
        chkTipo[i]->setChecked(codice.scelta.ha(static_cast<TipoVoce>(i)));
    cboLivello->setCurrentIndex(static_cast<int>(codice.scelta.livello));
    cboQuanti->setCurrentIndex(static_cast<int>(QuantitaPossibili().indexOf(codice.scelta.quanti)));
    grpForma->select(codice.scelta.forma == FormaOra::Ventiquattro ? 1 : 0);
    grpNumeri->select(static_cast<int>(codice.scelta.numeri));
    if (!grpPagina->isSelected(0) && !grpPagina->isSelected(1))
        grpPagina->select(0);
    m_impostando = false;
    m_codice = codice;
    Aggiorna();
}

void frmSchede::SceltaCambiata()
{
    if (m_impostando)
        return;
    // Other choices with the same draw: the code follows them.
    m_codice.scelta = SceltaCorrente();
    Aggiorna();
}

void frmSchede::Aggiorna()
{
    if (m_impostando)
        return;
    txtCodice->setText(m_codice.testo());
    anteprima->Mostra(m_codice, txtTitolo->text(), grpPagina->isSelected(1));
}

void frmSchede::cmdApriCodice_Click()
{
    CodiceScheda letto;
    const QString motivo = CodiceScheda::Leggi(txtCodice->text(), letto);
    if (!motivo.isEmpty()) {
        // The sheet shown stays; the code box keeps what was typed, to correct it.
        platform().dialogs->messageBox(this, Dialogs::Icon::Stop, QStringLiteral("Tempolino"), motivo,
                                       Dialogs::Buttons::Ok);
        txtCodice->setFocus();
        return;
    }
    MostraCodice(letto);
}

void frmSchede::cmdNuova_Click()
{
    int seme = SemeNuovo();
    if (seme == m_codice.seme)
        seme = (seme + 1) % CodiceScheda::kSemi;
    m_codice = CodiceScheda{SceltaCorrente(), seme};
    Aggiorna();
}

void frmSchede::cmdStampa_Click()
{
    if (StampaInCorso())
        return;
    const CodiceScheda codice = m_codice;
    const QString titolo = txtTitolo->text();
    MostraAttesa(true);
    m_consegna->avvia([codice, titolo](QPainter& p, const PrintJob& lavoro) {
        return Foglio::DisegnaSchede(p, codice, titolo, lavoro.printableWidthMm());
    });
}

bool frmSchede::StampaInCorso() const
{
    return m_consegna->inCorso();
}

void frmSchede::StampaFinita(PrintError errore)
{
    MostraAttesa(false);
    // Whatever the printer said, the window stays: the teacher may try again or save.
    if (errore != PrintError::None)
        platform().dialogs->messageBox(this, Dialogs::Icon::Stop, QStringLiteral("Tempolino"),
                                       ErroriStampa::Messaggio(errore), Dialogs::Buttons::Ok);
    else
        platform().dialogs->messageBox(this, Dialogs::Icon::Information, QStringLiteral("Tempolino"),
                                       QStringLiteral("La scheda e le soluzioni sono state inviate alla stampante."),
                                       Dialogs::Buttons::Ok);
    emit stampaConclusa(errore);
}

void frmSchede::MostraAttesa(bool attesa)
{
    cmdStampa->setText(attesa ? QStringLiteral("Stampa in corso…") : QStringLiteral("&Stampa"));
    for (QWidget* w : findChildren<QWidget*>()) {
        if (w != anteprima && w->parentWidget() == this && !qobject_cast<QLabel*>(w))
            w->setEnabled(!attesa);
    }
    if (attesa)
        QApplication::setOverrideCursor(Qt::BusyCursor);
    else
        QApplication::restoreOverrideCursor();
}

QString frmSchede::FilePdfProposto() const
{
    QString cartella = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (cartella.isEmpty() || !QDir(cartella).exists())
        cartella = QDir::homePath();
    return QDir(cartella).filePath(Foglio::NomePdfScheda(m_codice));
}

void frmSchede::cmdSalvaPdf_Click()
{
    const QString file = platform().dialogs->saveFileName(this, QStringLiteral("Salva la scheda come PDF"),
                                                          FilePdfProposto(), QStringLiteral("Documenti PDF (*.pdf)"));
    if (file.isEmpty())
        return;
    const QString errore = Foglio::SalvaSchedePdf(file, m_codice, txtTitolo->text());
    if (!errore.isEmpty()) {
        platform().dialogs->messageBox(this, Dialogs::Icon::Stop, QStringLiteral("Tempolino"),
                                       QStringLiteral("La scheda non è stata salvata.\r\n") + errore,
                                       Dialogs::Buttons::Ok);
        return;
    }
    platform().dialogs->messageBox(this, Dialogs::Icon::Information, QStringLiteral("Tempolino"),
                                   QStringLiteral("La scheda e le soluzioni sono state salvate nel file:\r\n%1")
                                       .arg(QDir::toNativeSeparators(QFileInfo(file).absoluteFilePath())),
                                   Dialogs::Buttons::Ok);
}

void frmSchede::cmdEsci_Click()
{
    close();
}
