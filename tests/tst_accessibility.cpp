// SPDX-License-Identifier: GPL-3.0-or-later
// Keyboard and screen readers: every control known by a caption or a tooltip has an
// accessible name, the clock face says the shown time and announces the changes the
// child makes (never the running clock), option buttons are radio buttons, the boxes
// and the information window's links are named and reached by Tab, and the tab order
// follows the screen.

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>
#include <functional>

#include "FrasiOra.h"
#include "LettoreSchermo.h"
#include "PassoOra.h"
#include "TestWindow.h"
#include "frmAbout.h"
#include "frmClock.h"
#include "frmExt.h"
#include "modTempolino.h"

class TestAccessibility : public QObject {
    Q_OBJECT
private slots:
    void everyControlHasAName();
    void faceSaysTheShownTime();
    void handsWithoutTheTime_data();
    void handsWithoutTheTime();
    void exercisesNeverTellTheAnswer_data();
    void exercisesNeverTellTheAnswer();
    void tabOrderStartsAtTheClockAndEndsAtExit();
    void adjustmentButtonsSayWhatTheyDo_data();
    void adjustmentButtonsSayWhatTheyDo();
    void optionButtonsAreRadioButtons_data();
    void optionButtonsAreRadioButtons();
    void choosingAnOptionThroughTheScreenReader();
    void boxesAreNamed_data();
    void boxesAreNamed();
    void informationWindowByKeyboard_data();
    void informationWindowByKeyboard();
    void childChangesAreAnnounced_data();
    void childChangesAreAnnounced();
    void otherChangesAreNotAnnounced_data();
    void otherChangesAreNotAnnounced();
};

namespace {
QString nomeAccessibile(QWidget* w)
{
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    return a ? a->text(QAccessible::Name) : QString();
}

// What a screen reader reads as the description of a control.
QString descrizione(QWidget* w)
{
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    return a ? a->text(QAccessible::Description) : QString();
}

float hm(int h, int m)
{
    return static_cast<float>(h * 3600 + m * 60);
}

QPoint suQuadrante(QuadranteOrologio* p1, double angolo, double r)
{
    const double a = angolo * 3.14159265358979323846 / 180.0;
    return QPointF(p1->centroX() + r * std::sin(a), p1->height() - p1->centroY() - r * std::cos(a)).toPoint();
}

using Azione = std::function<void(TestWindow&)>;
} // namespace

Q_DECLARE_METATYPE(Azione)

void TestAccessibility::everyControlHasAName()
{
    TestWindow tw;
    int controllati = 0;
    for (QWidget* w : tw.w->findChildren<QWidget*>()) {
        QString testo;
        if (auto* b = qobject_cast<QAbstractButton*>(w))
            testo = b->text();
        if (w->toolTip().isEmpty() && testo.isEmpty())
            continue;
        ++controllati;
        QVERIFY2(!nomeAccessibile(w).trimmed().isEmpty(), qPrintable(w->objectName()));
    }
    QVERIFY(controllati >= 25);
    QCOMPARE(nomeAccessibile(tw.c("chkFusiOrari")), QStringLiteral("Mappa terrestre"));
    QCOMPARE(nomeAccessibile(tw.c("cmdEsci")), QStringLiteral("Esci"));
    QCOMPARE(tw.c("cmdTime_3")->accessibleDescription(), QStringLiteral("Ore avanti"));
}

void TestAccessibility::faceSaysTheShownTime()
{
    TestWindow tw(QSize(1024, 768), 55200);
    QWidget* p1 = tw.c("p1");
    tw.tickAt(55200); // 15:20:00
    QCOMPARE(descrizione(p1), QStringLiteral("Sono le 15:20"));
    tw.tickAt(55259);
    QCOMPARE(descrizione(p1), QStringLiteral("Sono le 15:20"));
    tw.tickAt(3 * 3600 + 5 * 60);
    QCOMPARE(descrizione(p1), QStringLiteral("Sono le 3:05"));
    QCOMPARE(nomeAccessibile(p1), QStringLiteral("Orologio"));
}

