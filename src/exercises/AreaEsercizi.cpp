// SPDX-License-Identifier: GPL-3.0-or-later
#include "AreaEsercizi.h"

#include <QAbstractItemView>
#include <QFocusEvent>
#include <QRegularExpressionValidator>
#include <QShortcut>
#include <QTimer>
#include <QToolButton>

#include "AnelloFuoco.h"
#include "ArrotondaPari.h"
#include "Controlli.h"
#include "Esercizi.h"
#include "Livelli.h"
#include "Risorse.h"
#include "modTempolino.h"

using Controlli::Crea;

namespace {

// The progress row: clocks 28 pixels apart, under the prompt of the exercise area.
constexpr int kPassoRiga = 28;
// The row of the instruction's loudspeaker, the level and the solution's button, between
// the instruction and the prompt: controls high enough for a small finger.
constexpr int kAltoRigaAiuti = 32;
constexpr int kLarghezzaLivello = 112;
constexpr int kLarghezzaSoluzione = 124;
// The hint line starts in the prompt's place and may take the area down to its bevel.
constexpr int kSopraSuggerimento = 2; // from the prompt's top
constexpr int kBordoArea = 6;
// The note that the hands can be dragged: one line under the prompt.
constexpr int kSottoIlPrompt = 25;
constexpr int kAltoNota = 15;

} // namespace

AreaEsercizi::AreaEsercizi(QWidget* parent) : PictureBox(parent)
{
    setObjectName(QStringLiteral("picTest"));
    setGeometry(32, 248, 318, 140);
    setBackColor(QColor(128, 128, 128));
    cls();
    hide();
    CreaCaselle();
    CreaTipi();

    Image2 = Controlli::CreaImmagine(this, QStringLiteral("Image2"), QStringLiteral("Image2_test"), 0, 104, 24, 24);
    imgSpunta = Controlli::CreaImmagine(this, QStringLiteral("imgSpunta"), QStringLiteral("imgSpunta"), 10, 10, 16, 16);
    Line1[0] = Controlli::CreaLinea(this, QStringLiteral("Line1_0"), QColor(64, 64, 64));
    Line1[1] = Controlli::CreaLinea(this, QStringLiteral("Line1_1"), QColor(224, 224, 224));
    Line1[0]->setGeometry(135, 8, 1, 121);
    Line1[1]->setGeometry(136, 8, 1, 121);

    lblMessaggioTest = Crea<QLabel>(this, QStringLiteral("lblMessaggioTest"), 144, 8, 41, 89);
    lblMessaggioTest->setText(QStringLiteral("label"));
    lblMessaggioTest->setWordWrap(true);
    lblMessaggioTest->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Controlli::ColoraEtichetta(lblMessaggioTest, QColor(128, 128, 128), Qt::white);
    lblPremiOK = Crea<QLabel>(this, QStringLiteral("lblPremiOK"), 144, 104, 33, 25);
    lblPremiOK->setText(QStringLiteral("Label2"));
    // The final test's row of clocks is painted on the area just under the prompt's
    // text and partly behind this label: the label has no background of its own, so
    // the whole clocks show through it.
    lblPremiOK->setStyleSheet(
        QStringLiteral("QLabel{background:transparent;color:%1;}").arg(Controlli::ColoreCss(QColor(0, 255, 255))));
    lblPremiOK->setFont(Controlli::Arial(8.25, true));
    imgIndicaOK =
        Controlli::CreaImmagine(this, QStringLiteral("imgIndicaOK"), QStringLiteral("imgIndicaOK"), 150, 83, 32, 24);
    imgIndicaOK->hide();

    CreaAiuti();

    tmrPremiOK = new QTimer(this);
    tmrPremiOK->setObjectName(QStringLiteral("tmrPremiOK"));
    tmrPremiOK->setInterval(7);
    connect(tmrPremiOK, &QTimer::timeout, this, &AreaEsercizi::LetteraPremiOK);

    // The picture of the final test's progress row, sharp on the window's screen.
    imgTestOrologio = Risorse::figura(QStringLiteral("imgTestOrologio"), QSize(16, 16), devicePixelRatioF());

    // In the exercises the Return key answers as "OK!" does, wherever the focus stands,
    // except in the level's list: there it only chooses the level. The Enter that closes
    // the open list comes here too once the list has gone, with the focus back on it.
    for (const auto tasto : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* invio = new QShortcut(QKeySequence(tasto), this);
        invio->setContext(Qt::WindowShortcut);
        connect(invio, &QShortcut::activated, this, [this] {
            if (cmbLivello->hasFocus())
                return;
            if (!isHidden() && picInput->isEnabled() && cmdVerificaTest->isEnabled())
                cmdVerificaTest->click();
        });
    }
}

