// SPDX-License-Identifier: GPL-3.0-or-later
// The shown time: the fields derived from it, rounding to the minute, the random
// minute, the digital read-out, the part of the day, and the two clock modes.

#include <QtTest>

#include "TempoMostrato.h"
#include "TestWindow.h"
#include "frmClock.h"

class TestShownTime : public QObject {
    Q_OBJECT
private slots:
    void derivedFields_data();
    void derivedFields();
    void roundToMinute_data();
    void roundToMinute();
    void randomMinuteNeverMidnightOf24();
    void readOut_data();
    void readOut();
    void partOfDay_data();
    void partOfDay();

    void manualModeStopsOnTheWholeMinute();
    void backToCurrentTimeAtNextTick();
    void twelveHourViewWhileStopped();
    void hiddenReadOutKeepsItsTexts();
    void firstTickDrawsSceneryAlsoJustAfterMidnight();
    void midnightOf24Reads24();
};

void TestShownTime::derivedFields_data()
{
    QTest::addColumn<float>("T");
    QTest::addColumn<float>("ore");
    QTest::addColumn<float>("minuti");
    QTest::addColumn<float>("secondi");
    QTest::newRow("10:30:45.7") << 37845.7f << 10.5125f << 30.75f << 45.0f;
    QTest::newRow("10:30:00") << 37800.0f << 10.5f << 30.0f << 0.0f;
    QTest::newRow("midnight") << 0.0f << 0.0f << 0.0f << 0.0f;
    QTest::newRow("23:59:59.9") << 86399.9f << 86399.0f / 3600 << 59.98333f << 59.0f;
    QTest::newRow("24:00:00") << 86400.0f << 24.0f << 0.0f << 0.0f;
}

void TestShownTime::derivedFields()
{
    QFETCH(float, T);
    QFETCH(float, ore);
    QFETCH(float, minuti);
    QFETCH(float, secondi);
    const CampiOra c = DerivaCampi(T);
    QVERIFY(qAbs(c.ore - ore) < 1e-4);
    QVERIFY(qAbs(c.minuti - minuti) < 1e-4);
    QCOMPARE(c.secondi, secondi);
}

void TestShownTime::roundToMinute_data()
{
    QTest::addColumn<float>("T");
    QTest::addColumn<float>("atteso");
    QTest::newRow("10:30:29") << 37829.0f << 37800.0f;
    QTest::newRow("10:30:30") << 37830.0f << 37860.0f;
    QTest::newRow("23:59:50 to 24:00") << 86390.0f << 86400.0f;
    QTest::newRow("fraction below half a second") << 37829.4f << 37800.0f;
    QTest::newRow("whole minute stays") << 60.0f << 60.0f;
}

void TestShownTime::roundToMinute()
{
    QFETCH(float, T);
    QFETCH(float, atteso);
    QCOMPARE(ArrotondaAlMinuto(T), atteso);
}

void TestShownTime::randomMinuteNeverMidnightOf24()
{
    // A draw that rounds up past 23:59:30 gives 00:00, not 24:00.
    QCOMPARE(MinutoCasuale(0.99999), 0.0f);
    QCOMPARE(MinutoCasuale(0.0), 0.0f);
    for (double r = 0; r < 1.0; r += 0.000731) {
        const float T = MinutoCasuale(r);
        QVERIFY(T >= 0 && T < 86400);
        QCOMPARE(std::fmod(T, 60.0f), 0.0f);
    }
}

void TestShownTime::readOut_data()
{
    QTest::addColumn<float>("T");
    QTest::addColumn<bool>("dodici");
    QTest::addColumn<QString>("atteso");
    QTest::newRow("21:05:07 24h") << 75907.0f << false << "21:05:07";
    QTest::newRow("21:05:07 12h") << 75907.0f << true << "9:05:07";
    QTest::newRow("0:15:00 12h") << 900.0f << true << "0:15:00";
    QTest::newRow("0:15:00 24h") << 900.0f << false << "0:15:00";
    QTest::newRow("12:00:00 12h") << 43200.0f << true << "12:00:00";
    QTest::newRow("13:07:09 12h") << 47229.0f << true << "1:07:09";
    QTest::newRow("00:07:09 12h") << 429.0f << true << "0:07:09";
    QTest::newRow("24:00:00 24h") << 86400.0f << false << "24:00:00";
    QTest::newRow("24:00:00 12h") << 86400.0f << true << "12:00:00";
}

void TestShownTime::readOut()
{
    QFETCH(float, T);
    QFETCH(bool, dodici);
    QFETCH(QString, atteso);
    QCOMPARE(TestoLettura(DerivaCampi(T), dodici), atteso);
}