void TestAccessibility::handsWithoutTheTime_data()
{
    QTest::addColumn<int>("ore");
    QTest::addColumn<int>("minuti");
    QTest::addColumn<QString>("frase");
    const QString c = QStringLiteral("La lancetta corta è %1. La lancetta lunga è %2.");
    QTest::newRow("13:40") << 13 << 40 << c.arg(QStringLiteral("tra l'1 e il 2"), QStringLiteral("sull'8"));
    QTest::newRow("3:40") << 3 << 40 << c.arg(QStringLiteral("tra il 3 e il 4"), QStringLiteral("sull'8"));
    QTest::newRow("on the hour") << 15 << 0 << c.arg(QStringLiteral("sul 3"), QStringLiteral("sul 12"));
    QTest::newRow("midnight") << 0 << 0 << c.arg(QStringLiteral("sul 12"), QStringLiteral("sul 12"));
    QTest::newRow("24:00 is midnight") << 24 << 0 << c.arg(QStringLiteral("sul 12"), QStringLiteral("sul 12"));
    QTest::newRow("past twelve") << 0 << 5 << c.arg(QStringLiteral("tra il 12 e l'1"), QStringLiteral("sull'1"));
    QTest::newRow("before eight") << 19 << 55 << c.arg(QStringLiteral("tra il 7 e l'8"), QStringLiteral("sull'11"));
    QTest::newRow("between dots") << 10 << 17
                                  << c.arg(QStringLiteral("tra il 10 e l'11"),
                                           QStringLiteral("sul secondo puntino dopo il 3"));
    QTest::newRow("first dot after twelve")
        << 11 << 1 << c.arg(QStringLiteral("tra l'11 e il 12"), QStringLiteral("sul primo puntino dopo il 12"));
    QTest::newRow("fourth dot after eight")
        << 8 << 44 << c.arg(QStringLiteral("tra l'8 e il 9"), QStringLiteral("sul quarto puntino dopo l'8"));
}

void TestAccessibility::handsWithoutTheTime()
{
    QFETCH(int, ore);
    QFETCH(int, minuti);
    QFETCH(QString, frase);
    QCOMPARE(FraseLancette(ore, minuti), frase);
}

void TestAccessibility::exercisesNeverTellTheAnswer_data()
{
    QTest::addColumn<int>("tipo");
    QTest::newRow("Indovina l'ora") << 0;
    QTest::newRow("Imposta l'ora (1)") << 1;
    QTest::newRow("Imposta l'ora (2)") << 2;
}

void TestAccessibility::exercisesNeverTellTheAnswer()
{
    QFETCH(int, tipo);
    TestWindow tw(QSize(1024, 768), 49200);
    QWidget* p1 = tw.c("p1");
    tw.c<QToolButton>("cmdTest")->click();
    tw.c<OptionGroup>("grpTest")->select(tipo);
    tw.w->stato()->MostraOra(49200); // 13:40
    const QString detta = descrizione(p1);
    QCOMPARE(detta, FraseLancette(13, 40));
    QVERIFY(!detta.contains(QLatin1String("13")) && !detta.contains(QLatin1String("40")));
    // Out of the exercises the face tells the time again.
    tw.c<QPushButton>("cmdExitTest")->click();
    tw.tickAt(49200);
    QCOMPARE(descrizione(p1), QStringLiteral("Sono le 13:40"));
}

void TestAccessibility::tabOrderStartsAtTheClockAndEndsAtExit()
{
    TestWindow tw;
    QCOMPARE(tw.c("p1")->nextInFocusChain(), tw.c("cmdTime_3"));
    QWidget* w = tw.c("cmdAbout");
    QCOMPARE(w->nextInFocusChain(), tw.c("cmdEsci"));
    QCOMPARE(tw.casella(0)->nextInFocusChain(), static_cast<QWidget*>(tw.casella(1)));
}

