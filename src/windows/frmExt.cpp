// SPDX-License-Identifier: GPL-3.0-or-later
// The curiosities window and its birthday calculator: building the controls at
// their design places, the typing rules of the date boxes, and the "OK!" button
// that shows the weekday of birth, the age and the days to the next birthday.

#include "frmExt.h"
#include "Controlli.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextCursor>

#include "CalcoloCompleanno.h"
#include "Platform.h"
#include "Risorse.h"
#include "Suoni.h"
#include "modTempolino.h"

using namespace modTempolino;
using namespace Controlli;

namespace {

template <typename T>
T* crea(QWidget* parent, const QString& nome, int x, int y, int w, int h)
{
    auto* c = new T(parent);
    c->setObjectName(nome);
    c->setGeometry(DaTwip(x), DaTwip(y), DaTwip(w), DaTwip(h));
    return c;
}

QLabel* creaImmagine(QWidget* parent, const QString& nome, const QString& figura, QRect r)
{
    auto* l = new QLabel(parent);
    l->setObjectName(nome);
    l->setGeometry(r);
    l->setPixmap(QPixmap::fromImage(Risorse::figura(figura, r.size(), qApp->devicePixelRatio())));
    l->setAttribute(Qt::WA_TranslucentBackground);
    return l;
}

} // namespace

frmExt::frmExt(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmExt"));
    setWindowTitle(QStringLiteral("Curiosità"));
    setFont(Arial(8.25));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(pal);
    setFixedSize(DaTwip(7320), DaTwip(5565));
    CreaControlli();
    Form_Load();
}

void frmExt::CreaControlli()
{
    Image1 = creaImmagine(this, QStringLiteral("Image1"), QStringLiteral("clessidra"), QRect(12, 5, 24, 24));
    Label1 = crea<QLabel>(this, QStringLiteral("Label1"), 600, 120, 2295, 255);
    Label1->setText(QStringLiteral("Per saperne di più......."));
    Label1->setFont(Arial(9.75, true));
    Image2 = creaImmagine(this, QStringLiteral("Image2"), QStringLiteral("meridiana"), QRect(442, 5, 26, 26));

    txtCuriosita = crea<QTextEdit>(this, QStringLiteral("txtCuriosità"), 173, 480, 6975, 2415);
    txtCuriosita->setFont(Arial(9));
    txtCuriosita->setReadOnly(true);
    txtCuriosita->setAcceptRichText(false);
    txtCuriosita->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtCuriosita->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtCuriosita->setLineWrapMode(QTextEdit::WidgetWidth);

    Label2 = crea<QLabel>(this, QStringLiteral("Label2"), 120, 3240, 4575, 495);
    Label2->setText(QStringLiteral("Vuoi sapere il giorno della settimana in cui sei nato/a? Digita la tua data "
                                   "di nascita e premi OK!"));
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // A little wider than at design, so that "aaaa" is not cut in Arial.
    Label3 = crea<QLabel>(this, QStringLiteral("Label3"), 4920, 3075, 1500, 255);
    Label3->setText(QStringLiteral("    gg   mm   aaaa"));
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    picData = crea<QWidget>(this, QStringLiteral("picData"), 4980, 3300, 1290, 375);
    picData->setAutoFillBackground(true);

    // Day, month and year boxes: digits only, at most 2, 2 and 4 of them.
    const int sinistra[3] = {20, 345, 705};
    const int larghezza[3] = {255, 255, 420};
    const int lunghezza[3] = {2, 2, 4};
    // The hint "gg mm aaaa" above the boxes, as screen readers say it.
    const char* nomi[3] = {"Giorno", "Mese", "Anno"};
    for (int i = 0; i < 3; ++i) {
        QLineEdit* t =
            crea<QLineEdit>(picData, QStringLiteral("txtdata_%1").arg(i), sinistra[i], 60, larghezza[i], 270);
        t->setFont(Arial(9));
        // The validator keeps the length as well: a maximum length would cut a pasted
        // text before the validator sees it, and "12/05" would slip in as "12".
        t->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,%1}").arg(lunghezza[i])), t));
        t->setAlignment(Qt::AlignCenter);
        t->setAccessibleName(QString::fromLatin1(nomi[i]));
        // The boxes are narrow: no inner padding, so that every digit shows.
        t->setTextMargins(-2, 0, -2, 0);
        t->setStyleSheet(QStringLiteral("QLineEdit{background:white;border:1px solid rgb(128,128,128);padding:0px;}"));
        t->installEventFilter(this);
        txtdata[i] = t;
        connect(t, &QLineEdit::textChanged, this, [this, i] { txtdata_Change(i); });
    }
    const int sinistraSep[2] = {285, 615};
    for (int i = 0; i < 2; ++i) {
        QLabel* s = crea<QLabel>(picData, QStringLiteral("lblSeparatore_%1").arg(i), sinistraSep[i], 60, 60, 270);
        s->setText(QStringLiteral("/"));
        s->setAlignment(Qt::AlignCenter);
        lblSeparatore[i] = s;
    }

    cmdData = crea<QPushButton>(this, QStringLiteral("cmdData"), 6480, 3300, 615, 375);
    cmdData->setText(QStringLiteral("OK!"));
    cmdData->setFont(Arial(8.25, true));
    cmdData->setStyleSheet(
        QStringLiteral("QPushButton{background:rgb(192,255,192);border:2px outset rgb(224,255,224);}"
                       "QPushButton:pressed{border:2px inset rgb(96,128,96);}"
                       "QPushButton:focus{border:2px outset rgb(224,255,224);outline:1px dotted black;}"));
    cmdData->setDefault(true);

    lblDati = crea<QLabel>(this, QStringLiteral("lblDati"), 720, 3960, 6255, 735);
    lblDati->setFont(Arial(9));
    lblDati->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblDati->setTextFormat(Qt::PlainText);

    cmdEsci = crea<QPushButton>(this, QStringLiteral("cmdEsci"), 3267, 5040, 1095, 375);
    cmdEsci->setText(QStringLiteral("&Chiudi"));
    cmdEsci->setAutoDefault(false);

    setTabOrder(txtdata[0], txtdata[1]);
    setTabOrder(txtdata[1], txtdata[2]);
    setTabOrder(txtdata[2], cmdData);
    setTabOrder(cmdData, cmdEsci);
    setTabOrder(cmdEsci, txtCuriosita);

    connect(cmdData, &QPushButton::clicked, this, &frmExt::cmdData_Click);
    connect(cmdEsci, &QPushButton::clicked, this, &frmExt::cmdEsci_Click);
}

