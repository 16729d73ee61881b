// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmLavagna.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

#include "GeometriaLavagna.h"
#include "OraInParole.h"
#include "PassoOra.h"
#include "QuadranteLavagna.h"
#include "Risorse.h"
#include "Suoni.h"
#include "TempoMostrato.h"
#include "modTempolino.h"

namespace {

// The switches' words, in the order of StatoLavagna::Opzione.
const char* const kNomiOpzioni[StatoLavagna::kOpzioni] = {"Lancetta dei secondi", "Minuti fuori dal quadrante",
                                                          "Ore dalle 13 alle 24", "Etichette delle lancette",
                                                          "Ora in cifre",         "Ora in parole",
                                                          "Ora del computer",     "Quanto tempo è passato?"};

QString TestoPasso(int minuti)
{
    const QString segno = minuti < 0 ? QStringLiteral("−") : QStringLiteral("+");
    if (std::abs(minuti) == 60)
        return segno + QStringLiteral("1 h");
    return segno + QString::number(std::abs(minuti));
}

QString NomePasso(int minuti)
{
    const int n = std::abs(minuti);
    const QString verso = minuti < 0 ? QStringLiteral("indietro") : QStringLiteral("avanti");
    if (n == 60)
        return QStringLiteral("Un'ora ") + verso;
    if (n == 1)
        return QStringLiteral("Un minuto ") + verso;
    return QStringLiteral("%1 minuti %2").arg(n).arg(verso);
}

} // namespace

frmLavagna::frmLavagna(StatoOrologio* orologio, QWidget* parent)
    : QWidget(parent, Qt::Window), m_stato(new StatoLavagna(orologio, this))
{
    setObjectName(QStringLiteral("frmLavagna"));
    setWindowTitle(QStringLiteral("Orologio per la classe"));
    setWindowIcon(QIcon(QPixmap::fromImage(Risorse::figura(QStringLiteral("icona"), QSize(64, 64)))));
    // The main window waits behind it: the class clock is the only one the class uses.
    setWindowModality(Qt::ApplicationModal);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    pal.setColor(QPalette::WindowText, Qt::white);
    setPalette(pal);
    setAutoFillBackground(true);
    CreaControlli();

    connect(orologio, &StatoOrologio::tempoCambiato, this, &frmLavagna::TempoCambiato);
    connect(orologio, &StatoOrologio::vistaCambiata, this, &frmLavagna::TempoCambiato);
    connect(m_stato, &StatoLavagna::opzioneCambiata, this, &frmLavagna::OpzioneCambiata);
    connect(m_stato, &StatoLavagna::passatoCambiato, this, &frmLavagna::MostraPassato);
    connect(quadranteLavagna, &QuadranteLavagna::passo, orologio, &StatoOrologio::RegolaOra);
    for (int i = 0; i < StatoLavagna::kOpzioni; ++i)
        OpzioneCambiata(static_cast<StatoLavagna::Opzione>(i), m_stato->valore(static_cast<StatoLavagna::Opzione>(i)));
    TempoCambiato();
    MostraPassato();
}