void AreaEsercizi::CreaCaselle()
{
    picInput = Controlli::CreaPannello(this, QStringLiteral("picInput"), 192, 8, 105, 113, QColor(224, 224, 224));
    lbl_hh = Crea<QLabel>(picInput, QStringLiteral("lbl_hh"), 16, 8, 33, 25);
    lbl_hh->setText(QStringLiteral("hh"));
    Controlli::ColoraEtichetta(lbl_hh, QColor(0, 0, 255), Qt::white);
    lbl_mm = Crea<QLabel>(picInput, QStringLiteral("lbl_mm"), 16, 40, 33, 25);
    lbl_mm->setText(QStringLiteral("mm"));
    Controlli::ColoraEtichetta(lbl_mm, QColor(255, 0, 0), Qt::black);
    for (QLabel* l : {lbl_hh, lbl_mm})
        l->setAlignment(Qt::AlignCenter);

    // The answer boxes take digits only, typed or pasted.
    auto* soloCifre = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this);
    for (int i = 0; i < 2; ++i) {
        txtTest[i] = Crea<QLineEdit>(picInput, QStringLiteral("txtTest_%1").arg(i), 48, i == 0 ? 8 : 40, 41, 25);
        txtTest[i]->setFont(Controlli::Arial(15.75, true));
        txtTest[i]->setMaxLength(2);
        txtTest[i]->setValidator(soloCifre);
        txtTest[i]->setAlignment(Qt::AlignCenter);
        // Screen readers name the boxes as their "hh" and "mm" labels mean them.
        txtTest[i]->setAccessibleName(i == 0 ? QStringLiteral("Ore") : QStringLiteral("Minuti"));
        txtTest[i]->installEventFilter(this);
        connect(txtTest[i], &QLineEdit::textChanged, this, [this, i] { emit casellaCambiata(i); });
    }
    lblModiDiDire = Crea<QLabel>(picInput, QStringLiteral("lblModiDiDire"), 16, 5, 81, 73);
    lblModiDiDire->setText(QStringLiteral("mezzanotte"));
    lblModiDiDire->setWordWrap(true);
    lblModiDiDire->setAlignment(Qt::AlignCenter);
    lblModiDiDire->setFont(Controlli::Arial(10, true));
    Controlli::ColoraEtichetta(lblModiDiDire, QColor(224, 224, 224), QColor(255, 0, 0));
    cmdVerificaTest = Crea<QPushButton>(picInput, QStringLiteral("cmdVerificaTest"), 16, 75, 73, 25);
    cmdVerificaTest->setText(QStringLiteral("OK!"));
    cmdVerificaTest->setStyleSheet(QStringLiteral("QPushButton{background:rgb(192,255,192);color:black;}"));
    new AnelloFuoco(cmdVerificaTest, 2);
    connect(cmdVerificaTest, &QPushButton::clicked, this, &AreaEsercizi::verifica);
}

