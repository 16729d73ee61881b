// On a screen with two device pixels to a logical pixel the clock face is drawn at
// full resolution: twice the pixels, with edges as sharp as at ratio 1.

#include <QtTest>

#include "TestWindow.h"
#include "frmClock.h"

class TestHiDpi : public QObject {
    Q_OBJECT
private slots:
    void faceHasTwiceThePixelsAndSharpEdges();
};

void TestHiDpi::faceHasTwiceThePixelsAndSharpEdges()
{
    TestWindow tw(QSize(1024, 768), 10800); // 03:00:00
    PictureBox* p1 = tw.c<PictureBox>("p1");
    tw.tickAt(10800);
    QCOMPARE(tw.w->devicePixelRatioF(), 2.0);
    const QImage img = p1->image();
    QCOMPARE(img.size(), p1->size() * 2);
    QCOMPARE(p1->grab().size(), p1->size() * 2);

    // Across the edge of the hour hand (pointing at 3) the colour changes within two
    // device pixels; a 1x image stretched to 2x would take at least three.
    const int R = Trova<QuadranteOrologio>(tw.w, "p1")->raggio();
    const int x = 2 * (R + 14 + 40);
    int primo = -1, ultimo = -1;
    for (int y = 2 * (R + 24); y > 2 * (R + 24) - 40; --y) {
        const QColor c = img.pixelColor(x, y);
        const bool blu = c.blue() > 200 && c.red() < 60;
        const bool grigio = qAbs(c.red() - c.blue()) < 10;
        if (!blu && primo < 0)
            primo = y;
        if (grigio) {
            ultimo = y;
            break;
        }
    }
    QVERIFY(primo > 0 && ultimo > 0);
    QVERIFY2(primo - ultimo <= 3, qPrintable(QStringLiteral("edge %1 px wide").arg(primo - ultimo)));
}

int main(int argc, char** argv)
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestHiDpi t;
    return QTest::qExec(&t, argc, argv);
}
#include "tst_hidpi.moc"
