// SPDX-License-Identifier: GPL-3.0-or-later
// The dial and the hands: Roman numerals, the corners of the hands at both sizes
// and with the exercise factor, their labels, the drawn face, and the dial being
// drawn once rather than on every tick.

#include <QtTest>
#include <cmath>

#include "Lancette.h"
#include "NumeriRomani.h"
#include "TestWindow.h"
#include "frmClock.h"
#include "modTempolino.h"

class TestDialHands : public QObject {
    Q_OBJECT
private slots:
    void romanNumerals_data();
    void romanNumerals();
    void handCorners_data();
    void handCorners();
    void handLabels();
    void faceShowsTheHandsInTheirColours_data();
    void faceShowsTheHandsInTheirColours();
    void exerciseHandsAreLongerWithoutLabelsOrSeconds();
    void dotStyleMarkSizes();
    void dialDrawnOnceNotPerTick();
    void styleChangeRedrawsDialAndHandsAtOnce();
    void faceSizeFollowsScale_data();
    void faceSizeFollowsScale();
};

void TestDialHands::romanNumerals_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("atteso");
    const char* attesi[] = {"", "I", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX", "X", "XI", "XII"};
    for (int n = 0; n <= 12; ++n)
        QTest::newRow(qPrintable(QString::number(n))) << n << QString::fromLatin1(attesi[n]);
    QTest::newRow("39") << 39 << "XXXIX";
}

void TestDialHands::romanNumerals()
{
    QFETCH(int, n);
    QFETCH(QString, atteso);
    QCOMPARE(NumeroRomano(n), atteso);
}

void TestDialHands::handCorners_data()
{
    QTest::addColumn<int>("R");
    QTest::addColumn<int>("L");
    QTest::addColumn<int>("W");
    QTest::addColumn<double>("angolo");
    QTest::addColumn<QPoint>("punta");
    QTest::addColumn<QPoint>("coda");
    QTest::addColumn<QPoint>("destra");
    // R = 180: centre (194, 204); the hour hand 79 long and 11 wide, tail 19.8.
    QTest::newRow("3 o'clock hour hand") << 180 << 79 << 11 << 90.0 << QPoint(273, 204) << QPoint(174, 204)
                                         << QPoint(194, 215);
    QTest::newRow("12 o'clock minute hand")
        << 180 << 115 << 7 << 0.0 << QPoint(194, 89) << QPoint(194, 224) << QPoint(201, 204);
    QTest::newRow("24:00 points up (720 degrees)")
        << 180 << 79 << 11 << 720.0 << QPoint(194, 125) << QPoint(194, 224) << QPoint(205, 204);
    QTest::newRow("6 o'clock second hand")
        << 180 << 130 << 0 << 180.0 << QPoint(194, 334) << QPoint(194, 184) << QPoint(194, 204);
    // R = 234: centre (248, 258), the hour hand 103 long, 14 wide, tail 25.74.
    QTest::newRow("R234 9 o'clock") << 234 << 103 << 14 << 270.0 << QPoint(145, 258) << QPoint(274, 258)
                                    << QPoint(248, 244);
    // Exercise factor 1.2 at R = 180: hour hand 95 and 13.
    QTest::newRow("exercise hour hand at 3")
        << 180 << 95 << 13 << 90.0 << QPoint(289, 204) << QPoint(174, 204) << QPoint(194, 217);
}

void TestDialHands::handCorners()
{
    QFETCH(int, R);
    QFETCH(int, L);
    QFETCH(int, W);
    QFETCH(double, angolo);
    QFETCH(QPoint, punta);
    QFETCH(QPoint, coda);
    QFETCH(QPoint, destra);
    const auto a = AngoliLancetta(R + 14, R + 24, L, W, angolo, R);
    QCOMPARE(a[3], punta);
    QCOMPARE(a[1], coda);
    QCOMPARE(a[0], destra);
    // The left corner mirrors the right one through the centre.
    QCOMPARE(a[2], QPoint(2 * (R + 14), 2 * (R + 24)) - a[0]);
}