void AreaEsercizi::CreaAiuti()
{
    // The level: the times the ordinary exercises ask, from the whole hours to any minute.
    lblLivello = Crea<QLabel>(this, QStringLiteral("lblLivello"), 180, 61, 42, kAltoRigaAiuti);
    lblLivello->setText(QStringLiteral("Livello:"));
    Controlli::ColoraEtichetta(lblLivello, QColor(128, 128, 128), Qt::white);
    cmbLivello = Crea<QComboBox>(this, QStringLiteral("cmbLivello"), 224, 61, kLarghezzaLivello, kAltoRigaAiuti);
    for (int i = 0; i < kNumeroLivelli; ++i)
        cmbLivello->addItem(NomeLivello(static_cast<Livello>(i)));
    cmbLivello->setCurrentIndex(static_cast<int>(Livello::OgniMinuto));
    cmbLivello->setToolTip(QStringLiteral("Livello: quali orari chiedono gli esercizi"));
    // Coloured through its palette, not a style sheet: a style sheet hands the style a fresh
    // palette at every paint, and each paint would leave two more pictures in Qt's pixmap
    // cache (about 10 MB after a school morning of exercises).
    QPalette colori = cmbLivello->palette();
    for (const QPalette::ColorRole ruolo : {QPalette::Button, QPalette::Base, QPalette::Window})
        colori.setColor(ruolo, QColor(255, 255, 224));
    for (const QPalette::ColorRole ruolo : {QPalette::ButtonText, QPalette::Text, QPalette::WindowText})
        colori.setColor(ruolo, Qt::black);
    cmbLivello->setPalette(colori);
    lblLivello->setBuddy(cmbLivello);
    // A level chosen with the keys keeps the keys in the list: the new question would take
    // the focus to its box, and the next arrow or the Enter that ends the choice with it.
    cmbLivello->installEventFilter(this);
    cmbLivello->view()->installEventFilter(this);
    connect(cmbLivello, &QComboBox::currentIndexChanged, this, [this](int indice) {
        const bool tasti = m_livelloDaTastiera;
        emit livelloScelto(indice);
        if (tasti && !isHidden())
            cmbLivello->setFocus(Qt::OtherFocusReason);
    });

    new AnelloFuoco(cmbLivello, 2);

    // The hint after a wrong answer, in the prompt's place: yellow on a dark band, which
    // reads well (about 14:1) where yellow on the area's grey would not.
    lblSuggerimento = Crea<QLabel>(this, QStringLiteral("lblSuggerimento"), 144, 95, 33, 16);
    lblSuggerimento->setWordWrap(true);
    lblSuggerimento->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblSuggerimento->setStyleSheet(
        QStringLiteral("QLabel{background:rgb(40,40,40);color:rgb(255,255,128);padding:1px 3px;}"));
    lblSuggerimento->setFont(Controlli::Arial(8.25, true));
    lblSuggerimento->hide();

    // A setting question says, under the prompt, that the hands can also be dragged.
    lblNotaLancette = Crea<QLabel>(this, QStringLiteral("lblNotaLancette"), 144, 118, 33, kAltoNota);
    lblNotaLancette->setText(QStringLiteral("Puoi anche trascinare le lancette con il mouse o con il dito."));
    lblNotaLancette->setStyleSheet(QStringLiteral("QLabel{background:transparent;color:black;}"));
    lblNotaLancette->hide();

    cmdMostraSoluzione =
        Crea<QPushButton>(this, QStringLiteral("cmdMostraSoluzione"), 371, 61, kLarghezzaSoluzione, kAltoRigaAiuti);
    cmdMostraSoluzione->setText(QStringLiteral("Mostra la soluzione"));
    cmdMostraSoluzione->setStyleSheet(QStringLiteral("QPushButton{background:rgb(255,255,160);color:black;}"));
    cmdMostraSoluzione->hide();
    new AnelloFuoco(cmdMostraSoluzione, 2);
    connect(cmdMostraSoluzione, &QPushButton::clicked, this, &AreaEsercizi::mostraSoluzione);

    CreaAltoparlanti();
}

