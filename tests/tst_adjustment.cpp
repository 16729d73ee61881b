// The four adjustment buttons: one step with its wrap around midnight, a click,
// a held button, quick presses, the panel sliding out, the colours, and the
// buttons doing nothing while the clock follows the computer.

#include <QtTest>

#include "PassoOra.h"
#include "TestWindow.h"
#include "frmClock.h"
#include "modTempolino.h"

namespace {

float hm(int h, int m)
{
    return static_cast<float>(h * 3600 + m * 60);
}

// The colour in the middle of a button's face, away from its border and caption.
QColor coloreTasto(QWidget* b)
{
    const QImage img = b->grab().toImage();
    return img.pixelColor(3, 3);
}

// A window in manual mode standing at T.
void fermaA(TestWindow& tw, float T)
{
    tw.c<OptionGroup>("grpCtrTime")->select(0);
    tw.w->ImpostaTempoCorrente(T);
    tw.fake.sound->played.clear();
    tw.fake.events->pausedMs = 0;
    tw.fake.events->pauses = 0;
}

} // namespace

class TestAdjustment : public QObject {
    Q_OBJECT
private slots:
    void init() { modTempolino::SuoniAttivi = true; }

    void wrapRules_data();
    void wrapRules();
    void oneClickIsOneStep_data();
    void oneClickIsOneStep();
    void realPressAndReleaseOnTheButton();
    void holdingRepeats_data();
    void holdingRepeats();
    void holdingHourBackThroughMidnight();
    void quickPressesDuringTheRepeat();
    void switchingToCurrentTimeEndsTheRepeat();
    void closingTheWindowWhileHeld();
    void panelSlidesOncePerChange();
    void panelAndLayoutAgree();
    void buttonColours();
    void disabledButtonsDoNothing();
};

void TestAdjustment::wrapRules_data()
{
    QTest::addColumn<float>("T");
    QTest::addColumn<int>("indice");
    QTest::addColumn<float>("atteso");
    QTest::newRow("00:00 - 1 min") << hm(0, 0) << int(MinutiIndietro) << hm(23, 59);
    QTest::newRow("23:59 + 1 min") << hm(23, 59) << int(MinutiAvanti) << hm(0, 0);
    QTest::newRow("23:30 + 1 h") << hm(23, 30) << int(OreAvanti) << hm(0, 30);
    QTest::newRow("00:30 - 1 h") << hm(0, 30) << int(OreIndietro) << hm(23, 30);
    QTest::newRow("23:00 + 1 h") << hm(23, 0) << int(OreAvanti) << hm(0, 0);
    QTest::newRow("00:00 - 1 h") << hm(0, 0) << int(OreIndietro) << hm(23, 0);
    QTest::newRow("01:00 - 1 h") << hm(1, 0) << int(OreIndietro) << hm(0, 0);
    QTest::newRow("10:59 + 1 min") << hm(10, 59) << int(MinutiAvanti) << hm(11, 0);
    QTest::newRow("10:00 - 1 min") << hm(10, 0) << int(MinutiIndietro) << hm(9, 59);
    QTest::newRow("24:00 + 1 min") << hm(24, 0) << int(MinutiAvanti) << hm(0, 1);
    QTest::newRow("24:00 - 1 min") << hm(24, 0) << int(MinutiIndietro) << hm(23, 59);
    QTest::newRow("24:00 + 1 h") << hm(24, 0) << int(OreAvanti) << hm(1, 0);
    QTest::newRow("24:00 - 1 h") << hm(24, 0) << int(OreIndietro) << hm(23, 0);
}

void TestAdjustment::wrapRules()
{
    QFETCH(float, T);
    QFETCH(int, indice);
    QFETCH(float, atteso);
    QCOMPARE(PassoOra(T, indice), atteso);
}

void TestAdjustment::oneClickIsOneStep_data()
{
    QTest::addColumn<int>("indice");
    QTest::addColumn<float>("da");
    QTest::addColumn<QString>("lettura");
    QTest::addColumn<int>("pausa");
    QTest::newRow("Minuti avanti at 10:59") << int(MinutiAvanti) << hm(10, 59) << "11:00:00" << 50;
    QTest::newRow("Minuti indietro at 00:00") << int(MinutiIndietro) << hm(0, 0) << "23:59:00" << 50;
    QTest::newRow("Ore avanti at 23:30") << int(OreAvanti) << hm(23, 30) << "0:30:00" << 100;
    QTest::newRow("Ore indietro at 00:30") << int(OreIndietro) << hm(0, 30) << "23:30:00" << 100;
}