void frmLavagna::CreaControlli()
{
    quadranteLavagna = new QuadranteLavagna(m_stato, this);
    picPannello = new QWidget(this);
    picPannello->setObjectName(QStringLiteral("picPannello"));

    auto* colonna = new QVBoxLayout(picPannello);
    colonna->setContentsMargins(0, 8, 0, 8);

    auto* lettura = new QHBoxLayout;
    lblLettura = new QLabel(picPannello);
    lblLettura->setObjectName(QStringLiteral("lblLettura"));
    lblParteGiorno = new QLabel(picPannello);
    lblParteGiorno->setObjectName(QStringLiteral("lblParteGiorno"));
    lettura->addWidget(lblLettura, 3);
    lettura->addWidget(lblParteGiorno, 2);
    colonna->addLayout(lettura);

    auto* parole = new QHBoxLayout;
    lblParole = new QLabel(picPannello);
    lblParole->setObjectName(QStringLiteral("lblParole"));
    lblParole->setWordWrap(true);
    cmdAscoltaOra = new QPushButton(QStringLiteral("Ascolta"), picPannello);
    cmdAscoltaOra->setObjectName(QStringLiteral("cmdAscoltaOra"));
    cmdAscoltaOra->setToolTip(QStringLiteral("Dice l'ora ad alta voce (tasto P)"));
    parole->addWidget(lblParole, 1);
    parole->addWidget(cmdAscoltaOra);
    colonna->addLayout(parole);

    auto* passi = new QGridLayout;
    for (int i = 0; i < 8; ++i) {
        cmdPasso[i] = new QPushButton(TestoPasso(kPassi[i]), picPannello);
        cmdPasso[i]->setObjectName(QStringLiteral("cmdPasso_%1").arg(i));
        cmdPasso[i]->setToolTip(NomePasso(kPassi[i]));
        cmdPasso[i]->setAccessibleName(NomePasso(kPassi[i]));
        // Held down, a step button repeats, as the main window's do.
        cmdPasso[i]->setAutoRepeat(true);
        cmdPasso[i]->setAutoRepeatDelay(500);
        cmdPasso[i]->setAutoRepeatInterval(200);
        passi->addWidget(cmdPasso[i], i / 4, i % 4);
        connect(cmdPasso[i], &QPushButton::clicked, this, [this, i] { Passo(kPassi[i]); });
    }
    colonna->addLayout(passi);

    auto* opzioni = new QGridLayout;
    for (int i = 0; i < StatoLavagna::kOpzioni; ++i) {
        chkOpzione[i] = new QCheckBox(QString::fromUtf8(kNomiOpzioni[i]), picPannello);
        chkOpzione[i]->setObjectName(QStringLiteral("chkOpzione_%1").arg(i));
        opzioni->addWidget(chkOpzione[i], i / 2, i % 2);
        const auto opzione = static_cast<StatoLavagna::Opzione>(i);
        connect(chkOpzione[i], &QCheckBox::clicked, this, [this, opzione](bool acceso) {
            m_stato->Imposta(opzione, acceso);
            modTempolino::Suona(Suono::Clic);
        });
    }
    colonna->addLayout(opzioni);

    auto* passato = new QHBoxLayout;
    lblPassato = new QLabel(picPannello);
    lblPassato->setObjectName(QStringLiteral("lblPassato"));
    lblPassato->setWordWrap(true);
    cmdAzzera = new QPushButton(QStringLiteral("Azzera"), picPannello);
    cmdAzzera->setObjectName(QStringLiteral("cmdAzzera"));
    cmdAzzera->setToolTip(QStringLiteral("Conta di nuovo da adesso"));
    cmdDiciPassato = new QPushButton(QStringLiteral("Ascolta"), picPannello);
    cmdDiciPassato->setObjectName(QStringLiteral("cmdDiciPassato"));
    cmdDiciPassato->setToolTip(QStringLiteral("Dice ad alta voce quanto tempo è passato"));
    cmdDiciPassato->setAccessibleName(QStringLiteral("Ascolta quanto tempo è passato"));
    passato->addWidget(lblPassato, 1);
    passato->addWidget(cmdAzzera);
    passato->addWidget(cmdDiciPassato);
    colonna->addLayout(passato);
    // The sentence and its buttons keep their place while no start is marked.
    for (QWidget* w :
         {static_cast<QWidget*>(lblPassato), static_cast<QWidget*>(cmdAzzera), static_cast<QWidget*>(cmdDiciPassato),
          static_cast<QWidget*>(lblParole), static_cast<QWidget*>(cmdAscoltaOra), static_cast<QWidget*>(lblLettura),
          static_cast<QWidget*>(lblParteGiorno)}) {
        QSizePolicy sp = w->sizePolicy();
        sp.setRetainSizeWhenHidden(true);
        w->setSizePolicy(sp);
    }

    colonna->addStretch(1);
    cmdEsci = new QPushButton(QStringLiteral("Esci"), picPannello);
    cmdEsci->setObjectName(QStringLiteral("cmdEsci"));
    cmdEsci->setToolTip(QStringLiteral("Torna alla finestra principale (Esc)"));
    colonna->addWidget(cmdEsci);

    connect(cmdAscoltaOra, &QPushButton::clicked, quadranteLavagna, &QuadranteLavagna::DiciOra);
    connect(cmdAzzera, &QPushButton::clicked, this, [this] {
        m_stato->Azzera();
        modTempolino::Suona(Suono::Clic);
    });
    connect(cmdDiciPassato, &QPushButton::clicked, this, &frmLavagna::DiciPassato);
    connect(cmdEsci, &QPushButton::clicked, this, &frmLavagna::cmdEsci_Click);

    // The keyboard walks the face, then the panel from top to bottom.
    QList<QWidget*> ordine = {quadranteLavagna, cmdAscoltaOra};
    for (QPushButton* b : cmdPasso)
        ordine << b;
    for (QCheckBox* c : chkOpzione)
        ordine << c;
    ordine << cmdAzzera << cmdDiciPassato << cmdEsci;
    for (int i = 1; i < ordine.size(); ++i)
        setTabOrder(ordine[i - 1], ordine[i]);
}

void frmLavagna::Apri()
{
    setGeometry(screen()->geometry());
    showFullScreen();
    raise();
    activateWindow();
    quadranteLavagna->setFocus(Qt::OtherFocusReason);
}

void frmLavagna::cmdEsci_Click()
{
    close();
}

void frmLavagna::closeEvent(QCloseEvent* event)
{
    // A grabbed hand is let go; the window is only hidden, and opens again as it was.
    modTempolino::FermaVoce();
    event->accept();
}

