// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's layout: where the clock face, the read-out, the scene, the
// command panel, the exercise panel, the map and the adjustment buttons stand for
// a given inner size of the window, at both size factors.

#include <QtTest>

#include "TestWindow.h"
#include "frmClock.h"
#include "modTempolino.h"

namespace {

// Gives the window a known inner size and lets its layout run.
void Dimensiona(frmClock* w, QSize interno)
{
    w->showNormal();
    w->resize(interno);
    QCoreApplication::processEvents();
}

} // namespace

class TestLayout : public QObject {
    Q_OBJECT
private slots:
    void groups_data();
    void groups();
    void insideTheGroups_data();
    void insideTheGroups();
    void windowBarAtTheSceneCentre_data();
    void windowBarAtTheSceneCentre();
};

// The screens give the size factor: 800x600 gives 1.0, 1024x768 gives 1.3.
void TestLayout::groups_data()
{
    QTest::addColumn<QSize>("schermo");
    QTest::addColumn<QSize>("interno");
    QTest::addColumn<float>("scala");
    QTest::addColumn<QRect>("p1");
    QTest::addColumn<QRect>("picAnalogic");
    QTest::addColumn<QRect>("picWindows");
    QTest::addColumn<QRect>("picCommand");
    QTest::addColumn<QRect>("picTest");
    QTest::addColumn<QRect>("picfusi");
    QTest::addColumn<QPoint>("picRegolazione");

    // Scale 1.0: face 388 x 408; the command panel's bottom is level with the exercise panel's.
    QTest::newRow("1.0, 800x600") << QSize(800, 600) << QSize(800, 600) << 1.0f << QRect(206, 6, 388, 408)
                                  << QRect(206, 414, 388, 49) << QRect(36, 206, 110, 130) << QRect(722, 22, 58, 537)
                                  << QRect(30, 419, 652, 140) << QRect(206, 468, 388, 100) << QPoint(579, 178);
    QTest::newRow("1.0, 790x640") << QSize(800, 600) << QSize(790, 640) << 1.0f << QRect(201, 26, 388, 408)
                                  << QRect(201, 434, 388, 49) << QRect(31, 226, 110, 130) << QRect(712, 42, 58, 537)
                                  << QRect(25, 439, 647, 140) << QRect(201, 488, 388, 100) << QPoint(574, 198);
    // Scale 1.3: face 496 x 516, scene 143 x 169, map 130 high, command panel level with the face's top.
    QTest::newRow("1.3, 1000x700") << QSize(1024, 768) << QSize(1000, 700) << 1.3f << QRect(252, 2, 496, 516)
                                   << QRect(252, 518, 496, 49) << QRect(49, 202, 143, 169) << QRect(922, 2, 58, 537)
                                   << QRect(43, 523, 839, 140) << QRect(252, 572, 496, 130) << QPoint(733, 228);
    QTest::newRow("1.3, 1280x994") << QSize(1280, 1024) << QSize(1280, 994) << 1.3f << QRect(392, 149, 496, 516)
                                   << QRect(392, 665, 496, 49) << QRect(189, 349, 143, 169) << QRect(1202, 149, 58, 537)
                                   << QRect(183, 670, 979, 140) << QRect(392, 719, 496, 130) << QPoint(873, 375);
}