void AreaEsercizi::CreaAltoparlanti()
{
    auto altoparlante = [](QWidget* dove, const QString& nome, const QRect& posto, int lato,
                           const QString& suggerimento) {
        auto* b = new QToolButton(dove);
        b->setObjectName(nome);
        b->setGeometry(posto);
        b->setIconSize(QSize(lato, lato));
        b->setIcon(
            QIcon(QPixmap::fromImage(Risorse::figura(QStringLiteral("cmdAscoltaDetto"), QSize(lato, lato), 2.0))));
        b->setToolTip(suggerimento);
        b->setAccessibleName(suggerimento);
        b->setAutoRaise(true);
        b->setStyleSheet(QStringLiteral("QToolButton{background:transparent;border:none;}"));
        b->setFocusPolicy(Qt::NoFocus);
        return b;
    };
    // Beside the saying, on the left of its box, as high as a finger needs.
    cmdAscoltaDetto = altoparlante(picInput, QStringLiteral("cmdAscoltaDetto"), QRect(0, 25, 16, 32), 15,
                                   QStringLiteral("Ascolta il modo di dire"));
    cmdAscoltaDetto->hide();
    connect(cmdAscoltaDetto, &QToolButton::clicked, this, &AreaEsercizi::AscoltaModoDiDire);
    // Under the instruction, at the start of the level's row.
    cmdAscoltaIstruzione =
        altoparlante(this, QStringLiteral("cmdAscoltaIstruzione"), QRect(144, 61, kAltoRigaAiuti, kAltoRigaAiuti), 24,
                     QStringLiteral("Ascolta le istruzioni"));
    connect(cmdAscoltaIstruzione, &QToolButton::clicked, this, &AreaEsercizi::AscoltaIstruzione);
}

void AreaEsercizi::CreaTipi()
{
    grpTest = new OptionGroup(this);
    grpTest->setObjectName(QStringLiteral("grpTest"));
    const char* testi[4] = {"Indovina l'ora", "Imposta l'ora (1)", "Imposta l'ora (2)", "Test finale"};
    const QColor sfondi[4] = {{255, 224, 192}, {255, 192, 128}, {255, 128, 0}, {255, 0, 0}};
    for (int i = 0; i < 4; ++i) {
        optTest[i] = Crea<QRadioButton>(this, QStringLiteral("optTest_%1").arg(i), 32, 8 + 24 * i, 92, 20);
        optTest[i]->setText(QString::fromUtf8(testi[i]));
        // A small indicator leaves room for the whole caption; a locked option looks locked.
        optTest[i]->setStyleSheet(QStringLiteral("QRadioButton{background:%1;color:black;spacing:2px;}"
                                                 "QRadioButton:disabled{color:rgb(110,110,110);}"
                                                 "QRadioButton::indicator{width:9px;height:9px;}")
                                      .arg(Controlli::ColoreCss(sfondi[i])));
        grpTest->add(optTest[i]);
        new AnelloFuoco(optTest[i], 2);
    }
    connect(grpTest, &OptionGroup::clicked, this,
            [this](int indice) { emit tipoScelto(static_cast<SceltaEsercizio>(indice)); });
    cmdExitTest = Crea<QPushButton>(this, QStringLiteral("cmdExitTest"), 32, 104, 92, 25);
    cmdExitTest->setText(QStringLiteral("&Esci"));
    cmdExitTest->setToolTip(QStringLiteral("Chiude la sezione esercizi"));
    cmdExitTest->setStyleSheet(QStringLiteral("QPushButton{background:rgb(192,255,192);color:black;}"));
    new AnelloFuoco(cmdExitTest, 2);
    connect(cmdExitTest, &QPushButton::clicked, this, &AreaEsercizi::esci);
}

void AreaEsercizi::Disponi(const QRect& geometria)
{
    setGeometry(geometria);
    picInput->move(width() - picInput->width() - 10, picInput->y());
    const int sinistra = optTest[0]->x() + optTest[0]->width() + 20;
    lblMessaggioTest->setGeometry(sinistra, lblMessaggioTest->y(), picInput->x() - sinistra - 10,
                                  lblMessaggioTest->height());
    imgIndicaOK->move(picInput->x() - imgIndicaOK->width() - 5, picInput->y() + cmdVerificaTest->y());
    lblPremiOK->setGeometry(lblMessaggioTest->x(), imgIndicaOK->y() + 10, lblMessaggioTest->width(),
                            lblPremiOK->height());

    // Between the instruction and the prompt, one row: the instruction's loudspeaker and
    // the level at the left, the solution's button at the right, short of the hand
    // pointing at "OK!". The hint takes the prompt's place, as wide as the row; the note
    // on dragging the hands stands under the prompt.
    const int destra = imgIndicaOK->x() - 5;
    const int riga = lblPremiOK->y() - kAltoRigaAiuti;
    cmdAscoltaIstruzione->move(sinistra, riga);
    lblLivello->move(sinistra + kAltoRigaAiuti + 4, riga);
    cmbLivello->move(lblLivello->x() + lblLivello->width() + 2, riga);
    cmdMostraSoluzione->move(destra - kLarghezzaSoluzione, riga);
    lblSuggerimento->setGeometry(sinistra, lblPremiOK->y() + kSopraSuggerimento, destra - sinistra,
                                 lblSuggerimento->height());
    AdattaSuggerimento();
    lblNotaLancette->setGeometry(sinistra, lblPremiOK->y() + kSottoIlPrompt, destra - sinistra, kAltoNota);
}