void TestAccessibility::adjustmentButtonsSayWhatTheyDo_data()
{
    QTest::addColumn<int>("indice");
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QString>("suggerimento");
    QTest::newRow("cmdTime_3") << 3 << "Ore avanti"
                               << "Ore avanti "; // the tooltip keeps its space
    QTest::newRow("cmdTime_2") << 2 << "Minuti avanti"
                               << "Minuti avanti";
    QTest::newRow("cmdTime_1") << 1 << "Minuti indietro"
                               << "Minuti indietro";
    QTest::newRow("cmdTime_0") << 0 << "Ore indietro"
                               << "Ore indietro";
}

void TestAccessibility::adjustmentButtonsSayWhatTheyDo()
{
    QFETCH(int, indice);
    QFETCH(QString, nome);
    QFETCH(QString, suggerimento);
    TestWindow tw;
    auto* b = tw.c<QPushButton>("cmdTime", indice);
    QCOMPARE(nomeAccessibile(b), nome);
    QCOMPARE(b->toolTip(), suggerimento);
    QCOMPARE(b->text(), QString::fromUtf8(indice >= 2 ? "+" : "—"));
    QCOMPARE(QAccessible::queryAccessibleInterface(b)->role(), QAccessible::Button);
}

void TestAccessibility::optionButtonsAreRadioButtons_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QString>("detto"); // the name a screen reader says
    QTest::newRow("optCtrTime_0") << "optCtrTime_0"
                                  << "Modifica i minuti o le ore";
    QTest::newRow("optCtrTime_1") << "optCtrTime_1"
                                  << "Tempo attuale";
    QTest::newRow("optStyleNum_0") << "optStyleNum_0"
                                   << "Quadrante con i punti";
    QTest::newRow("optStyleNum_1") << "optStyleNum_1"
                                   << "Quadrante con i numeri arabi";
    QTest::newRow("optStyleNum_2") << "optStyleNum_2"
                                   << "Quadrante con i numeri romani";
    QTest::newRow("opt12_24_0") << "opt12_24_0"
                                << "12 h";
    QTest::newRow("opt12_24_1") << "opt12_24_1"
                                << "24 h";
    QTest::newRow("optTest_0") << "optTest_0"
                               << "Indovina l'ora";
    QTest::newRow("optTest_3") << "optTest_3"
                               << "Test finale";
}

void TestAccessibility::optionButtonsAreRadioButtons()
{
    QFETCH(QString, nome);
    QFETCH(QString, detto);
    TestWindow tw;
    auto* b = tw.c<QAbstractButton>(nome);
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(b);
    QCOMPARE(a->role(), QAccessible::RadioButton);
    QCOMPARE(a->text(QAccessible::Name), detto);
    QVERIFY(a->state().checkable);
    QCOMPARE(bool(a->state().checked), b->isChecked());
    // The state follows the choice.
    b->setChecked(!b->isChecked());
    QCOMPARE(bool(a->state().checked), b->isChecked());
    // Qt's own exclusivity stays off: the group keeps its own rules.
    QVERIFY(!b->autoExclusive());
}

void TestAccessibility::choosingAnOptionThroughTheScreenReader()
{
    TestWindow tw;
    auto* grp = tw.c<OptionGroup>("grpStyleNum");
    QSignalSpy clic(grp, &OptionGroup::clicked);
    QAccessibleActionInterface* romani =
        QAccessible::queryAccessibleInterface(tw.c("optStyleNum_2"))->actionInterface();
    QVERIFY(romani);
    QVERIFY(romani->actionNames().contains(QAccessibleActionInterface::toggleAction()));
    romani->doAction(QAccessibleActionInterface::toggleAction());
    QVERIFY(grp->isSelected(2));
    // Choosing it again raises nothing and keeps it chosen.
    romani->doAction(QAccessibleActionInterface::toggleAction());
    QCOMPARE(clic.count(), 1);
    QCOMPARE(clic.first().first().toInt(), 2);
    QVERIFY(grp->isSelected(2));
}