void TestLayout::groups()
{
    QFETCH(QSize, schermo);
    QFETCH(QSize, interno);
    QFETCH(float, scala);
    QFETCH(QRect, p1);
    QFETCH(QRect, picAnalogic);
    QFETCH(QRect, picWindows);
    QFETCH(QRect, picCommand);
    QFETCH(QRect, picTest);
    QFETCH(QRect, picfusi);
    QFETCH(QPoint, picRegolazione);

    TestWindow tw(schermo, 10 * 3600.0);
    frmClock* w = tw.w;
    QCOMPARE(modTempolino::Scala, scala);
    Dimensiona(w, interno);
    QCOMPARE(w->size(), interno);

    QCOMPARE(tw.c("p1")->geometry(), p1);
    QCOMPARE(tw.c("picAnalogic")->geometry(), picAnalogic);
    QCOMPARE(tw.c("picWindows")->geometry(), picWindows);
    QCOMPARE(tw.c("picCommand")->geometry(), picCommand);
    QCOMPARE(tw.c("picTest")->geometry(), picTest);
    QCOMPARE(tw.c("picfusi")->geometry(), picfusi);
    QCOMPARE(tw.c("picRegolazione")->pos(), picRegolazione);
    QCOMPARE(tw.c("picRegolazione")->size(), QSize(33, 65));

    // The read-out sits right under the face, the exercise panel 5 pixels lower.
    QCOMPARE(tw.c("picAnalogic")->y(), tw.c("p1")->geometry().bottom() + 1);
    QCOMPARE(tw.c("picTest")->y(), tw.c("picAnalogic")->y() + 5);
    if (scala > 1)
        QCOMPARE(tw.c("picCommand")->y(), tw.c("p1")->y());
    else
        QCOMPARE(tw.c("picCommand")->geometry().bottom(), tw.c("picTest")->geometry().bottom());
    // The adjustment panel rests 15 pixels over the face's right edge, centred on its height.
    QCOMPARE(tw.c("picRegolazione")->x(), tw.c("p1")->geometry().right() + 1 - 15);
    // The scene's drawing height is 256 units whatever its size in pixels.
    QCOMPARE(tw.c<PictureBox>("picWindows")->scaleWidth(), double(picWindows.width()));
    QCOMPARE(tw.c<PictureBox>("picWindows")->scaleHeight(), 256.0);
}

void TestLayout::insideTheGroups_data()
{
    QTest::addColumn<QSize>("schermo");
    QTest::addColumn<QSize>("interno");
    QTest::newRow("1.0") << QSize(800, 600) << QSize(800, 600);
    QTest::newRow("1.3") << QSize(1024, 768) << QSize(1000, 700);
}

void TestLayout::insideTheGroups()
{
    QFETCH(QSize, schermo);
    QFETCH(QSize, interno);
    TestWindow tw(schermo, 10 * 3600.0);
    frmClock* w = tw.w;
    QWidget* imgIndicaOK = tw.c("imgIndicaOK");
    QWidget* lblPremiOK = tw.c("lblPremiOK");
    QWidget* picfusi = tw.c("picfusi");
    QWidget* imgTerra = tw.c("imgTerra");
    QWidget* picWindows = tw.c("picWindows");
    Dimensiona(w, interno);

    // Read-out panel: the period at the left, the 12/24 choice 10 pixels from the right
    // edge and the time 10 pixels to its left; heights and tops keep their design values.
    const int larghezza = tw.c("picAnalogic")->width();
    QCOMPARE(tw.c("lblMPSN")->geometry(), QRect(10, 13, 142, 25));
    QCOMPARE(tw.c("opt12_24_0")->geometry(), QRect(larghezza - 33 - 10, 6, 33, 17));
    QCOMPARE(tw.c("opt12_24_1")->geometry(), QRect(larghezza - 33 - 10, 24, 33, 17));
    QCOMPARE(tw.c("lblDigitalClock")->geometry(), QRect(larghezza - 43 - 10 - 166, 6, 166, 35));

    // Exercise panel: the answer box at the right, the instruction between the options and it.
    const int pannello = tw.c("picTest")->width();
    QCOMPARE(tw.c("picInput")->geometry(), QRect(pannello - 105 - 10, 8, 105, 113));
    const int testoL = 32 + 92 + 20;
    const int testoW = (pannello - 105 - 10) - testoL - 10;
    QCOMPARE(tw.c("lblMessaggioTest")->geometry(), QRect(testoL, 8, testoW, 89));
    QCOMPARE(imgIndicaOK->y(), 8 + 75);
    QCOMPARE(imgIndicaOK->geometry().right() + 1, pannello - 105 - 10 - 5);
    QCOMPARE(lblPremiOK->y(), 8 + 75 + 10);
    QCOMPARE(lblPremiOK->width(), testoW);

    // Map: the two strips a 25th of its width wide, 6 pixels from its top and bottom.
    const int mappa = picfusi->width();
    for (QWidget* fascia : {tw.c("shpFusoGiorno"), tw.c("shpFusoNotte")}) {
        QVERIFY(qAbs(fascia->width() - mappa / 25.0) <= 0.5);
        QCOMPARE(fascia->y(), 6);
        QCOMPARE(fascia->height(), picfusi->height() - 12);
    }
    QCOMPARE(tw.c("imgsolep")->y(), 10);
    QCOMPARE(tw.c("imglunap")->y(), 10);

    // The globe sits centred over the scene, 50 pixels from the window's top.
    QCOMPARE(imgTerra->y(), 50);
    QVERIFY(qAbs((imgTerra->x() + imgTerra->width() / 2.0) - (picWindows->x() + picWindows->width() / 2.0)) <= 1.0);
}

