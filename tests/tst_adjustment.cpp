// SPDX-License-Identifier: GPL-3.0-or-later
// The four adjustment buttons: one step with its wrap around midnight, a click,
// a held button repeating by itself, quick presses, the panel sliding out, the
// colours, and the buttons doing nothing while the clock follows the computer.

#include <QtTest>

#include "FakeEventDispatcher.h"
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
    tw.stato()->MostraOra(T);
    tw.fake.sound->played.clear();
}

} // namespace

class TestAdjustment : public QObject {
    Q_OBJECT
private slots:
    void wrapRules_data();
    void wrapRules();
    void oneClickIsOneStep_data();
    void oneClickIsOneStep();
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
    QTest::newRow("Minuti avanti at 10:59") << int(MinutiAvanti) << hm(10, 59) << "11:00:00";
    QTest::newRow("Minuti indietro at 00:00") << int(MinutiIndietro) << hm(0, 0) << "23:59:00";
    QTest::newRow("Ore avanti at 23:30") << int(OreAvanti) << hm(23, 30) << "0:30:00";
    QTest::newRow("Ore indietro at 00:30") << int(OreIndietro) << hm(0, 30) << "23:30:00";
}

void TestAdjustment::oneClickIsOneStep()
{
    QFETCH(int, indice);
    QFETCH(float, da);
    QFETCH(QString, lettura);
    TestWindow tw(QSize(1024, 768), 36000);
    fermaA(tw, da);
    // A real click: pressed and let go at once.
    QTest::mouseClick(tw.c("cmdTime", indice), Qt::LeftButton);
    QCOMPARE(tw.c<QLabel>("lblDigitalClock")->text(), lettura);
    QCOMPARE(tw.stato()->TempoCorrente(), PassoOra(da, indice));
    QCOMPARE(tw.fake.sound->played, QVector<int>{105});
    // The hour hand moves on with the minute: the hours field follows.
    QCOMPARE(tw.stato()->OreCorrenti(), PassoOra(da, indice) / 3600);
    // Let go, the button repeats no more; the click hands the keyboard back to the face.
    tw.fake.clock->advance(2);
    QCOMPARE(tw.fake.sound->played.size(), 1);
    QVERIFY(!Trova<PannelloRegolazione>(tw.w, "picRegolazione")->pulsantePremuto());
    QCOMPARE(tw.w->focusWidget(), tw.c("p1"));
    QVERIFY(!tw.c<QTimer>("tmrClock")->isActive());
}

void TestAdjustment::holdingRepeats_data()
{
    QTest::addColumn<int>("indice");
    QTest::addColumn<int>("ms"); // how long the button is held
    QTest::addColumn<int>("passi");
    // A step at once, then one each 150 ms (minutes) or 300 ms (hours) while held.
    QTest::newRow("minutes, let go before the first repeat") << int(MinutiAvanti) << 149 << 1;
    QTest::newRow("minutes, let go at the first repeat") << int(MinutiAvanti) << 150 << 2;
    QTest::newRow("minutes, held 449 ms") << int(MinutiIndietro) << 449 << 3;
    QTest::newRow("minutes, held 450 ms") << int(MinutiIndietro) << 450 << 4;
    QTest::newRow("hours, held 899 ms") << int(OreAvanti) << 899 << 3;
    QTest::newRow("hours, held 900 ms") << int(OreIndietro) << 900 << 4;
    QTest::newRow("hours, held 3 s") << int(OreIndietro) << 3000 << 11;
}

void TestAdjustment::holdingRepeats()
{
    QFETCH(int, indice);
    QFETCH(int, ms);
    QFETCH(int, passi);
    TestWindow tw(QSize(1024, 768), 36000);
    fermaA(tw, hm(12, 0));
    auto* b = tw.c<QPushButton>("cmdTime", indice);
    // Where the clock stands every 10 ms while the button is held.
    QVector<int> passiNelTempo;
    QTest::mousePress(b, Qt::LeftButton);
    for (int t = 0; t < ms; t += 10) {
        passiNelTempo.append(tw.fake.sound->count(105));
        tw.fake.clock->advance(std::min(10, ms - t) / 1000.0);
    }
    QTest::mouseRelease(b, Qt::LeftButton);
    float atteso = hm(12, 0);
    for (int i = 0; i < passi; ++i)
        atteso = PassoOra(atteso, indice);
    QCOMPARE(tw.stato()->TempoCorrente(), atteso);
    QCOMPARE(tw.fake.sound->count(105), passi);
    QCOMPARE(tw.fake.sound->played.size(), passi);
    const int ripetizione = 3 * PausaRipetizione(indice);
    for (int k = 0; k < passiNelTempo.size(); ++k)
        QCOMPARE(passiNelTempo[k], k * 10 / ripetizione + 1);
    // The repeat ended with the button.
    tw.fake.clock->advance(1);
    QCOMPARE(tw.fake.sound->count(105), passi);
}

void TestAdjustment::holdingHourBackThroughMidnight()
{
    TestWindow tw(QSize(1024, 768), 36000);
    fermaA(tw, hm(1, 0));
    QLabel* lblDigitalClock = tw.c<QLabel>("lblDigitalClock");
    auto* b = tw.c<QPushButton>("cmdTime", OreIndietro);
    QStringList letture;
    QTest::mousePress(b, Qt::LeftButton);
    // About three steps a second: one step per 300 ms.
    for (int i = 0; i < 3; ++i) {
        letture.append(lblDigitalClock->text());
        tw.fake.clock->advance(0.3);
    }
    QTest::mouseRelease(b, Qt::LeftButton);
    QCOMPARE(letture, (QStringList{QStringLiteral("0:00:00"), QStringLiteral("23:00:00"), QStringLiteral("22:00:00")}));
}