void TestShownTime::partOfDay_data()
{
    QTest::addColumn<float>("T");
    QTest::addColumn<QString>("atteso");
    QTest::newRow("00:00:00") << 0.0f << "Notte";
    QTest::newRow("06:00:00") << 21600.0f << "Notte";
    QTest::newRow("06:00:01") << 21601.0f << "Mattino";
    QTest::newRow("12:00:00") << 43200.0f << "Mattino";
    QTest::newRow("12:00:01") << 43201.0f << "Pomeriggio";
    QTest::newRow("18:00:00") << 64800.0f << "Pomeriggio";
    QTest::newRow("18:00:01") << 64801.0f << "Sera";
    QTest::newRow("24:00:00 keeps the last name") << 86400.0f << "prima";
}

void TestShownTime::partOfDay()
{
    QFETCH(float, T);
    QFETCH(QString, atteso);
    QCOMPARE(ParteDelGiorno(T, QStringLiteral("prima")), atteso);
}

void TestShownTime::manualModeStopsOnTheWholeMinute()
{
    TestWindow tw(QSize(1024, 768), 37840); // 10:30:40
    QTimer* tmrClock = tw.c<QTimer>("tmrClock");
    tw.tickAt(37840);
    QVERIFY(tmrClock->isActive());
    tw.c<OptionGroup>("grpCtrTime")->select(0);
    QVERIFY(!tmrClock->isActive());
    QCOMPARE(tw.w->stato()->TempoCorrente(), 37860.0f);
    QCOMPARE(tw.c<QLabel>("lblDigitalClock")->text(), QStringLiteral("10:31:00"));
    QCOMPARE(tw.w->stato()->SecondiCorrenti(), 0.0f);
}

void TestShownTime::backToCurrentTimeAtNextTick()
{
    TestWindow tw(QSize(1024, 768), 37840);
    OptionGroup* grpCtrTime = tw.c<OptionGroup>("grpCtrTime");
    grpCtrTime->select(0);
    tw.fake.sound->played.clear();
    grpCtrTime->select(1);
    QVERIFY(tw.c<QTimer>("tmrClock")->isActive());
    QCOMPARE(tw.fake.sound->played, QVector<int>{106});
    tw.tickAt(50000); // 13:53:20
    QCOMPARE(tw.c<QLabel>("lblDigitalClock")->text(), QStringLiteral("13:53:20"));
}

void TestShownTime::twelveHourViewWhileStopped()
{
    TestWindow tw(QSize(1024, 768), 47229); // 13:07:09
    OptionGroup* grp12_24 = tw.c<OptionGroup>("grp12_24");
    QLabel* lblDigitalClock = tw.c<QLabel>("lblDigitalClock");
    tw.tickAt(47229);
    tw.c<OptionGroup>("grpCtrTime")->select(0); // stands at 13:07
    const float ore = tw.w->stato()->OreCorrenti();
    tw.fake.sound->played.clear();
    grp12_24->select(0);
    QCOMPARE(lblDigitalClock->text(), QStringLiteral("1:07:00"));
    QCOMPARE(tw.w->stato()->OreCorrenti(), ore);
    QCOMPARE(tw.fake.sound->played, QVector<int>{104});
    grp12_24->select(1);
    QCOMPARE(lblDigitalClock->text(), QStringLiteral("13:07:00"));
}

void TestShownTime::hiddenReadOutKeepsItsTexts()
{
    TestWindow tw(QSize(1024, 768), 36000);
    QLabel* lblDigitalClock = tw.c<QLabel>("lblDigitalClock");
    tw.tickAt(36000);
    const QString lettura = lblDigitalClock->text();
    tw.c("picAnalogic")->hide();
    tw.tickAt(70000);
    QCOMPARE(lblDigitalClock->text(), lettura);
    QCOMPARE(tw.c<QLabel>("lblMPSN")->text(), QStringLiteral("Mattino"));
    QVERIFY(qAbs(tw.w->stato()->OreCorrenti() - 70000.0f / 3600) < 1e-4);
}

void TestShownTime::firstTickDrawsSceneryAlsoJustAfterMidnight()
{
    // The last drawn hour starts below any real hour, so a start at 00:30 draws the night at once.
    TestWindow tw(QSize(1024, 768), 1800);
    QCOMPARE(tw.w->stato()->ultimiValori().ora, 0);
    QCOMPARE(tw.c<Scena>("picWindows")->paesaggiDisegnati(), 1);
    tw.tickAt(1801);
    tw.tickAt(3599);
    QCOMPARE(tw.c<Scena>("picWindows")->paesaggiDisegnati(), 1);
    tw.tickAt(3600);
    QCOMPARE(tw.c<Scena>("picWindows")->paesaggiDisegnati(), 2);
    QCOMPARE(tw.w->stato()->ultimiValori().ora, 1);
}

void TestShownTime::midnightOf24Reads24()
{
    TestWindow tw(QSize(1024, 768), 36000);
    tw.w->stato()->MostraOra(86400);
    QCOMPARE(tw.c<QLabel>("lblDigitalClock")->text(), QStringLiteral("24:00:00"));
    QCOMPARE(tw.w->stato()->ultimiValori().ora, 24);
}

QTEST_MAIN(TestShownTime)
#include "tst_showntime.moc"
