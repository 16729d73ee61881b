// SPDX-License-Identifier: GPL-3.0-or-later
// The time-zone map: where the noon and midnight strips stand, the opening
// animation with the turning globe, closing, the globe following the shown hour,
// and how the map looks once open.

#include <QtTest>
#include <numeric>

#include "Fasce.h"
#include "Risorse.h"
#include "TestWindow.h"
#include "frmClock.h"
#include "modTempolino.h"

namespace {

QImage comparabile(const QImage& img)
{
    QImage c = img.convertToFormat(QImage::Format_ARGB32);
    c.setDevicePixelRatio(1);
    return c;
}

// The hour whose globe imgTerra shows, or -1.
int oraDelGlobo(frmClock* w)
{
    const QImage shown = comparabile(Trova<QLabel>(w, "imgTerra")->pixmap().toImage());
    for (int h = 0; h < 24; ++h)
        if (shown == comparabile(Risorse::bitmap(200 + h)))
            return h;
    return -1;
}

double centro(QWidget* c)
{
    return c->x() + c->width() / 2.0;
}

} // namespace

class TestMap : public QObject {
    Q_OBJECT
private slots:
    void stripPositions_data();
    void stripPositions();
    void stripsOnTheOpenMap_data();
    void stripsOnTheOpenMap();
    void stripsFollowTheMinuteOnlyWhenOpen();
    void openingAnimation_data();
    void openingAnimation();
    void openingInManualModeLeavesTheClockStopped();
    void closingSound_data();
    void closingSound();
    void closedAgainWhileOpening();
    void closingTheWindowWhileOpening();
    void globeRedrawnOncePerHour();
    void midnightOf24ShowsTheGlobeOfHour0();
    void openMapLooksRight();
};

void TestMap::stripPositions_data()
{
    // Centres of the strips as a fraction of the map's width.
    QTest::addColumn<double>("T");
    QTest::addColumn<double>("giorno");
    QTest::addColumn<double>("notte");
    QTest::newRow("00:00") << 0.0 << 1.0 << 0.5;
    QTest::newRow("06:00") << 21600.0 << 0.75 << 0.25;
    QTest::newRow("12:00") << 43200.0 << 0.5 << 0.0;
    QTest::newRow("12:00:01") << 43201.0 << 0.5 - 1 / 86400.0 << 1.0 - 1 / 86400.0;
    QTest::newRow("18:00") << 64800.0 << 0.25 << 0.75;
    QTest::newRow("24:00") << 86400.0 << 0.0 << 0.5;
}

void TestMap::stripPositions()
{
    QFETCH(double, T);
    QFETCH(double, giorno);
    QFETCH(double, notte);
    for (const double larghezza : {388.0, 504.0, 1440.0}) {
        const double fascia = std::floor(larghezza / 25);
        const PosizioneFasce f = PosizioniFasce(T, larghezza, fascia);
        QVERIFY2(qAbs(f.giorno + fascia / 2 - giorno * larghezza) < 1e-6, qPrintable(QString::number(larghezza)));
        QVERIFY2(qAbs(f.notte + fascia / 2 - notte * larghezza) < 1e-6, qPrintable(QString::number(larghezza)));
    }
}

void TestMap::stripsOnTheOpenMap_data()
{
    QTest::addColumn<QSize>("schermo");
    QTest::addColumn<double>("T");
    QTest::newRow("18:00, scale 1.3") << QSize(1024, 768) << 64800.0;
    QTest::newRow("18:00, scale 1.0") << QSize(800, 600) << 64800.0;
    QTest::newRow("12:00, scale 1.3") << QSize(1024, 768) << 43200.0;
}