void TestAdjustment::quickPressesDuringTheRepeat()
{
    // The child clicks "+" twice quickly, then the hours "+" once, each within the
    // first button's repeat time: every click is one step.
    TestWindow tw(QSize(1024, 768), 36000);
    fermaA(tw, hm(10, 0));
    for (const int indice : {int(MinutiAvanti), int(MinutiAvanti), int(OreAvanti)}) {
        QTest::mouseClick(tw.c("cmdTime", indice), Qt::LeftButton);
        tw.fake.clock->advance(0.04);
    }
    tw.fake.clock->advance(1);
    QCOMPARE(tw.c<QLabel>("lblDigitalClock")->text(), QStringLiteral("11:02:00"));
    QCOMPARE(tw.fake.sound->count(105), 3);
    QVERIFY(!Trova<PannelloRegolazione>(tw.w, "picRegolazione")->pulsantePremuto());
    QVERIFY(!tw.c<QTimer>("tmrClock")->isActive());
}

void TestAdjustment::switchingToCurrentTimeEndsTheRepeat()
{
    TestWindow tw(QSize(1024, 768), 36000);
    fermaA(tw, hm(8, 0));
    auto* b = tw.c<QPushButton>("cmdTime", OreAvanti);
    QTest::mousePress(b, Qt::LeftButton);
    tw.fake.clock->advance(0.4);
    // "Tempo attuale" while the button is held down: the buttons go, the repeat ends.
    tw.c<OptionGroup>("grpCtrTime")->select(1);
    tw.fake.clock->advance(1);
    QTest::mouseRelease(b, Qt::LeftButton);
    QCOMPARE(tw.fake.sound->count(105), 2);
    QVERIFY(!Trova<PannelloRegolazione>(tw.w, "picRegolazione")->pulsantePremuto());
    QVERIFY(tw.c<QTimer>("tmrClock")->isActive());
    QVERIFY(!b->isEnabled());
    // The computer's time is shown at the next tick, untouched by the buttons.
    tw.tickAt(50000);
    QCOMPARE(tw.c<QLabel>("lblDigitalClock")->text(), QStringLiteral("13:53:20"));
}

void TestAdjustment::closingTheWindowWhileHeld()
{
    // The program is closed while a button is held down: the window goes with its
    // button, and nothing steps or sounds afterwards.
    TestWindow tw(QSize(1024, 768), 36000);
    fermaA(tw, hm(8, 0));
    QPointer<QPushButton> piu = tw.c<QPushButton>("cmdTime", MinutiAvanti);
    QTest::mousePress(piu, Qt::LeftButton);
    tw.fake.clock->advance(0.2);
    QCOMPARE(tw.fake.sound->count(105), 2);
    tw.w->close();
    QVERIFY(!tw.c<QTimer>("tmrClock")->isActive());
    tw.fake.clock->advance(1);
    flushDeletes();
    QVERIFY(!frmClock::caricato());
    QVERIFY(piu.isNull());
    tw.fake.clock->advance(1);
    QCOMPARE(tw.fake.sound->count(105), 2);
}

void TestAdjustment::panelSlidesOncePerChange()
{
    TestWindow tw(QSize(1024, 768), 36000);
    QWidget* picRegolazione = tw.c("picRegolazione");
    QWidget* p1 = tw.c("p1");
    const int riposo = picRegolazione->x();
    QCOMPARE(riposo, p1->x() + p1->width() - 15);
    tw.fake.sound->played.clear();

    tw.stato()->ImpostaRegolazioneAttiva(true);
    tw.stato()->ImpostaRegolazioneAttiva(true);
    QCOMPARE(picRegolazione->x(), riposo + 15);
    QCOMPARE(tw.fake.sound->played, QVector<int>{103});
    for (int i = 0; i < 4; ++i)
        QVERIFY(tw.c("cmdTime", i)->isEnabled());

    tw.stato()->ImpostaRegolazioneAttiva(false);
    tw.stato()->ImpostaRegolazioneAttiva(false);
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
    tw.tickAt(37000);
    tw.fake.sound->played.clear();
    for (int i = 0; i < 4; ++i) {
        QTest::mouseClick(tw.c("cmdTime", i), Qt::LeftButton);
        QTest::mousePress(tw.c("cmdTime", i), Qt::LeftButton);
    }
    QCOMPARE(tw.stato()->TempoCorrente(), 37000.0f);
    QVERIFY(tw.fake.sound->played.isEmpty());
    QVERIFY(tw.c<QTimer>("tmrClock")->isActive());
    // The clock goes on following the computer.
    tw.fake.clock->seconds = 37001;
    tw.fake.clock->advance(0.2);
    QCOMPARE(tw.c<QLabel>("lblDigitalClock")->text(), QStringLiteral("10:16:41"));
    QVERIFY(tw.fake.sound->played.isEmpty());
}

QTEST_MAIN(TestAdjustment)
#include "tst_adjustment.moc"
