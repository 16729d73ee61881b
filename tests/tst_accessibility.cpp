// Keyboard and screen readers: every control known by a caption or a tooltip has an
// accessible name, the clock face says the shown time, Return answers "OK!" in the
// exercises, and the tab order follows the screen.

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include "FrasiOra.h"
#include "TestWindow.h"
#include "frmClock.h"

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
};

namespace {
QString nomeAccessibile(QWidget* w)
{
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    return a ? a->text(QAccessible::Name) : QString();
}
} // namespace

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
    QCOMPARE(p1->accessibleDescription(), QStringLiteral("Sono le 15:20"));
    tw.tickAt(55259);
    QCOMPARE(p1->accessibleDescription(), QStringLiteral("Sono le 15:20"));
    tw.tickAt(3 * 3600 + 5 * 60);
    QCOMPARE(p1->accessibleDescription(), QStringLiteral("Sono le 3:05"));
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
    tw.w->ImpostaTempoCorrente(49200); // 13:40
    const QString detta = p1->accessibleDescription();
    QCOMPARE(detta, FraseLancette(13, 40));
    QVERIFY(!detta.contains(QLatin1String("13")) && !detta.contains(QLatin1String("40")));
    // Out of the exercises the face tells the time again.
    tw.c<QPushButton>("cmdExitTest")->click();
    tw.tickAt(49200);
    QCOMPARE(p1->accessibleDescription(), QStringLiteral("Sono le 13:40"));
}

void TestAccessibility::tabOrderStartsAtTheClockAndEndsAtExit()
{
    TestWindow tw;
    QCOMPARE(tw.c("p1")->nextInFocusChain(), tw.c("cmdTime_3"));
    QWidget* w = tw.c("cmdAbout");
    QCOMPARE(w->nextInFocusChain(), tw.c("cmdEsci"));
    QCOMPARE(tw.casella(0)->nextInFocusChain(), static_cast<QWidget*>(tw.casella(1)));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