void frmExt::Form_Load()
{
    ImpostaBordo(this);
    ImpostaPuntatore(this);
    lblDati->clear();
    // The text keeps its paragraphs; a little space after each makes it easier to read.
    txtCuriosita->setPlainText(Risorse::stringa(350).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    QTextCursor c(txtCuriosita->document());
    for (QTextBlock b = txtCuriosita->document()->begin(); b.isValid(); b = b.next()) {
        c.setPosition(b.position());
        QTextBlockFormat f = b.blockFormat();
        f.setBottomMargin(6);
        c.setBlockFormat(f);
    }
    txtCuriosita->moveCursor(QTextCursor::Start);
}

void frmExt::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_attivato) {
        m_attivato = true;
        Form_Activate();
    }
}

void frmExt::Form_Activate()
{
    txtdata[0]->setFocus();
}

void frmExt::cmdEsci_Click()
{
    close();
}

int frmExt::indiceCasella(QObject* o) const
{
    for (int i = 0; i < 3; ++i)
        if (txtdata[i] == o)
            return i;
    return -1;
}

bool frmExt::eventFilter(QObject* watched, QEvent* event)
{
    const int i = indiceCasella(watched);
    if (i >= 0) {
        if (event->type() == QEvent::KeyPress) {
            auto* k = static_cast<QKeyEvent*>(event);
            const QString testo = k->text();
            // Only keys that write a character are filtered; moving, deleting, tabbing
            // and pasting go on to the box, whose validator keeps it to digits.
            if (testo.size() == 1 && testo[0].isPrint() && !txtdata_KeyPress(i, testo[0].unicode()))
                return true;
        } else if (event->type() == QEvent::FocusIn) {
            txtdata_GotFocus(i);
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool frmExt::txtdata_KeyPress(int, int codice)
{
    return (codice >= '0' && codice <= '9') || codice == 8;
}

void frmExt::txtdata_GotFocus(int index)
{
    txtdata[index]->selectAll();
}

void frmExt::txtdata_Change(int index)
{
    QLineEdit* box = txtdata[index];
    const QString testo = box->text();
    const int lunghezza = index == CalcoloCompleanno::Anno ? 4 : 2;
    if (!testo.isEmpty() && (!CalcoloCompleanno::SoloCifre(testo) || testo.size() > lunghezza)) {
        // Something other than a few digits was put in by code: the box keeps what it had.
        const QSignalBlocker blocco(box);
        box->setText(m_accettato[index]);
        return;
    }
    m_accettato[index] = testo;

    const auto c = CalcoloCompleanno::ControllaCasella(index, testo, platform().clock->today().year());
    if (c.svuota)
        box->clear();
    if (c.avanza) {
        if (index == CalcoloCompleanno::Giorno)
            txtdata[1]->setFocus();
        else if (index == CalcoloCompleanno::Mese)
            txtdata[2]->setFocus();
        else
            cmdData->setFocus();
    }
    // Any edit takes away a result shown before.
    lblDati->clear();
}

void frmExt::cmdData_Click()
{
    const auto esito = CalcoloCompleanno::Calcola(txtdata[0]->text(), txtdata[1]->text(), txtdata[2]->text(),
                                                  platform().clock->today());
    if (!esito.valido) {
        if (esito.svuotaAnno)
            txtdata[2]->clear();
        if (esito.casellaFocus >= 0)
            txtdata[esito.casellaFocus]->setFocus();
        MostraErroreData();
        return;
    }
    lblDati->setText(QString(esito.testo).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    if (esito.suona)
        Suona(Suono::NuovaSezione);
}

void frmExt::MostraErroreData()
{
    platform().dialogs->messageBox(
        this, Dialogs::Icon::Information, QStringLiteral("Tempolino"),
        QStringLiteral("Alcuni dati immessi non sono validi oppure la data non è confrontabile o è incompleta.\r\n"
                       "Controlla meglio la data che hai scritto e riprova."),
        Dialogs::Buttons::Ok);
}

void frmExt::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    // Two engraved frames in grey tones: one around the text, one around the calculator.
    QPainter p(this);
    const QColor chiaro(240, 240, 240), scuro(128, 128, 128);
    auto cornice = [&](QRect r) {
        p.setPen(scuro);
        p.drawRect(r);
        p.setPen(chiaro);
        p.drawRect(r.translated(1, 1));
    };
    cornice(QRect(5, 3, width() - 12, DaTwip(3000) - 3));
    cornice(QRect(5, DaTwip(3000) + 4, width() - 12, DaTwip(4800) - DaTwip(3000) - 4));
}