void TestAccessibility::boxesAreNamed_data()
{
    QTest::addColumn<bool>("compleanno");
    QTest::addColumn<QString>("casella");
    QTest::addColumn<QString>("nome");
    QTest::newRow("hours") << false << "txtTest_0"
                           << "Ore";
    QTest::newRow("minutes") << false << "txtTest_1"
                             << "Minuti";
    QTest::newRow("day") << true << "txtdata_0"
                         << "Giorno";
    QTest::newRow("month") << true << "txtdata_1"
                           << "Mese";
    QTest::newRow("year") << true << "txtdata_2"
                          << "Anno";
}

void TestAccessibility::boxesAreNamed()
{
    QFETCH(bool, compleanno);
    QFETCH(QString, casella);
    QFETCH(QString, nome);
    TestWindow tw;
    frmExt ext;
    QWidget* finestra = compleanno ? static_cast<QWidget*>(&ext) : tw.w;
    auto* box = Trova<QLineEdit>(finestra, casella);
    QCOMPARE(nomeAccessibile(box), nome);
    QCOMPARE(QAccessible::queryAccessibleInterface(box)->role(), QAccessible::EditableText);
}

void TestAccessibility::informationWindowByKeyboard_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<int>("tasto");
    QTest::addColumn<QString>("schema"); // of the link handed to the system
    QTest::newRow("e-mail with Return") << "lblEmail" << int(Qt::Key_Return) << "mailto";
    QTest::newRow("web site with the space bar") << "lblSito" << int(Qt::Key_Space) << "https";
}