void TestDialHands::handLabels()
{
    QCOMPARE(EtichettaLancetta(9, QLatin1Char('h')), QStringLiteral(" 09 h "));
    QCOMPARE(EtichettaLancetta(30, QLatin1Char('m')), QStringLiteral(" 30 m "));
    QCOMPARE(EtichettaLancetta(5, QLatin1Char('s')), QStringLiteral(" 05 s "));
    QCOMPARE(EtichettaLancetta(15, QLatin1Char('h')), QStringLiteral(" 15 h "));
}

namespace {
// The colour of the face at distance d from the centre in the direction of angle a (degrees).
// `lato` moves the point sideways (clockwise positive), off the second hand's line.
QColor lungo(frmClock* w, double a, double d, double lato = 0)
{
    const double r = a * kGradiInRadianti;
    auto* p1 = Trova<QuadranteOrologio>(w, "p1");
    const int cx = p1->raggio() + 14, cy = p1->raggio() + 24;
    return p1->pixelAt(qRound(cx + d * std::sin(r) + lato * std::cos(r)),
                       qRound(cy - d * std::cos(r) + lato * std::sin(r)));
}
bool grigio(const QColor& c)
{
    return c.red() == c.green() && c.green() == c.blue() && c.red() < 250;
}
bool blu(const QColor& c)
{
    return c.blue() > 200 && c.red() < 60 && c.green() < 60;
}
bool rosso(const QColor& c)
{
    return c.red() > 200 && c.blue() < 60 && c.green() < 60;
}
} // namespace

void TestDialHands::faceShowsTheHandsInTheirColours_data()
{
    QTest::addColumn<QSize>("schermo");
    QTest::addColumn<double>("T");
    QTest::addColumn<double>("angoloOre");
    QTest::addColumn<double>("angoloMinuti");
    QTest::newRow("03:00:00 small") << QSize(800, 600) << 10800.0 << 90.0 << 0.0;
    QTest::newRow("15:30:00 small") << QSize(800, 600) << 55800.0 << 465.0 << 180.0;
    QTest::newRow("03:00:00 large") << QSize(1280, 1024) << 10800.0 << 90.0 << 0.0;
    QTest::newRow("15:30:00 large") << QSize(1280, 1024) << 55800.0 << 465.0 << 180.0;
}

void TestDialHands::faceShowsTheHandsInTheirColours()
{
    QFETCH(QSize, schermo);
    QFETCH(double, T);
    QFETCH(double, angoloOre);
    QFETCH(double, angoloMinuti);
    TestWindow tw(schermo, T);
    tw.tickAt(T);
    const int R = Trova<QuadranteOrologio>(tw.w, "p1")->raggio();
    QVERIFY(blu(lungo(tw.w, angoloOre, 0.3 * R)));
    QVERIFY(rosso(lungo(tw.w, angoloMinuti, 0.2 * R, 2)));
    // Opposite the hour hand, beyond its tail, the dial shows through.
    QVERIFY(!blu(lungo(tw.w, angoloOre + 180, 0.3 * R)));
}

void TestDialHands::exerciseHandsAreLongerWithoutLabelsOrSeconds()
{
    TestWindow tw(QSize(800, 600), 10800); // 03:00:00
    frmClock* w = tw.w;
    tw.tickAt(10800);
    // Beyond the normal hour hand's tip (79) but within the exercise one (95).
    QVERIFY(grigio(lungo(w, 90, 83)));
    auto* p1 = tw.c<QuadranteOrologio>("p1");
    p1->ImpostaFattoreLancette(1.2f);
    p1->ImpostaEtichette(false);
    p1->ImpostaSecondi(false);
    w->stato()->MostraOra(10800);
    QVERIFY(!grigio(lungo(w, 90, 83)));
    QVERIFY(blu(lungo(w, 90, 40)));
    // No second hand: straight down from the centre the dial shows (the minute hand points up).
    QVERIFY(grigio(lungo(w, 180, 100)));
}