void AreaEsercizi::AdattaSuggerimento()
{
    const int piu = height() - kBordoArea - lblSuggerimento->y();
    lblSuggerimento->resize(lblSuggerimento->width(),
                            qBound(1, lblSuggerimento->heightForWidth(lblSuggerimento->width()), qMax(1, piu)));
}

void AreaEsercizi::MostraIstruzione(const QString& testo)
{
    lblMessaggioTest->setText(testo);
}

void AreaEsercizi::MostraNotaLancette(bool mostra)
{
    m_notaLancette = mostra;
    lblNotaLancette->setVisible(mostra && lblSuggerimento->isHidden());
}

void AreaEsercizi::AscoltaIstruzione()
{
    QString testo = lblMessaggioTest->text();
    testo.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    if (lblNotaLancette->isVisible())
        testo += QLatin1Char(' ') + lblNotaLancette->text();
    modTempolino::DiciAVoce(testo.simplified());
}

void AreaEsercizi::SelezionaTipo(SceltaEsercizio scelta)
{
    const int indice = static_cast<int>(scelta);
    if (grpTest->isSelected(indice))
        emit tipoScelto(scelta);
    else
        grpTest->select(indice);
}

QList<QWidget*> AreaEsercizi::ordineTabulazione() const
{
    return {optTest[0], optTest[1], optTest[2], optTest[3],      cmdExitTest,
            cmbLivello, txtTest[0], txtTest[1], cmdVerificaTest, cmdMostraSoluzione};
}

void AreaEsercizi::MostraCaselle(bool b)
{
    txtTest[0]->setVisible(b);
    txtTest[1]->setVisible(b);
    lbl_hh->setVisible(b);
    lbl_mm->setVisible(b);
    lblModiDiDire->setVisible(!b);
    cmdAscoltaDetto->setVisible(!b);
}

void AreaEsercizi::ImpostaCaselle(const QString& ore, const QString& minuti)
{
    txtTest[0]->setText(ore);
    txtTest[1]->setText(minuti);
}

void AreaEsercizi::BloccaCaselle(bool bloccate)
{
    txtTest[0]->setReadOnly(bloccate);
    txtTest[1]->setReadOnly(bloccate);
}

void AreaEsercizi::MostraModoDiDire(const QString& testo, const QString& orario)
{
    // The saying's time is kept with the label that shows it.
    lblModiDiDire->setProperty("Tag", orario);
    lblModiDiDire->setText(testo);
    // A long saying of the program's own words ("Le quattro meno venticinque del
    // pomeriggio") is written a little smaller, so that all of it shows; the fixed
    // sayings keep their size.
    QFont carattere = Controlli::Arial(10, true);
    lblModiDiDire->setFont(carattere);
    while (lblModiDiDire->heightForWidth(lblModiDiDire->width()) > lblModiDiDire->height()
           && carattere.pointSizeF() > 7) {
        carattere.setPointSizeF(carattere.pointSizeF() - 0.5);
        lblModiDiDire->setFont(carattere);
    }
}

QString AreaEsercizi::orarioModoDiDire() const
{
    return lblModiDiDire->property("Tag").toString();
}

void AreaEsercizi::ScriviPremiOK()
{
    // The first letter at once, then one every 7 ms; the child may answer, choose another
    // kind or close the area meanwhile. A typing started meanwhile starts again from
    // the first letter, and either way the whole prompt ends on screen with the hand.
    imgIndicaOK->hide();
    LetterePremiOK = 0;
    LetteraPremiOK();
    tmrPremiOK->start();
}

