// SPDX-License-Identifier: GPL-3.0-or-later
// The face redraws only what moved: where a hand may have changed pixels, whether a hand
// reaches an area, and the face on screen after many small redraws against the whole
// face drawn afresh.

#include <QPainter>
#include <QScreen>
#include <QtTest>

#include "Lancette.h"
#include "QuadranteOrologio.h"
#include "TestWindow.h"

namespace {

constexpr double kCx = 248, kCy = 258;
constexpr int kR = 234;

// A hand drawn as the face draws it, on a grey dial.
QImage Disegna(const std::array<QPoint, 4>& angoli)
{
    QImage img(496, 516, QImage::Format_RGB32);
    img.fill(QColor(120, 120, 120));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::white, 1));
    p.setBrush(angoli[0] == angoli[2] ? QBrush(Qt::NoBrush) : QBrush(Qt::red));
    p.drawPolygon(angoli.data(), 4);
    return img;
}

} // namespace

class TestRedraw : public QObject {
    Q_OBJECT
private slots:
    void zoneHoldsEveryChangedPixel_data();
    void zoneHoldsEveryChangedPixel();
    void handReachesArea_data();
    void handReachesArea();
    void screenMatchesTheWholeFace_data();
    void screenMatchesTheWholeFace();
};

void TestRedraw::zoneHoldsEveryChangedPixel_data()
{
    QTest::addColumn<int>("L");
    QTest::addColumn<int>("W");
    QTest::addColumn<double>("prima");
    QTest::addColumn<double>("dopo");
    QTest::newRow("minute hand, five seconds") << 150 << 9 << 49.0 << 49.5;
    QTest::newRow("minute hand, across 12") << 150 << 9 << 359.8 << 0.2;
    QTest::newRow("hour hand, a minute") << 103 << 14 << 304.0 << 304.5;
    QTest::newRow("second hand, one second") << 168 << 0 << 6.0 << 12.0;
    QTest::newRow("second hand, 59 to 0") << 168 << 0 << 354.0 << 360.0;
    QTest::newRow("exercise hour hand, a quarter") << 124 << 17 << 90.0 << 97.5;
}

void TestRedraw::zoneHoldsEveryChangedPixel()
{
    QFETCH(int, L);
    QFETCH(int, W);
    QFETCH(double, prima);
    QFETCH(double, dopo);
    const auto a = AngoliLancetta(kCx, kCy, L, W, prima, kR);
    const auto b = AngoliLancetta(kCx, kCy, L, W, dopo, kR);
    const QRegion zona = ZonaSpostamento(a, b);
    const QImage ia = Disegna(a), ib = Disegna(b);
    int cambiati = 0;
    for (int y = 0; y < ia.height(); ++y)
        for (int x = 0; x < ia.width(); ++x)
            if (ia.pixel(x, y) != ib.pixel(x, y)) {
                ++cambiati;
                QVERIFY2(zona.contains(QPoint(x, y)), qPrintable(QStringLiteral("%1,%2 outside").arg(x).arg(y)));
            }
    QVERIFY(cambiati > 0);
    // Far less than the boxes of the two hands: the centre and the unmoved sides stay out.
    qint64 area = 0;
    for (const QRect& r : zona)
        area += qint64(r.width()) * r.height();
    QPolygon tutti;
    for (const QPoint& p : a)
        tutti << p;
    for (const QPoint& p : b)
        tutti << p;
    const QRect scatola = tutti.boundingRect();
    QVERIFY2(area < qint64(scatola.width() + 4) * (scatola.height() + 4), qPrintable(QString::number(area)));
    QCOMPARE(ZonaSpostamento(a, a), QRegion());
}