void TestMap::stripsOnTheOpenMap()
{
    QFETCH(QSize, schermo);
    QFETCH(double, T);
    TestWindow tw(schermo, T);
    QToolButton* chkFusiOrari = tw.c<QToolButton>("chkFusiOrari");
    QWidget* picfusi = tw.c("picfusi");
    QWidget* shpFusoGiorno = tw.c("shpFusoGiorno");
    QWidget* shpFusoNotte = tw.c("shpFusoNotte");
    QWidget* imgsolep = tw.c("imgsolep");
    QWidget* imglunap = tw.c("imglunap");
    tw.tickAt(T);
    QTest::mouseClick(chkFusiOrari, Qt::LeftButton);
    tw.fake.clock->advance(24 * 0.06);
    QVERIFY(chkFusiOrari->isChecked());
    QVERIFY(picfusi->isVisible());
    const int L = picfusi->width();
    QCOMPARE(L, tw.c("p1")->width());
    const PosizioneFasce f = PosizioniFasce(T, L, shpFusoGiorno->width());
    QVERIFY(qAbs(centro(shpFusoGiorno) - (f.giorno + shpFusoGiorno->width() / 2.0)) <= 1.0);
    QVERIFY(qAbs(centro(shpFusoNotte) - (f.notte + shpFusoNotte->width() / 2.0)) <= 1.0);
    // The markers stand at their strips' left edges, and every part of the strips shows.
    QCOMPARE(imgsolep->x(), shpFusoGiorno->x());
    QCOMPARE(imglunap->x(), shpFusoNotte->x());
    for (QWidget* c : {shpFusoGiorno, shpFusoNotte, imgsolep, imglunap})
        QVERIFY(c->isVisible());
    QCOMPARE(imgsolep->size(), QSize(16, 16));
    QCOMPARE(imglunap->size(), QSize(16, 16));
}

void TestMap::stripsFollowTheMinuteOnlyWhenOpen()
{
    TestWindow tw(QSize(1024, 768), 36000);
    QToolButton* chkFusiOrari = tw.c<QToolButton>("chkFusiOrari");
    QWidget* shpFusoGiorno = tw.c("shpFusoGiorno");
    tw.tickAt(36000);
    tw.openMap();
    const double P = tw.c("picfusi")->width() / 1440.0;
    const int x0 = shpFusoGiorno->x();
    tw.tickAt(36030);
    QCOMPARE(shpFusoGiorno->x(), x0); // same minute: not moved
    tw.tickAt(36600);                 // ten minutes on
    QVERIFY(qAbs((x0 - shpFusoGiorno->x()) - 10 * P) <= 1.0);

    chkFusiOrari->setChecked(false);
    const int chiuso = shpFusoGiorno->x();
    tw.tickAt(37200);
    QCOMPARE(shpFusoGiorno->x(), chiuso);
    tw.openMap();
    QVERIFY(qAbs(centro(shpFusoGiorno) - (86400 - 37200) / 60.0 * P) <= 1.0);
}

void TestMap::openingAnimation_data()
{
    QTest::addColumn<bool>("suoni");
    QTest::addColumn<int>("tic");
    QTest::newRow("sounds on") << true << 24;
    QTest::newRow("sounds off") << false << 0;
}

void TestMap::openingAnimation()
{
    QFETCH(bool, suoni);
    QFETCH(int, tic);
    TestWindow tw(QSize(1024, 768), 36000);
    frmClock* w = tw.w;
    QLabel* imgTerra = tw.c<QLabel>("imgTerra");
    QWidget* picfusi = tw.c("picfusi");
    QTimer* tmrClock = tw.c<QTimer>("tmrClock");
    QWidget* shpFusoGiorno = tw.c("shpFusoGiorno");
    tw.tickAt(36000);
    tw.stato()->ImpostaSuoniAttivi(suoni);
    tw.fake.sound->played.clear();
    const QRect riposo = imgTerra->geometry();
    const int larghezza = tw.c("p1")->width();

    // What the map shows at each of its steps, 60 ms apart, the first at once.
    QVector<int> globi, larghezze, tic24;
    bool timerFermo = true, globoAccanto = true, fasceNascoste = true;
    QTest::mouseClick(tw.c("chkFusiOrari"), Qt::LeftButton);
    for (int i = 0; i < 24; ++i) {
        globi.append(oraDelGlobo(w));
        larghezze.append(picfusi->width());
        tic24.append(tw.fake.sound->count(105));
        timerFermo = timerFermo && !tmrClock->isActive();
        const QRect g = imgTerra->geometry();
        globoAccanto = globoAccanto && g.height() == picfusi->height() && g.width() == g.height()
            && g.top() == picfusi->y() && g.right() + 1 + 5 == picfusi->x();
        fasceNascoste = fasceNascoste && shpFusoGiorno->isHidden() && tw.c("imgsolep")->isHidden();
        tw.fake.clock->advance(0.059);
        QCOMPARE(picfusi->width(), larghezze.last()); // nothing moves between the steps
        tw.fake.clock->advance(0.001);
    }

    QCOMPARE(tw.fake.sound->count(105), tic);
    QCOMPARE(tw.fake.sound->played.size(), tic);
    if (suoni)
        for (int i = 0; i < 24; ++i)
            QCOMPARE(tic24[i], i + 1);
    QVector<int> ore(24);
    std::iota(ore.begin(), ore.end(), 0);
    QCOMPARE(globi, ore);
    // One time zone more at every step, from nothing.
    QCOMPARE(larghezze.size(), 24);
    for (int i = 0; i < 24; ++i)
        QVERIFY2(qAbs(larghezze[i] - i * larghezza / 24.0) <= 1.0, qPrintable(QString::number(i)));
    QVERIFY(timerFermo);
    QVERIFY(globoAccanto);
    QVERIFY(fasceNascoste);

    // Afterwards: the map at full width with its strips, the globe back in its place
    // showing the shown hour, and the clock running again.
    QCOMPARE(picfusi->width(), larghezza);
    QVERIFY(shpFusoGiorno->isVisible());
    QCOMPARE(imgTerra->geometry(), riposo);
    QVERIFY(!imgTerra->hasScaledContents());
    QCOMPARE(oraDelGlobo(w), 10);
    QVERIFY(tmrClock->isActive());
}