void TestLayout::windowBarAtTheSceneCentre_data()
{
    QTest::addColumn<QSize>("schermo");
    QTest::addColumn<QSize>("interno");
    QTest::addColumn<int>("verticale0");
    QTest::addColumn<int>("verticale1");
    QTest::addColumn<int>("orizzontale2");
    QTest::addColumn<int>("orizzontale3");
    // 110 x 130: half width 55, half height 128 of 256 units is row 65, 130 units row 66.
    QTest::newRow("1.0") << QSize(800, 600) << QSize(800, 600) << 54 << 56 << 65 << 66;
    // 143 x 169: half width 71.5, 128 units fall in row 84, 130 units in row 85.
    QTest::newRow("1.3") << QSize(1024, 768) << QSize(1000, 700) << 70 << 72 << 84 << 85;
}

void TestLayout::windowBarAtTheSceneCentre()
{
    QFETCH(QSize, schermo);
    QFETCH(QSize, interno);
    QFETCH(int, verticale0);
    QFETCH(int, verticale1);
    QFETCH(int, orizzontale2);
    QFETCH(int, orizzontale3);
    TestWindow tw(schermo, 10 * 3600.0);
    frmClock* w = tw.w;
    QWidget* picWindows = tw.c("picWindows");
    Dimensiona(w, interno);
    const QSize scena = picWindows->size();

    for (int i = 0; i < 4; ++i)
        QCOMPARE(tw.c("linX", i)->parentWidget(), picWindows);
    QCOMPARE(tw.c("linX_0")->geometry(), QRect(verticale0, 0, 1, scena.height()));
    QCOMPARE(tw.c("linX_1")->geometry(), QRect(verticale1, 0, 1, scena.height()));
    QCOMPARE(tw.c("linX_2")->geometry(), QRect(0, orizzontale2, scena.width(), 1));
    QCOMPARE(tw.c("linX_3")->geometry(), QRect(0, orizzontale3, scena.width(), 1));

    // The bar crosses the middle of the scene: the vertical lines lie either side of
    // the centre column, the horizontal ones within a pixel of half height.
    const double cx = (scena.width() - 1) / 2.0;
    QVERIFY(verticale0 < cx + 0.5 && verticale1 > cx - 0.5);
    QVERIFY(qAbs(orizzontale2 - scena.height() / 2.0) <= 1.0);
    // Light lines 0 and 2, grey lines 1 and 3, all visible over the scene.
    for (int i = 0; i < 4; ++i) {
        QVERIFY(tw.c("linX", i)->isVisible());
        const int g = i % 2 == 0 ? 224 : 128;
        QCOMPARE(tw.c("linX", i)->palette().color(QPalette::Window), QColor(g, g, g));
    }
}

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