void TestRedraw::handReachesArea_data()
{
    QTest::addColumn<double>("angolo");
    QTest::addColumn<int>("W");
    QTest::addColumn<QRectF>("area");
    QTest::addColumn<bool>("tocca");
    // A minute hand pointing at 3 o'clock: tip at x = 398, sides 9 above and below the centre.
    QTest::newRow("over the tip") << 90.0 << 9 << QRectF(395, 255, 6, 6) << true;
    QTest::newRow("beyond the tip") << 90.0 << 9 << QRectF(403, 250, 10, 16) << false;
    QTest::newRow("beside the root") << 90.0 << 9 << QRectF(250, 264, 8, 6) << true;
    QTest::newRow("above the tapered end") << 90.0 << 9 << QRectF(380, 240, 10, 10) << false;
    QTest::newRow("behind the tail") << 90.0 << 9 << QRectF(200, 250, 10, 16) << false;
    QTest::newRow("across the second hand") << 45.0 << 0 << QRectF(300, 190, 20, 20) << true;
    QTest::newRow("beside the second hand") << 45.0 << 0 << QRectF(330, 215, 10, 10) << false;
}

void TestRedraw::handReachesArea()
{
    QFETCH(double, angolo);
    QFETCH(int, W);
    QFETCH(QRectF, area);
    QFETCH(bool, tocca);
    const auto angoli = AngoliLancetta(kCx, kCy, 150, W, angolo, kR);
    QCOMPARE(LancettaTocca(angoli, area, 2.0), tocca);
    // Whatever the answer, a hand that reaches no pixel of the area is never said to.
    const QImage img = Disegna(angoli);
    bool colorato = false;
    for (int y = int(area.top()); y < int(area.bottom()); ++y)
        for (int x = int(area.left()); x < int(area.right()); ++x)
            colorato = colorato || img.pixel(x, y) != qRgb(120, 120, 120);
    QVERIFY(!colorato || tocca);
}

void TestRedraw::screenMatchesTheWholeFace_data()
{
    QTest::addColumn<QSize>("schermo");
    QTest::addColumn<double>("T");
    QTest::addColumn<int>("passo");
    QTest::addColumn<bool>("esercizi");
    QTest::newRow("seconds, small") << QSize(800, 600) << 36530.0 << 1 << false;
    QTest::newRow("seconds, large") << QSize(1024, 768) << 36530.0 << 1 << false;
    // 10:50: the minute hand passes over the hour label.
    QTest::newRow("minute hand over the hour label") << QSize(1024, 768) << 39000.0 << 1 << false;
    QTest::newRow("minutes at a time") << QSize(1024, 768) << 3600.0 << 97 << false;
    QTest::newRow("exercises, a minute a step") << QSize(1024, 768) << 30000.0 << 60 << true;
}

void TestRedraw::screenMatchesTheWholeFace()
{
    QFETCH(QSize, schermo);
    QFETCH(double, T);
    QFETCH(int, passo);
    QFETCH(bool, esercizi);
    TestWindow tw(schermo, T);
    tw.c<QTimer>("tmrClock")->stop();
    auto* p1 = tw.c<QuadranteOrologio>("p1");
    if (esercizi) {
        p1->ImpostaFattoreLancette(1.2f);
        p1->ImpostaEtichette(false);
        p1->ImpostaSecondi(false);
    }
    // The focus ring lies over the face's edge when the face has the keyboard; the face's
    // own picture is compared here.
    p1->clearFocus();
    // The loudspeaker is a button of its own in the face's corner, not part of its picture.
    tw.c<QWidget>("cmdAscoltaOra")->hide();
    // The part of the face no other control covers.
    const QRect libera(p1->mapTo(tw.w, QPoint(0, 0)), QSize(p1->width() - 20, p1->height()));
    for (int i = 0; i < 40; ++i) {
        T += passo;
        tw.fake.clock->seconds = T;
        tw.stato()->MostraOra(static_cast<float>(T));
        QCoreApplication::processEvents();
        const QImage schermata =
            tw.w->screen()
                ->grabWindow(tw.w->winId(), libera.x(), libera.y(), libera.width(), libera.height())
                .toImage();
        const QImage faccia = p1->image().copy(QRect(QPoint(0, 0), libera.size() * p1->image().devicePixelRatio()));
        QCOMPARE(schermata.convertToFormat(QImage::Format_RGB32), faccia.convertToFormat(QImage::Format_RGB32));
    }
}

QTEST_MAIN(TestRedraw)
#include "tst_redraw.moc"