void TestDialHands::dotStyleMarkSizes()
{
    TestWindow tw(QSize(800, 600), 36000);
    frmClock* w = tw.w;
    tw.c<OptionGroup>("grpStyleNum")->select(0);
    const double d = 0.83 * Trova<QuadranteOrologio>(w, "p1")->raggio();
    auto verde = [](const QColor& c) { return c.green() > 200 && c.red() < 60 && c.blue() < 60; };
    // 3 o'clock: radius 8, so 6 pixels from the mark's centre it is still green.
    QVERIFY(verde(lungo(w, 90, d - 6)) || verde(lungo(w, 90, d + 6)));
    // 1 o'clock: radius 5, so 7 pixels away along the circle of marks the dial is grey.
    QVERIFY(verde(lungo(w, 30, d)));
    QVERIFY(!verde(lungo(w, 30, d + 7)));
    // 12 o'clock has a blue outline at radius 8.
    bool bordoBlu = false;
    for (double r = d + 6; r <= d + 9; r += 0.5)
        bordoBlu = bordoBlu || lungo(w, 0, r).blue() > 150;
    QVERIFY(bordoBlu);
}

void TestDialHands::dialDrawnOnceNotPerTick()
{
    TestWindow tw(QSize(1024, 768), 36000);
    const int prima = tw.c<QuadranteOrologio>("p1")->quadrantiDisegnati();
    QCOMPARE(prima, 1);
    for (int i = 0; i < 50; ++i)
        tw.tickAt(36000 + i * 0.2);
    QCOMPARE(tw.c<QuadranteOrologio>("p1")->quadrantiDisegnati(), prima);
}

void TestDialHands::styleChangeRedrawsDialAndHandsAtOnce()
{
    TestWindow tw(QSize(1024, 768), 10800);
    PictureBox* p1 = tw.c<PictureBox>("p1");
    OptionGroup* grpStyleNum = tw.c<OptionGroup>("grpStyleNum");
    tw.c<OptionGroup>("grpCtrTime")->select(0); // stands still at 03:00
    tw.fake.sound->played.clear();
    const QImage arabo = p1->image();
    grpStyleNum->select(2);
    QCOMPARE(tw.c<QuadranteOrologio>("p1")->quadrantiDisegnati(), 2);
    QCOMPARE(tw.fake.sound->played, QVector<int>{106});
    QVERIFY(p1->image() != arabo);
    QVERIFY(blu(lungo(tw.w, 90, 0.3 * Trova<QuadranteOrologio>(tw.w, "p1")->raggio())));
    // Selecting the style already selected does nothing.
    grpStyleNum->select(2);
    QCOMPARE(tw.c<QuadranteOrologio>("p1")->quadrantiDisegnati(), 2);
}

void TestDialHands::faceSizeFollowsScale_data()
{
    QTest::addColumn<QSize>("schermo");
    QTest::addColumn<int>("raggio");
    QTest::addColumn<float>("scala");
    QTest::newRow("800x600") << QSize(800, 600) << 180 << 1.0f;
    QTest::newRow("1024x768") << QSize(1024, 768) << 234 << 1.3f;
    QTest::newRow("1280x600") << QSize(1280, 600) << 180 << 1.0f;
}

void TestDialHands::faceSizeFollowsScale()
{
    QFETCH(QSize, schermo);
    QFETCH(int, raggio);
    QFETCH(float, scala);
    TestWindow tw(schermo, 36000);
    QCOMPARE(modTempolino::Scala, scala);
    QCOMPARE(int(Trova<QuadranteOrologio>(tw.w, "p1")->raggio()), raggio);
    QCOMPARE(tw.c("p1")->size(), QSize(2 * raggio + 28, 2 * raggio + 48));
}

QTEST_MAIN(TestDialHands)
#include "tst_dialhands.moc"
