// SPDX-License-Identifier: GPL-3.0-or-later
// On a screen with two device pixels to a logical pixel the clock face is drawn at
// full resolution: twice the pixels, with edges as sharp as at ratio 1; the globe and
// the world map show pictures drawn at that density, not enlarged 1x pictures.

#include <QSet>
#include <QtTest>

#include "Risorse.h"
#include "TestWindow.h"
#include "frmClock.h"

namespace {

// Parts of the picture's aligned f x f blocks that are not of one colour. A picture
// enlarged f times pixel by pixel has none; one drawn at that size has them wherever
// a coast, the outline or a shade crosses a block.
double BlocchiNonUniformi(const QImage& img, int f)
{
    const QImage a = img.convertToFormat(QImage::Format_ARGB32);
    int blocchi = 0, misti = 0;
    for (int y = 0; y + f <= a.height(); y += f)
        for (int x = 0; x + f <= a.width(); x += f) {
            ++blocchi;
            const QRgb primo = a.pixel(x, y);
            bool uno = true;
            for (int j = 0; j < f && uno; ++j)
                for (int i = 0; i < f && uno; ++i)
                    uno = a.pixel(x + i, y + j) == primo;
            misti += uno ? 0 : 1;
        }
    return blocchi ? double(misti) / blocchi : 0;
}

int Colori(const QImage& img)
{
    const QImage a = img.convertToFormat(QImage::Format_ARGB32);
    QSet<QRgb> c;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            c.insert(a.pixel(x, y));
    return int(c.size());
}

// How far apart two pictures of one size are: the mean difference of their channels.
double Distanza(const QImage& a0, const QImage& b0)
{
    const QImage a = a0.convertToFormat(QImage::Format_RGB32), b = b0.convertToFormat(QImage::Format_RGB32);
    double somma = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            somma += qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q)) + qAbs(qBlue(p) - qBlue(q));
        }
    return somma / (3.0 * a.width() * a.height());
}

// `foto` painted over `dimensione` logical pixels on an image of ratio `dpr`, as the
// map panel paints it.
QImage Dipinta(const QImage& foto, QSize dimensione, qreal dpr)
{
    QImage img(dimensione * dpr, QImage::Format_RGB32);
    img.setDevicePixelRatio(dpr);
    img.fill(Qt::black);
    QPainter p(&img);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRectF(QPointF(0, 0), QSizeF(dimensione)), foto);
    p.end();
    return img;
}

} // namespace

class TestHiDpi : public QObject {
    Q_OBJECT
private slots:
    void faceHasTwiceThePixelsAndSharpEdges();
    void picturesForEachRatio_data();
    void picturesForEachRatio();
    void globeHasRealDetail();
    void mapShowsThePictureOfTheRatio();
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

// The globe and the map come at 1x, 2x and 3x; each ratio gets the next one up, of the
// same logical size, and the larger ones hold finer detail of the same Earth.
void TestHiDpi::picturesForEachRatio_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<qreal>("dpr");
    QTest::addColumn<int>("fattore");
    QTest::addColumn<QSize>("logica");
    const struct {
        int id;
        const char* nome;
        QSize logica;
    } foto[] = {{200, "globe 0", {77, 77}}, {212, "globe 12", {77, 77}}, {230, "map", {355, 176}}};
    const struct {
        qreal dpr;
        int fattore;
    } rapporti[] = {{1.0, 1}, {1.25, 2}, {1.5, 2}, {2.0, 2}, {2.5, 3}, {3.0, 3}, {4.0, 3}};
    for (const auto& f : foto)
        for (const auto& r : rapporti)
            QTest::addRow("%s at %.2f", f.nome, r.dpr) << f.id << r.dpr << r.fattore << f.logica;
}