void AreaEsercizi::LetteraPremiOK()
{
    const QString testo = TestoPremiOK();
    if (LetterePremiOK >= testo.size()) {
        tmrPremiOK->stop();
        imgIndicaOK->show();
        return;
    }
    lblPremiOK->setText(testo.left(++LetterePremiOK));
    // Each letter appears at once, not at the next quiet moment.
    lblPremiOK->repaint();
}

void AreaEsercizi::SpuntaTipo(SceltaEsercizio scelta)
{
    imgSpunta->move(imgSpunta->x(), optTest[static_cast<size_t>(scelta)]->y());
}

void AreaEsercizi::AbilitaTipi(bool abilitati)
{
    for (int i = 0; i < 3; ++i)
        optTest[i]->setEnabled(abilitati);
    // The final test has neither the level nor the instruction's loudspeaker.
    lblLivello->setVisible(abilitati);
    cmbLivello->setVisible(abilitati);
    cmdAscoltaIstruzione->setVisible(abilitati);
}

void AreaEsercizi::MostraSuggerimento(const QString& testo)
{
    lblSuggerimento->setText(testo);
    AdattaSuggerimento();
    lblSuggerimento->setVisible(!testo.isEmpty());
    lblPremiOK->setVisible(testo.isEmpty());
    // The hint may take the note's line; the note comes back with the prompt.
    lblNotaLancette->setVisible(m_notaLancette && testo.isEmpty());
}

void AreaEsercizi::MostraPulsanteSoluzione(bool mostra)
{
    cmdMostraSoluzione->setVisible(mostra);
}

void AreaEsercizi::AscoltaModoDiDire()
{
    modTempolino::DiciAVoce(lblModiDiDire->text());
}

void AreaEsercizi::SvuotaPerProva()
{
    // A prompt still being typed stops, and the area is emptied for the test.
    FermaScrittura();
    txtTest[0]->setText(QString());
    txtTest[1]->setText(QString());
    lblPremiOK->setText(QString());
    lblMessaggioTest->setText(QString());
    lblModiDiDire->setText(QString());
    imgIndicaOK->hide();
    MostraNotaLancette(false);
}

QPoint AreaEsercizi::InizioRiga() const
{
    return {ArrotondaPari(lblPremiOK->x()), lblPremiOK->y() + 20};
}

void AreaEsercizi::DisegnaOrologiProva()
{
    const QPoint inizio = InizioRiga();
    for (int i = 1; i <= 9; ++i)
        paintPicture(imgTestOrologio, inizio.x() + (i - 1) * kPassoRiga, inizio.y());
    refresh();
}

void AreaEsercizi::SegnaRispostaEsatta(int passo)
{
    const QPoint inizio = InizioRiga();
    paintPicture(imgSpunta->pixmap().toImage(), inizio.x() + (passo - 1) * kPassoRiga, inizio.y());
    refresh();
}

bool AreaEsercizi::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == cmbLivello || watched == cmbLivello->view()) {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::ShortcutOverride:
            m_livelloDaTastiera = true;
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::Wheel:
            m_livelloDaTastiera = false;
            break;
        default:
            break;
        }
        return PictureBox::eventFilter(watched, event);
    }
    if (event->type() == QEvent::FocusIn) {
        for (int i = 0; i < 2; ++i)
            if (watched == txtTest[i])
                txtTest_GotFocus(i);
    }
    return PictureBox::eventFilter(watched, event);
}

void AreaEsercizi::txtTest_GotFocus(int index)
{
    // Typing replaces the old answer.
    QLineEdit* casella = txtTest[static_cast<size_t>(index)];
    casella->setSelection(0, 2);
    // A click into the box would put the cursor where the mouse is, after the focus
    // arrived: select once more when the click has been handled, unless the child
    // has typed meanwhile.
    const QString testo = casella->text();
    QPointer<QLineEdit> guardia(casella);
    QTimer::singleShot(0, casella, [guardia, testo] {
        if (guardia && guardia->hasFocus() && guardia->text() == testo && !guardia->hasSelectedText())
            guardia->setSelection(0, 2);
    });
}