void TestMap::openingInManualModeLeavesTheClockStopped()
{
    TestWindow tw(QSize(1024, 768), 36000);
    QToolButton* chkFusiOrari = tw.c<QToolButton>("chkFusiOrari");
    QTimer* tmrClock = tw.c<QTimer>("tmrClock");
    tw.c<OptionGroup>("grpCtrTime")->select(0);
    chkFusiOrari->setChecked(true);
    tw.fake.clock->advance(0.5);
    QVERIFY(!tmrClock->isActive());
    tw.fake.clock->advance(1);
    QVERIFY(!tmrClock->isActive());
    chkFusiOrari->setChecked(false);
    QVERIFY(!tmrClock->isActive());
}

void TestMap::closingSound_data()
{
    QTest::addColumn<bool>("suoni");
    QTest::addColumn<bool>("etichette");
    QTest::addColumn<int>("clic");
    QTest::newRow("sounds on") << true << true << 1;
    QTest::newRow("during exercises") << true << false << 0;
    QTest::newRow("sounds off") << false << true << 0;
}

void TestMap::closingSound()
{
    QFETCH(bool, suoni);
    QFETCH(bool, etichette);
    QFETCH(int, clic);
    TestWindow tw(QSize(1024, 768), 36000);
    frmClock* w = tw.w;
    QToolButton* chkFusiOrari = tw.c<QToolButton>("chkFusiOrari");
    PictureBox* picfusi = tw.c<PictureBox>("picfusi");
    QTest::mouseClick(chkFusiOrari, Qt::LeftButton);
    tw.fake.clock->advance(24 * 0.06);
    tw.stato()->ImpostaSuoniAttivi(suoni);
    Trova<QuadranteOrologio>(w, "p1")->ImpostaEtichette(etichette);
    tw.fake.sound->played.clear();
    QTest::mouseClick(chkFusiOrari, Qt::LeftButton);
    QVERIFY(!chkFusiOrari->isChecked());
    QVERIFY(picfusi->isHidden());
    QCOMPARE(tw.fake.sound->played, QVector<int>(clic, 106));
    QVERIFY(!picfusi->hasPicture());
    QVERIFY(tw.c<QTimer>("tmrClock")->isActive());
    QCOMPARE(oraDelGlobo(w), 10);
}

void TestMap::closedAgainWhileOpening()
{
    TestWindow tw(QSize(1024, 768), 36000);
    frmClock* w = tw.w;
    QWidget* imgTerra = tw.c("imgTerra");
    QToolButton* chkFusiOrari = tw.c<QToolButton>("chkFusiOrari");
    QWidget* picfusi = tw.c("picfusi");
    const QRect riposo = imgTerra->geometry();
    chkFusiOrari->setChecked(true);
    tw.fake.clock->advance(5 * 0.06);
    chkFusiOrari->setChecked(false);
    QCOMPARE(tw.fake.sound->count(105), 6);
    QVERIFY(picfusi->isHidden());
    QCOMPARE(imgTerra->geometry(), riposo);
    QCOMPARE(oraDelGlobo(w), 10);
    QVERIFY(tw.c<QTimer>("tmrClock")->isActive());
    // The animation is over: nothing more steps.
    tw.fake.clock->advance(2);
    QCOMPARE(tw.fake.sound->count(105), 6);
    QVERIFY(picfusi->isHidden());
    // It opens again normally.
    tw.openMap();
    QVERIFY(picfusi->isVisible());
    QCOMPARE(picfusi->width(), tw.c("p1")->width());
}