void TestAdjustment::oneClickIsOneStep()
{
    QFETCH(int, indice);
    QFETCH(float, da);
    QFETCH(QString, lettura);
    QFETCH(int, pausa);
    TestWindow tw(QSize(1024, 768), 36000);
    frmClock* w = tw.w;
    fermaA(tw, da);
    // The button is let go during the first pause after the step.
    tw.fake.events->onPause = [w, indice] { w->cmdTime_MouseUp(indice); };
    w->cmdTime_MouseDown(indice);
    QCOMPARE(tw.c<QLabel>("lblDigitalClock")->text(), lettura);
    QCOMPARE(w->tempoCorrente(), PassoOra(da, indice));
    QCOMPARE(tw.fake.sound->played, QVector<int>{105});
    // The cycle that was under way finishes: three pauses of the button's length.
    QCOMPARE(tw.fake.events->pausedMs, qint64(3 * pausa));
    QVERIFY(!Trova<PannelloRegolazione>(w, "picRegolazione")->pulsantePremuto());
    QVERIFY(!tw.c<QTimer>("tmrClock")->isActive());
}

void TestAdjustment::realPressAndReleaseOnTheButton()
{
    TestWindow tw(QSize(1024, 768), 36000);
    frmClock* w = tw.w;
    fermaA(tw, hm(10, 59));
    QPushButton* piu = tw.c<QPushButton>("cmdTime", MinutiAvanti);
    tw.fake.events->onPause = [piu] {
        if (piu->isDown())
            QTest::mouseRelease(piu, Qt::LeftButton);
    };
    QTest::mousePress(piu, Qt::LeftButton);
    QCOMPARE(tw.c<QLabel>("lblDigitalClock")->text(), QStringLiteral("11:00:00"));
    // The hour hand moves on with the minute: the hours field follows.
    QCOMPARE(w->oreCorrenti(), 11.0f);
    QCOMPARE(tw.fake.sound->count(105), 1);
    QVERIFY(!piu->isDown());
    // The click hands the keyboard back to the face.
    QCOMPARE(w->focusWidget(), tw.c("p1"));
}

void TestAdjustment::holdingRepeats_data()
{
    QTest::addColumn<int>("indice");
    QTest::addColumn<int>("rilascio"); // the pause during which the button is let go
    QTest::addColumn<int>("passi");
    QTest::newRow("minutes, let go in the 3rd pause") << int(MinutiAvanti) << 3 << 1;
    QTest::newRow("minutes, let go in the 4th pause") << int(MinutiAvanti) << 4 << 2;
    QTest::newRow("minutes, let go in the 9th pause") << int(MinutiIndietro) << 9 << 3;
    QTest::newRow("minutes, let go in the 10th pause") << int(MinutiIndietro) << 10 << 4;
    QTest::newRow("hours, let go in the 7th pause") << int(OreAvanti) << 7 << 3;
    QTest::newRow("hours, let go in the 12th pause") << int(OreIndietro) << 12 << 4;
}

void TestAdjustment::holdingRepeats()
{
    QFETCH(int, indice);
    QFETCH(int, rilascio);
    QFETCH(int, passi);
    TestWindow tw(QSize(1024, 768), 36000);
    frmClock* w = tw.w;
    fermaA(tw, hm(12, 0));
    FakeEvents* ev = tw.fake.events;
    QVector<int> passiAllaPausa;
    float atteso = hm(12, 0);
    ev->onPause = [&] {
        // Where the clock stands at every pause: the steps come one per three pauses.
        passiAllaPausa.append(tw.fake.sound->count(105));
        if (ev->pauses == rilascio)
            w->cmdTime_MouseUp(indice);
    };
    w->cmdTime_MouseDown(indice);
    for (int i = 0; i < passi; ++i)
        atteso = PassoOra(atteso, indice);
    QCOMPARE(w->tempoCorrente(), atteso);
    QCOMPARE(tw.fake.sound->count(105), passi);
    QCOMPARE(tw.fake.sound->played.size(), passi);
    QCOMPARE(ev->pauses, 3 * passi);
    QCOMPARE(ev->pausedMs, qint64(3 * passi * PausaRipetizione(indice)));
    for (int p = 0; p < passiAllaPausa.size(); ++p)
        QCOMPARE(passiAllaPausa[p], p / 3 + 1);
}