void TestAccessibility::informationWindowByKeyboard()
{
    QFETCH(QString, link);
    QFETCH(int, tasto);
    QFETCH(QString, schema);
    FakePlatform fake = FakePlatform::install();
    QTemporaryDir cartella;
    QFile pagina(cartella.filePath(QStringLiteral("Tempolino.htm")));
    QVERIFY(pagina.open(QIODevice::WriteOnly));
    pagina.close();
    fake.desktop->folder = cartella.path();
    frmAbout a;
    a.show();
    QApplication::setActiveWindow(&a);

    // The picture button is named, reached by Tab and shows where the focus is.
    QCOMPARE(nomeAccessibile(a.cmdGuida), QStringLiteral("Indicazioni didattiche"));
    QVERIFY(a.cmdGuida->isEnabled());
    QVERIFY(a.cmdGuida->focusPolicy() & Qt::TabFocus);
    a.cmdEsci->setFocus();
    const QImage senza = a.cmdGuida->grab().toImage();
    a.cmdGuida->setFocus();
    QVERIFY(a.cmdGuida->hasFocus());
    QVERIFY(a.cmdGuida->grab().toImage() != senza);

    // Tab walks from the picture button through both links.
    QList<QWidget*> giro;
    for (int i = 0; i < 8 && !giro.contains(QApplication::focusWidget()); ++i) {
        giro.append(QApplication::focusWidget());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QVERIFY(giro.contains(a.lblEmail));
    QVERIFY(giro.contains(a.lblSito));
    QCOMPARE(nomeAccessibile(a.lblEmail), QStringLiteral("e-mail: ") + a.lblEmail->text());
    QCOMPARE(nomeAccessibile(a.lblSito), QStringLiteral("sito Internet: ") + a.lblSito->text());

    // The key follows the focused link, as a click does, and the window closes.
    auto* l = Trova<QLabel>(&a, link);
    l->setFocus();
    QTest::keyClick(l, static_cast<Qt::Key>(tasto));
    QCOMPARE(fake.desktop->opened.size(), 1);
    QCOMPARE(fake.desktop->opened.first().scheme(), schema);
    QVERIFY(!a.isVisible());
}

void TestAccessibility::childChangesAreAnnounced_data()
{
    QTest::addColumn<bool>("esercizio"); // in "Imposta l'ora (1)" rather than manual mode
    QTest::addColumn<Azione>("azione");
    QTest::addColumn<int>("annunci");
    QTest::addColumn<QString>("ultimo");

    const Azione tasto = [](TestWindow& tw) { QTest::keyClick(tw.c("p1"), Qt::Key_Right); };
    const Azione pulsante = [](TestWindow& tw) { QTest::mouseClick(tw.c("cmdTime", MinutiAvanti), Qt::LeftButton); };
    // The minute hand from 42 to 45 minutes in three moves of one minute.
    const Azione trascina = [](TestWindow& tw) {
        auto* p1 = tw.c<QuadranteOrologio>("p1");
        const int m = static_cast<int>(tw.w->stato()->TempoCorrente()) % 3600 / 60;
        QTest::mousePress(p1, Qt::LeftButton, Qt::NoModifier, suQuadrante(p1, 6 * m, 100));
        for (int k = 1; k <= 3; ++k)
            QTest::mouseMove(p1, suQuadrante(p1, 6 * (m + k), 100));
        QTest::mouseRelease(p1, Qt::LeftButton, Qt::NoModifier, suQuadrante(p1, 6 * (m + 3), 100));
    };
    QTest::newRow("a key, manual mode") << false << tasto << 1 << "Sono le 6:43";
    QTest::newRow("a button, manual mode") << false << pulsante << 1 << "Sono le 6:43";
    QTest::newRow("a drag, manual mode") << false << trascina << 3 << "Sono le 6:45";
    QTest::newRow("a key, exercise") << true << tasto << 1 << FraseLancette(6, 43);
    QTest::newRow("a drag, exercise") << true << trascina << 3 << FraseLancette(6, 45);
}

void TestAccessibility::childChangesAreAnnounced()
{
    QFETCH(bool, esercizio);
    QFETCH(Azione, azione);
    QFETCH(int, annunci);
    QFETCH(QString, ultimo);
    TestWindow tw;
    if (esercizio) {
        tw.c<QToolButton>("cmdTest")->click();
        tw.c<OptionGroup>("grpTest")->select(1);
    } else {
        tw.c<OptionGroup>("grpCtrTime")->select(0);
    }
    tw.w->stato()->MostraOra(hm(6, 42));
    QWidget* p1 = tw.c("p1");
    p1->setFocus();
    const LettoreSchermo lettore(p1);
    azione(tw);
    const QStringList sentiti = lettore.annunci();
    QCOMPARE(sentiti.size(), annunci);
    QCOMPARE(sentiti.last(), ultimo);
    // In the exercises the sentence never gives the time in figures.
    if (esercizio)
        QVERIFY(!sentiti.last().contains(QRegularExpression(QStringLiteral("[0-9]:[0-9]"))));
}

void TestAccessibility::otherChangesAreNotAnnounced_data()
{
    QTest::addColumn<Azione>("azione");
    QTest::newRow("the running clock, minute after minute") << Azione([](TestWindow& tw) {
        for (int s = 0; s < 600; s += 20)
            tw.tickAt(36000 + s);
    });
    QTest::newRow("the exercises setting a question") << Azione([](TestWindow& tw) {
        tw.c<QToolButton>("cmdTest")->click();
        tw.c<OptionGroup>("grpTest")->select(1);
        tw.c<OptionGroup>("grpTest")->select(2);
    });
    QTest::newRow("keys while the clock runs") << Azione([](TestWindow& tw) {
        QTest::keyClick(tw.c("p1"), Qt::Key_Right);
        QTest::keyClick(tw.c("p1"), Qt::Key_PageUp);
    });
}

void TestAccessibility::otherChangesAreNotAnnounced()
{
    QFETCH(Azione, azione);
    TestWindow tw;
    QWidget* p1 = tw.c("p1");
    const LettoreSchermo lettore(p1);
    azione(tw);
    QCOMPARE(lettore.annunci(), QStringList{});
    // The face still says what it shows when a screen reader asks.
    QVERIFY(!descrizione(p1).isEmpty());
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