void TestMap::closingTheWindowWhileOpening()
{
    // The program is closed during the animation: the animation stops with the window,
    // and the clock is not started again.
    TestWindow tw(QSize(1024, 768), 36000);
    frmClock* w = tw.w;
    QTest::mouseClick(tw.c("chkFusiOrari"), Qt::LeftButton);
    tw.fake.clock->advance(0.06);
    QCOMPARE(tw.fake.sound->count(105), 2);
    w->close();
    QVERIFY(!tw.c<QTimer>("tmrClock")->isActive());
    QVERIFY(!tw.c<QTimer>("tmrAnimazione")->isActive());
    tw.fake.clock->advance(0.5);
    flushDeletes();
    QVERIFY(!frmClock::caricato());
    tw.fake.clock->advance(2);
    QCOMPARE(tw.fake.sound->count(105), 2);
}

void TestMap::globeRedrawnOncePerHour()
{
    TestWindow tw(QSize(1024, 768), 36000);
    frmClock* w = tw.w;
    tw.openMap();
    QSignalSpy globi(Trova<MappaFusi>(w, "mappaFusi"), &MappaFusi::globoGirato);
    for (double t = 36000.2; t < 39600; t += 7.3)
        tw.tickAt(t);
    QCOMPARE(globi.count(), 0);
    tw.tickAt(39600);
    QCOMPARE(globi.count(), 1);
    QCOMPARE(oraDelGlobo(w), 11);
    for (double t = 39600.2; t < 39700; t += 0.2)
        tw.tickAt(t);
    QCOMPARE(globi.count(), 1);
    // Moving the hands by an hour turns the globe at once.
    tw.c<OptionGroup>("grpCtrTime")->select(0);
    QTest::mouseClick(tw.c("cmdTime", 3), Qt::LeftButton);
    QCOMPARE(oraDelGlobo(w), 12);
}

void TestMap::midnightOf24ShowsTheGlobeOfHour0()
{
    TestWindow tw(QSize(1024, 768), 36000);
    frmClock* w = tw.w;
    tw.c<OptionGroup>("grpCtrTime")->select(0);
    w->stato()->MostraOra(86400);
    QCOMPARE(oraDelGlobo(w), 0);
    tw.openMap();
    QCOMPARE(oraDelGlobo(w), 0);
    // At 24:00 the noon strip is centred on the left edge, the midnight strip in the middle.
    QVERIFY(qAbs(centro(tw.c("shpFusoGiorno"))) <= 1.0);
    QVERIFY(qAbs(centro(tw.c("shpFusoNotte")) - tw.c("picfusi")->width() / 2.0) <= 1.0);
}

void TestMap::openMapLooksRight()
{
    TestWindow tw(QSize(1024, 768), 64800); // 18:00
    QWidget* picfusi = tw.c("picfusi");
    tw.tickAt(64800);
    tw.openMap();
    const QImage img = picfusi->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const int y = picfusi->height() - 20;
    // The day strip is light yellow over the map, the night strip dark blue.
    const QColor giorno = img.pixelColor(static_cast<int>(centro(tw.c("shpFusoGiorno"))), y);
    const QColor notte = img.pixelColor(static_cast<int>(centro(tw.c("shpFusoNotte"))), y);
    QVERIFY2(giorno.red() > 170 && giorno.green() > 170 && giorno.blue() < giorno.red(), qPrintable(giorno.name()));
    QVERIFY2(notte.blue() > notte.red() + 30 && notte.red() < 90 && notte.green() < 110, qPrintable(notte.name()));
    // Away from the strips the map itself shows: sea and land, no single flat colour.
    QSet<QRgb> colori;
    for (int x = 10; x < picfusi->width() - 10; x += 7)
        colori.insert(img.pixel(x, picfusi->height() / 2));
    QVERIFY(colori.size() > 4);
    // The markers are pictures, drawn where they stand.
    const QImage sole = tw.c("imgsolep")->grab().toImage();
    QVERIFY(sole.pixelColor(8, 8).alpha() > 0);
}

QTEST_MAIN(TestMap)
#include "tst_map.moc"