void TestAdjustment::holdingHourBackThroughMidnight()
{
    TestWindow tw(QSize(1024, 768), 36000);
    frmClock* w = tw.w;
    fermaA(tw, hm(1, 0));
    QLabel* lblDigitalClock = tw.c<QLabel>("lblDigitalClock");
    QStringList letture;
    tw.fake.events->onPause = [&] {
        if (letture.isEmpty() || letture.last() != lblDigitalClock->text())
            letture.append(lblDigitalClock->text());
        if (letture.size() == 3)
            w->cmdTime_MouseUp(OreIndietro);
    };
    w->cmdTime_MouseDown(OreIndietro);
    QCOMPARE(letture, (QStringList{"0:00:00", "23:00:00", "22:00:00"}));
    // About three steps a second: one step per 300 ms of pauses.
    QCOMPARE(tw.fake.events->pausedMs, qint64(900));
}

void TestAdjustment::quickPressesDuringTheRepeat()
{
    // The child clicks "+" twice quickly, then "-" once: each press lands in the pauses
    // of the previous one. Every click is one step, and the loop ends with the last release.
    TestWindow tw(QSize(1024, 768), 36000);
    frmClock* w = tw.w;
    fermaA(tw, hm(10, 0));
    FakeEvents* ev = tw.fake.events;
    int fase = 0;
    ev->onPause = [&] {
        switch (fase++) {
        case 0:
            w->cmdTime_MouseUp(MinutiAvanti);
            break;
        case 1:
            w->cmdTime_MouseDown(MinutiAvanti);
            break; // runs until its release below
        case 2:
            w->cmdTime_MouseUp(MinutiAvanti);
            break;
        case 3:
            w->cmdTime_MouseDown(OreAvanti);
            break;
        case 4:
            w->cmdTime_MouseUp(OreAvanti);
            break;
        default:
            break;
        }
    };
    w->cmdTime_MouseDown(MinutiAvanti);
    QCOMPARE(tw.c<QLabel>("lblDigitalClock")->text(), QStringLiteral("11:02:00"));
    QCOMPARE(tw.fake.sound->count(105), 3);
    QVERIFY(!Trova<PannelloRegolazione>(w, "picRegolazione")->pulsantePremuto());
    QVERIFY(!tw.c<QTimer>("tmrClock")->isActive());
}

void TestAdjustment::switchingToCurrentTimeEndsTheRepeat()
{
    TestWindow tw(QSize(1024, 768), 36000);
    frmClock* w = tw.w;
    fermaA(tw, hm(8, 0));
    tw.fake.events->onPause = [&] {
        if (tw.fake.events->pauses == 5)
            tw.c<OptionGroup>("grpCtrTime")->select(1); // "Tempo attuale" while the button is held
    };
    w->cmdTime_MouseDown(OreAvanti);
    QCOMPARE(tw.fake.sound->count(105), 2);
    QVERIFY(!Trova<PannelloRegolazione>(w, "picRegolazione")->pulsantePremuto());
    QVERIFY(tw.c<QTimer>("tmrClock")->isActive());
    QVERIFY(!tw.c("cmdTime", OreAvanti)->isEnabled());
    // The computer's time is shown at the next tick, untouched by the buttons.
    tw.tickAt(50000);
    QCOMPARE(tw.c<QLabel>("lblDigitalClock")->text(), QStringLiteral("13:53:20"));
}

