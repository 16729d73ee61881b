// Keyboard and screen readers: every control known by a caption or a tooltip has an
// accessible name, the clock face says the shown time, Return answers "OK!" in the
// exercises, and the tab order follows the screen.

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include "TestWindow.h"
#include "frmClock.h"

class TestAccessibility : public QObject {
    Q_OBJECT
private slots:
    void everyControlHasAName();
    void faceSaysTheShownTime();
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
    QCOMPARE(nomeAccessibile(tw.w->chkFusiOrari), QStringLiteral("Mappa terrestre"));
    QCOMPARE(nomeAccessibile(tw.w->cmdEsci), QStringLiteral("Esci"));
    QCOMPARE(tw.w->cmdTime[3]->accessibleDescription(), QStringLiteral("Ore avanti"));
}

void TestAccessibility::faceSaysTheShownTime()
{
    TestWindow tw(QSize(1024, 768), 55200);
    tw.tickAt(55200);  // 15:20:00
    QCOMPARE(tw.w->p1->accessibleDescription(), QStringLiteral("Sono le 15:20"));
    tw.tickAt(55259);
    QCOMPARE(tw.w->p1->accessibleDescription(), QStringLiteral("Sono le 15:20"));
    tw.tickAt(3 * 3600 + 5 * 60);
    QCOMPARE(tw.w->p1->accessibleDescription(), QStringLiteral("Sono le 3:05"));
    QCOMPARE(nomeAccessibile(tw.w->p1), QStringLiteral("Orologio"));
}

void TestAccessibility::tabOrderStartsAtTheClockAndEndsAtExit()
{
    TestWindow tw;
    QCOMPARE(tw.w->p1->nextInFocusChain(), static_cast<QWidget*>(tw.w->cmdTime[3]));
    QWidget* w = tw.w->cmdAbout;
    QCOMPARE(w->nextInFocusChain(), static_cast<QWidget*>(tw.w->cmdEsci));
    QCOMPARE(tw.w->txtTest[0]->nextInFocusChain(), static_cast<QWidget*>(tw.w->txtTest[1]));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