void frmLavagna::keyPressEvent(QKeyEvent* event)
{
    // Esc, or F11 that opened it, leaves; the face and the buttons pass these keys on.
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_F11) {
        cmdEsci_Click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void frmLavagna::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Disponi();
}

void frmLavagna::Disponi()
{
    const GeometriaLavagna g = CalcolaGeometria(size());
    quadranteLavagna->setGeometry(g.quadrante);
    picPannello->setGeometry(g.pannello);
    if (g.riga == m_riga)
        return;
    m_riga = g.riga;
    const int r = g.riga;
    // Type and buttons grow with the screen, from a finger's size up.
    picPannello->setStyleSheet(
        QStringLiteral("QLabel{color:white;font-family:Arial;font-size:%1px;}"
                       "QLabel#lblLettura{color:rgb(128,255,128);font-size:%2px;font-weight:bold;}"
                       "QLabel#lblParteGiorno{color:rgb(128,255,128);font-size:%3px;}"
                       "QLabel#lblPassato{color:rgb(255,220,0);font-weight:bold;}"
                       "QPushButton{color:white;background:rgb(96,96,96);border:3px outset rgb(170,170,170);"
                       "border-radius:8px;font-family:Arial;font-size:%3px;font-weight:bold;padding:0 %4px;}"
                       "QPushButton:pressed{background:rgb(60,60,60);border-style:inset;}"
                       "QPushButton:focus{border:4px solid rgb(255,255,0);}"
                       "QPushButton#cmdEsci{background:rgb(170,30,30);}"
                       "QCheckBox{color:white;font-family:Arial;font-size:%1px;spacing:%4px;}"
                       "QCheckBox:focus{color:rgb(255,255,0);}"
                       "QCheckBox::indicator{width:%5px;height:%5px;border:3px solid white;border-radius:6px;"
                       "background:rgb(40,40,40);}"
                       "QCheckBox::indicator:checked{background:rgb(255,220,0);}")
            .arg(r * 3 / 10)
            .arg(r * 8 / 10)
            .arg(r * 4 / 10)
            .arg(r / 6)
            .arg(r / 2));
    for (QPushButton* b : cmdPasso)
        b->setMinimumSize(r, r);
    cmdEsci->setMinimumHeight(r);
    for (QPushButton* b : {cmdAscoltaOra, cmdAzzera, cmdDiciPassato})
        b->setMinimumHeight(r * 3 / 4);
    for (QCheckBox* c : chkOpzione)
        c->setMinimumHeight(r * 3 / 5);
    lblLettura->setMinimumHeight(r);
}

void frmLavagna::TempoCambiato()
{
    StatoOrologio* orologio = m_stato->orologio();
    const float T = orologio->TempoCorrente();
    const CampiOra& c = orologio->campi();
    lblLettura->setText(TestoLettura(c, orologio->dodiciOre()));
    lblParteGiorno->setText(ParteDelGiorno(T, lblParteGiorno->text()));
    const QString parole = OraInParole(static_cast<int>(std::floor(c.ore)), static_cast<int>(std::floor(c.minuti)));
    if (lblParole->text() != parole)
        lblParole->setText(parole);
}

void frmLavagna::MostraPassato()
{
    const TempoPassato& passato = m_stato->passato();
    const QString frase = passato.segnato() ? FraseTempoPassato(passato.minuti()) : QString();
    if (lblPassato->text() != frase)
        lblPassato->setText(frase);
}

void frmLavagna::OpzioneCambiata(StatoLavagna::Opzione opzione, bool acceso)
{
    chkOpzione[static_cast<size_t>(opzione)]->setChecked(acceso);
    switch (opzione) {
    case StatoLavagna::Opzione::Lettura:
        lblLettura->setVisible(acceso);
        lblParteGiorno->setVisible(acceso);
        break;
    case StatoLavagna::Opzione::Parole:
        lblParole->setVisible(acceso);
        break;
    case StatoLavagna::Opzione::Passato:
        lblPassato->setVisible(acceso);
        cmdAzzera->setVisible(acceso);
        cmdDiciPassato->setVisible(acceso);
        break;
    default:
        break;
    }
}

void frmLavagna::Passo(int minuti)
{
    // The clock stands still to be moved by hand, then steps as the main window's buttons.
    m_stato->Imposta(StatoLavagna::Opzione::Computer, false);
    const bool ore = std::abs(minuti) == 60;
    const int indice = ore ? (minuti > 0 ? OreAvanti : OreIndietro) : (minuti > 0 ? MinutiAvanti : MinutiIndietro);
    const int volte = ore ? 1 : std::abs(minuti);
    for (int i = 0; i < volte; ++i)
        m_stato->orologio()->RegolaOra(indice);
    modTempolino::Suona(Suono::Passo);
    quadranteLavagna->Annuncia();
}

void frmLavagna::DiciPassato()
{
    if (m_stato->passato().segnato())
        modTempolino::DiciAVoce(FraseTempoPassato(m_stato->passato().minuti()));
}