void TestAdjustment::closingTheWindowWhileHeld()
{
    // The program is closed while a button is held down: the repeat stops, and the
    // window goes only once the button's own handler has returned.
    TestWindow tw(QSize(1024, 768), 36000);
    fermaA(tw, hm(8, 0));
    frmClock* w = tw.w;
    QPushButton* piu = tw.c<QPushButton>("cmdTime", MinutiAvanti);
    tw.fake.events->onPause = [w] {
        if (w->isVisible()) {
            w->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    };
    QTest::mousePress(piu, Qt::LeftButton);
    QVERIFY(frmClock::caricato());
    QCOMPARE(tw.fake.sound->count(105), 1);
    QCOMPARE(tw.fake.events->pauses, 1);
    QVERIFY(!tw.c<QTimer>("tmrClock")->isActive());
    flushDeletes();
    QVERIFY(!frmClock::caricato());
}

void TestAdjustment::panelSlidesOncePerChange()
{
    TestWindow tw(QSize(1024, 768), 36000);
    frmClock* w = tw.w;
    QWidget* picRegolazione = tw.c("picRegolazione");
    QWidget* p1 = tw.c("p1");
    const int riposo = picRegolazione->x();
    QCOMPARE(riposo, p1->x() + p1->width() - 15);
    tw.fake.sound->played.clear();

    w->MostraCmdTime(true);
    w->MostraCmdTime(true);
    QCOMPARE(picRegolazione->x(), riposo + 15);
    QCOMPARE(tw.fake.sound->played, QVector<int>{103});
    for (int i = 0; i < 4; ++i)
        QVERIFY(tw.c("cmdTime", i)->isEnabled());

    w->MostraCmdTime(false);
    w->MostraCmdTime(false);
    QCOMPARE(picRegolazione->x(), riposo);
    QCOMPARE(tw.fake.sound->played, QVector<int>{103});
    for (int i = 0; i < 4; ++i)
        QVERIFY(!tw.c("cmdTime", i)->isEnabled());
}

void TestAdjustment::panelAndLayoutAgree()
{
    // A new layout while the buttons are out keeps the panel beside the face.
    TestWindow tw(QSize(1024, 768), 36000);
    frmClock* w = tw.w;
    OptionGroup* grpCtrTime = tw.c<OptionGroup>("grpCtrTime");
    QWidget* picRegolazione = tw.c("picRegolazione");
    QWidget* p1 = tw.c("p1");
    grpCtrTime->select(0);
    const QPoint fuori = picRegolazione->pos();
    w->Form_Resize();
    QCOMPARE(picRegolazione->pos(), fuori);
    QCOMPARE(fuori.x(), p1->x() + p1->width());
    grpCtrTime->select(1);
    w->Form_Resize();
    QCOMPARE(picRegolazione->x(), p1->x() + p1->width() - 15);
}

void TestAdjustment::buttonColours()
{
    TestWindow tw(QSize(1024, 768), 36000);
    frmClock* w = tw.w;
    OptionGroup* grpCtrTime = tw.c<OptionGroup>("grpCtrTime");
    const QColor grigio(128, 128, 128);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(coloreTasto(tw.c("cmdTime", i)), grigio);
    grpCtrTime->select(0);
    QCOMPARE(coloreTasto(tw.c("cmdTime", OreIndietro)), Trova<QuadranteOrologio>(w, "p1")->coloreOre());
    QCOMPARE(coloreTasto(tw.c("cmdTime", OreAvanti)), Trova<QuadranteOrologio>(w, "p1")->coloreOre());
    QCOMPARE(coloreTasto(tw.c("cmdTime", MinutiIndietro)), Trova<QuadranteOrologio>(w, "p1")->coloreMinuti());
    QCOMPARE(coloreTasto(tw.c("cmdTime", MinutiAvanti)), Trova<QuadranteOrologio>(w, "p1")->coloreMinuti());
    grpCtrTime->select(1);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(coloreTasto(tw.c("cmdTime", i)), grigio);
}

void TestAdjustment::disabledButtonsDoNothing()
{
    TestWindow tw(QSize(1024, 768), 36000);
    frmClock* w = tw.w;
    tw.tickAt(37000);
    tw.fake.sound->played.clear();
    tw.fake.events->pauses = 0;
    tw.fake.events->onPause = [w] {
        for (int i = 0; i < 4; ++i)
            w->cmdTime_MouseUp(i);
    };
    for (int i = 0; i < 4; ++i) {
        QTest::mouseClick(tw.c("cmdTime", i), Qt::LeftButton);
        w->cmdTime_MouseDown(i);
    }
    QCOMPARE(w->tempoCorrente(), 37000.0f);
    QVERIFY(tw.fake.sound->played.isEmpty());
    QCOMPARE(tw.fake.events->pauses, 0);
    QVERIFY(tw.c<QTimer>("tmrClock")->isActive());
    tw.tickAt(37001);
    QCOMPARE(tw.c<QLabel>("lblDigitalClock")->text(), QStringLiteral("10:16:41"));
}

QTEST_MAIN(TestAdjustment)
#include "tst_adjustment.moc"