void TestHiDpi::picturesForEachRatio()
{
    QFETCH(int, id);
    QFETCH(qreal, dpr);
    QFETCH(int, fattore);
    QFETCH(QSize, logica);
    const QImage img = Risorse::bitmap(id, dpr);
    QVERIFY(!img.isNull());
    QCOMPARE(Risorse::FattoreFoto(dpr), fattore);
    QCOMPARE(img.size(), logica * fattore);
    QCOMPARE(img.devicePixelRatio(), qreal(fattore));
    QCOMPARE(img.deviceIndependentSize().toSize(), logica);
    if (fattore > 1) {
        // Drawn at that size, with the few colours of the 1x picture.
        QVERIFY2(BlocchiNonUniformi(img, fattore) > 0.02,
                 qPrintable(QString::number(BlocchiNonUniformi(img, fattore))));
        QVERIFY(Colori(img) <= 16);
        // The same Earth: brought down to 1x it is close to the 1x picture.
        const QImage piccola = img.scaled(logica, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QVERIFY2(Distanza(piccola, Risorse::bitmap(id, 1.0)) < 12,
                 qPrintable(QString::number(Distanza(piccola, Risorse::bitmap(id, 1.0)))));
    }
}

// The globe on the window at ratio 2: a 154 x 154 picture of real detail, not the
// 77 x 77 one enlarged.
void TestHiDpi::globeHasRealDetail()
{
    TestWindow tw(QSize(1024, 768), 43200); // 12:00:00
    tw.tickAt(43200);
    QLabel* imgTerra = tw.c<QLabel>("imgTerra");
    QCOMPARE(imgTerra->devicePixelRatioF(), 2.0);
    const QPixmap globo = imgTerra->pixmap();
    QCOMPARE(globo.devicePixelRatio(), 2.0);
    QCOMPARE(globo.size(), QSize(154, 154));
    // What the screen shows of it.
    const QImage mostrato = imgTerra->grab(QRect(QPoint(0, 0), QSize(77, 77))).toImage();
    QCOMPARE(mostrato.size(), QSize(154, 154));
    QVERIFY2(BlocchiNonUniformi(mostrato, 2) > 0.05, qPrintable(QString::number(BlocchiNonUniformi(mostrato, 2))));
    QVERIFY(Colori(globo.toImage()) <= 16);
    const QImage ingrandita = Risorse::bitmap(212, 1.0).scaled(154, 154);
    QVERIFY(Distanza(mostrato, ingrandita) > 1.0);
}

// The map panel opened at ratio 2 shows the map drawn for ratio 2.
void TestHiDpi::mapShowsThePictureOfTheRatio()
{
    TestWindow tw(QSize(1024, 768), 43200);
    tw.c<QAbstractButton>("chkFusiOrari")->click();
    tw.fake.clock->advance(24 * 0.06);
    PictureBox* picfusi = tw.c<PictureBox>("picfusi");
    QVERIFY(picfusi->isVisible());
    QImage mostrata = picfusi->image();
    QCOMPARE(mostrata.size(), picfusi->size() * 2);
    const QImage da2x = Dipinta(Risorse::bitmap(230, 2.0), picfusi->size(), 2);
    const QImage da1x = Dipinta(Risorse::bitmap(230, 1.0), picfusi->size(), 2);
    // Inside the frame drawn round the map once it is open.
    const QRect dentro = QRect(QPoint(0, 0), mostrata.size()).adjusted(30, 30, -30, -30);
    const double vicina = Distanza(mostrata.copy(dentro), da2x.copy(dentro));
    const double lontana = Distanza(mostrata.copy(dentro), da1x.copy(dentro));
    QVERIFY2(vicina < 0.5 && lontana > 2 * vicina + 0.5,
             qPrintable(QStringLiteral("from the 2x map %1, from the 1x map %2").arg(vicina).arg(lontana)));
}

int main(int argc, char** argv)
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestHiDpi t;
    return QTest::qExec(&t, argc, argv);
}
#include "tst_hidpi.moc"
