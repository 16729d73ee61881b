// SPDX-License-Identifier: GPL-3.0-or-later
// The scene beside the clock: the sky of each hour, where the sun and the moon
// stand, the turned clouds, the stars, drawing once per hour; and the panel
// decorations (the frame around the scene, the bevel, the read-out's shading).

#include <QtTest>
#include <algorithm>
#include <functional>

#include "Scenario.h"
#include "TestWindow.h"
#include "frmClock.h"

using namespace Scenario;

namespace {

// A picture of the scene: its top-left corner, x in pixels and y in 256 units.
struct Luogo {
    double x;
    double yUnita;
};

int Distanza(const QColor& a, const QColor& b)
{
    return std::max({qAbs(a.red() - b.red()), qAbs(a.green() - b.green()), qAbs(a.blue() - b.blue())});
}

// The 32-pixel box of a picture in the scene's pixels, a little larger for its soft edges.
QRect Riquadro(const PictureBox* scena, const Luogo& l, int margine)
{
    const QPointF a = scena->toPixel(l.x, l.yUnita);
    return QRect(static_cast<int>(std::floor(a.x())) - margine, static_cast<int>(std::floor(a.y())) - margine,
                 32 + 2 * margine, 32 + 2 * margine);
}

bool DentroUno(const QVector<QRect>& riquadri, QPoint p)
{
    return std::any_of(riquadri.begin(), riquadri.end(), [&](const QRect& r) { return r.contains(p); });
}

// The shaded sky's colour at a pixel row: one of the units' rows that fall in it.
QColor CieloAtteso(const PictureBox* scena, int ora, int y, const QColor& visto)
{
    const double perPixel = 256.0 / scena->height();
    const int k0 = static_cast<int>(std::floor(y * perPixel)) - 1;
    const int k1 = static_cast<int>(std::ceil((y + 1) * perPixel)) + 1;
    QColor migliore = ColoreRiga(ora, std::clamp(k0, 0, 256));
    for (int k = std::max(k0, 0); k <= std::min(k1, 256); ++k)
        if (Distanza(ColoreRiga(ora, k), visto) < Distanza(migliore, visto))
            migliore = ColoreRiga(ora, k);
    return migliore;
}

bool GialloSole(const QColor& c)
{
    return c.red() > 200 && c.green() > 100 && c.blue() < 90;
}

} // namespace

class TestScenery : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void rowColours_data();
    void rowColours();
    void picturePlaces_data();
    void picturePlaces();
    void starHeights();

    void skyAndPictures_data();
    void skyAndPictures();
    void noonAndMidnightTopMiddle();
    void turnedClouds_data();
    void turnedClouds();
    void starsFollowTheDraws();
    void starsChangeFromNightToNight();
    void midnightOf24IsBlack();
    void drawnOncePerHour();

    void frameAroundTheScene();
    void bevelInsideTheCommandPanel();
    void readOutShading();

private:
    std::unique_ptr<TestWindow> tw;
    frmClock* w = nullptr;
    Scena* scena = nullptr;
};

void TestScenery::init()
{
    // The tests of plain functions need no window.
    const QByteArray nome(QTest::currentTestFunction());
    if (nome == "rowColours" || nome == "picturePlaces" || nome == "starHeights")
        return;
    // A 1024x768 screen: the scene is 143 x 169 pixels.
    tw = std::make_unique<TestWindow>(QSize(1024, 768), 10 * 3600.0);
    w = tw->w;
    // The window as large as on that screen, so the whole frame lies inside it.
    w->showNormal();
    w->resize(1024, 738);
    QCoreApplication::processEvents();
    scena = tw->c<Scena>("picWindows");
}

void TestScenery::cleanup()
{
    tw.reset();
}

void TestScenery::rowColours_data()
{
    QTest::addColumn<int>("ora");
    QTest::addColumn<int>("k");
    QTest::addColumn<QColor>("colore");
    for (int ora : {5, 19}) {
        QTest::addRow("%d, top", ora) << ora << 0 << QColor(0, 0, 0);
        QTest::addRow("%d, middle", ora) << ora << 128 << QColor(0, 0, 128);
        QTest::addRow("%d, last row capped", ora) << ora << 256 << QColor(0, 0, 255);
    }
    for (int ora : {6, 18}) {
        QTest::addRow("%d, top", ora) << ora << 0 << QColor(0, 80, 160);
        // Halves round to even: 2/4 gives 0, 6/4 gives 2, 3/2 gives 2, 5/2 gives 2.
        QTest::addRow("%d, k 2", ora) << ora << 2 << QColor(2, 80, 159);
        QTest::addRow("%d, k 3", ora) << ora << 3 << QColor(3, 79, 158);
        QTest::addRow("%d, k 5", ora) << ora << 5 << QColor(5, 79, 158);
        QTest::addRow("%d, k 6", ora) << ora << 6 << QColor(6, 78, 157);
        QTest::addRow("%d, k 100", ora) << ora << 100 << QColor(100, 55, 110);
        QTest::addRow("%d, last row capped", ora) << ora << 256 << QColor(255, 16, 32);
    }
    for (int ora : {7, 17}) {
        QTest::addRow("%d, top", ora) << ora << 0 << QColor(0, 0, 255);
        QTest::addRow("%d, k 200", ora) << ora << 200 << QColor(0, 200, 255);
        QTest::addRow("%d, last row capped", ora) << ora << 256 << QColor(0, 255, 255);
    }
    QTest::newRow("24, top") << 24 << 0 << QColor(0, 0, 0);
    QTest::newRow("24, bottom") << 24 << 256 << QColor(0, 0, 0);
}

void TestScenery::rowColours()
{
    QFETCH(int, ora);
    QFETCH(int, k);
    QFETCH(QColor, colore);
    QCOMPARE(CieloDellOra(ora), Cielo::Sfumato);
    QCOMPARE(ColoreRiga(ora, k), colore);
}

void TestScenery::picturePlaces_data()
{
    QTest::addColumn<int>("ora");
    QTest::addColumn<double>("larghezza");
    QTest::addColumn<int>("cielo");
    QTest::addColumn<bool>("girate");
    QTest::addColumn<QList<int>>("figure");
    QTest::addColumn<QList<QPointF>>("posti");
    const auto L = static_cast<int>(Figura::Luna);
    const auto S = static_cast<int>(Figura::Sole);
    const auto N = static_cast<int>(Figura::SoleNascente);
    const auto P = static_cast<int>(Figura::SolePallido);
    const auto G = static_cast<int>(Figura::Gallo);
    const auto C = static_cast<int>(Figura::Civetta);
    const int stelle = static_cast<int>(Cielo::Stellato);
    const int sfumato = static_cast<int>(Cielo::Sfumato);
    const int nuvole = static_cast<int>(Cielo::Nuvoloso);
    // A 143-pixel scene: A = 12, B = 26. The moon rises at the left at 20, stands top
    // middle at midnight and sets at the right at 5; the sun likewise from 6 to 18.
    QTest::newRow("0") << 0 << 143.0 << stelle << false << QList<int>{L} << QList<QPointF>{{56, 26}};
    QTest::newRow("4") << 4 << 143.0 << stelle << false << QList<int>{L} << QList<QPointF>{{104, 130}};
    QTest::newRow("5") << 5 << 143.0 << sfumato << false << QList<int>{L} << QList<QPointF>{{116, 182}};
    QTest::newRow("6") << 6 << 143.0 << sfumato << false << QList<int>{N, G} << QList<QPointF>{{-16, 208}, {106, 186}};
    QTest::newRow("7") << 7 << 143.0 << sfumato << false << QList<int>{P} << QList<QPointF>{{-4, 156}};
    QTest::newRow("8") << 8 << 143.0 << nuvole << false << QList<int>{S} << QList<QPointF>{{8, 130}};
    QTest::newRow("9") << 9 << 143.0 << nuvole << true << QList<int>{S} << QList<QPointF>{{20, 104}};
    QTest::newRow("12") << 12 << 143.0 << nuvole << false << QList<int>{S} << QList<QPointF>{{56, 26}};
    QTest::newRow("13") << 13 << 143.0 << nuvole << true << QList<int>{S} << QList<QPointF>{{68, 52}};
    QTest::newRow("16") << 16 << 143.0 << nuvole << false << QList<int>{S} << QList<QPointF>{{104, 130}};
    QTest::newRow("17") << 17 << 143.0 << sfumato << false << QList<int>{P} << QList<QPointF>{{116, 156}};
    QTest::newRow("18") << 18 << 143.0 << sfumato << false << QList<int>{N} << QList<QPointF>{{128, 208}};
    QTest::newRow("19") << 19 << 143.0 << sfumato << false << QList<int>{L, C} << QList<QPointF>{{-4, 182}, {106, 186}};
    QTest::newRow("20") << 20 << 143.0 << stelle << false << QList<int>{L} << QList<QPointF>{{8, 130}};
    QTest::newRow("23") << 23 << 143.0 << stelle << false << QList<int>{L} << QList<QPointF>{{44, 52}};
    QTest::newRow("24") << 24 << 143.0 << sfumato << false << QList<int>{} << QList<QPointF>{};
    // A 110-pixel scene: A = 9 (110 / 12 = 9.17).
    QTest::newRow("0, small") << 0 << 110.0 << stelle << false << QList<int>{L} << QList<QPointF>{{38, 26}};
    QTest::newRow("6, small") << 6 << 110.0 << sfumato << false << QList<int>{N, G}
                              << QList<QPointF>{{-16, 208}, {73, 186}};
    QTest::newRow("11, small") << 11 << 110.0 << nuvole << true << QList<int>{S} << QList<QPointF>{{29, 52}};
}

void TestScenery::picturePlaces()
{
    QFETCH(int, ora);
    QFETCH(double, larghezza);
    QFETCH(int, cielo);
    QFETCH(bool, girate);
    QFETCH(QList<int>, figure);
    QFETCH(QList<QPointF>, posti);
    QCOMPARE(static_cast<int>(CieloDellOra(ora)), cielo);
    QCOMPARE(NuvoleGirate(ora), girate);
    const std::vector<Posto> trovati = FigureDellOra(ora, larghezza, 256);
    QCOMPARE(int(trovati.size()), figure.size());
    for (int i = 0; i < figure.size(); ++i) {
        QCOMPARE(static_cast<int>(trovati[i].figura), figure[i]);
        QCOMPARE(trovati[i].angolo, posti[i]);
    }
}

void TestScenery::starHeights()
{
    QCOMPARE(AltezzaStella(0.0), 1);
    QCOMPARE(AltezzaStella(0.5), 56);
    QCOMPARE(AltezzaStella(0.99999), 110);
    // One star every 6 pixels, up to the scene's width.
    const std::vector<int> colonne = ColonneStelle(143);
    QCOMPARE(int(colonne.size()), 24);
    QCOMPARE(colonne.front(), 0);
    QCOMPARE(colonne.back(), 138);
    QCOMPARE(int(ColonneStelle(114).size()), 20); // 0 .. 114
}

void TestScenery::skyAndPictures_data()
{
    QTest::addColumn<int>("ora");
    QTest::addColumn<QVector<Luogo>>("luoghi");
    QTest::addColumn<QColor>("alto");  // the sky at the top, for the shaded hours
    QTest::addColumn<QColor>("basso"); // and at the bottom
    const QColor nessuno;
    QTest::newRow("0") << 0 << QVector<Luogo>{{56, 26}} << nessuno << nessuno;
    QTest::newRow("5") << 5 << QVector<Luogo>{{116, 182}} << QColor(0, 0, 1) << QColor(0, 0, 255);
    QTest::newRow("6") << 6 << QVector<Luogo>{{-16, 208}, {106, 186}} << QColor(1, 80, 160) << QColor(255, 16, 32);
    QTest::newRow("7") << 7 << QVector<Luogo>{{-4, 156}} << QColor(0, 1, 255) << QColor(0, 255, 255);
    QTest::newRow("9") << 9 << QVector<Luogo>{{20, 104}} << nessuno << nessuno;
    QTest::newRow("12") << 12 << QVector<Luogo>{{56, 26}} << nessuno << nessuno;
    QTest::newRow("18") << 18 << QVector<Luogo>{{128, 208}} << QColor(1, 80, 160) << QColor(255, 16, 32);
    QTest::newRow("19") << 19 << QVector<Luogo>{{-4, 182}, {106, 186}} << QColor(0, 0, 1) << QColor(0, 0, 255);
    QTest::newRow("24") << 24 << QVector<Luogo>{} << QColor(0, 0, 0) << QColor(0, 0, 0);
}

// Every pixel away from the pictures is sky; in each picture's place something else shows.
void TestScenery::skyAndPictures()
{
    QFETCH(int, ora);
    QFETCH(QVector<Luogo>, luoghi);
    QFETCH(QColor, alto);
    QFETCH(QColor, basso);
    QCOMPARE(scena->size(), QSize(143, 169));
    scena->DisegnaPaesaggio(ora);

    const Cielo cielo = CieloDellOra(ora);
    if (cielo == Cielo::Sfumato) {
        QVERIFY2(Distanza(scena->pixelAt(60, 0), alto) <= 2, qPrintable(scena->pixelAt(60, 0).name()));
        QVERIFY2(Distanza(scena->pixelAt(60, 168), basso) <= 2, qPrintable(scena->pixelAt(60, 168).name()));
    }
    // Whether a pixel shows the sky of this hour.
    std::function<bool(int, int)> cieloQui;
    switch (cielo) {
    case Cielo::Stellato:
        cieloQui = [&](int x, int y) {
            const QColor c = scena->pixelAt(x, y);
            return c == QColor(0, 0, 0) || c == QColor(255, 255, 255);
        };
        break;
    case Cielo::Sfumato:
        cieloQui = [&](int x, int y) {
            const QColor c = scena->pixelAt(x, y);
            return Distanza(c, CieloAtteso(scena, ora, y, c)) <= 2;
        };
        break;
    case Cielo::Nuvoloso:
        // Clouds and blue sky; the yellow of the sun is nowhere in them.
        cieloQui = [&](int x, int y) { return !GialloSole(scena->pixelAt(x, y)); };
        break;
    }

    QVector<QRect> larghi, stretti;
    for (const Luogo& l : luoghi) {
        larghi.append(Riquadro(scena, l, 2));
        stretti.append(Riquadro(scena, l, 0));
    }
    int fuori = 0;
    for (int y = 0; y < scena->height(); ++y)
        for (int x = 0; x < scena->width(); ++x)
            if (!DentroUno(larghi, {x, y}) && !cieloQui(x, y))
                ++fuori;
    QCOMPARE(fuori, 0);

    for (const QRect& r : stretti) {
        int figura = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if (scena->rect().contains(x, y) && !cieloQui(x, y))
                    ++figura;
        // Even the suns cut by the scene's edge at 6 and 18 show a good part of themselves.
        QVERIFY2(figura >= 60, qPrintable(QStringLiteral("only %1 pixels at %2,%3").arg(figura).arg(r.x()).arg(r.y())));
    }
}

void TestScenery::noonAndMidnightTopMiddle()
{
    // At noon and at midnight the sun and the moon stand at the same place, top middle.
    const QRect atteso = Riquadro(scena, {56, 26}, 0);
    QVERIFY(qAbs(atteso.center().x() - scena->width() / 2) <= 1);
    QVERIFY(atteso.top() < scena->height() / 6);
    for (int ora : {12, 0}) {
        scena->DisegnaPaesaggio(ora);
        // The middle of the picture: the sun's yellow face, the moon's pale crescent.
        int pieni = 0;
        for (int y = atteso.top(); y <= atteso.bottom(); ++y)
            for (int x = atteso.left(); x <= atteso.right(); ++x) {
                const QColor c = scena->pixelAt(x, y);
                if (ora == 12 ? GialloSole(c) : (c.red() > 150 && c.green() > 150 && c.blue() > 80 && c != Qt::white))
                    ++pieni;
            }
        QVERIFY2(pieni >= 150, qPrintable(QString::number(pieni)));
    }
}

void TestScenery::turnedClouds_data()
{
    QTest::addColumn<int>("ora");
    QTest::addColumn<bool>("girate");
    for (int ora = 8; ora <= 16; ++ora)
        QTest::addRow("%d", ora) << ora << (ora % 2 == 1);
}

// The cloudy sky of 9, 11, 13 and 15 is that of 8 turned half a turn; the others are as at 8.
void TestScenery::turnedClouds()
{
    QFETCH(int, ora);
    QFETCH(bool, girate);
    scena->DisegnaPaesaggio(8);
    const QImage otto = scena->image().copy();
    const QRect sole8 = Riquadro(scena, {8, 130}, 2);
    scena->DisegnaPaesaggio(ora);
    const QImage img = scena->image().copy();
    const std::vector<Posto> f = FigureDellOra(ora, scena->scaleWidth(), 256);
    const QRect sole = Riquadro(scena, {f[0].angolo.x(), f[0].angolo.y()}, 2);

    const int W = scena->width(), H = scena->height();
    int confrontati = 0, diversiDaDritto = 0, peggiore = 0;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const QPoint q = girate ? QPoint(W - 1 - x, H - 1 - y) : QPoint(x, y);
            if (sole.contains(x, y) || sole8.contains(q))
                continue;
            ++confrontati;
            peggiore = std::max(peggiore, Distanza(img.pixelColor(x, y), otto.pixelColor(q)));
            if (Distanza(img.pixelColor(x, y), otto.pixelColor(x, y)) > 16)
                ++diversiDaDritto;
        }
    QVERIFY(confrontati > W * H / 2);
    QVERIFY2(peggiore <= 6, qPrintable(QString::number(peggiore)));
    if (girate)
        QVERIFY2(diversiDaDritto > confrontati / 5, qPrintable(QString::number(diversiDaDritto)));
}

void TestScenery::starsFollowTheDraws()
{
    // Scripted draws: the star of column x stands at the height drawn for it.
    const QVector<double> estrazioni{0.0, 0.5, 0.99999, 0.25, 0.75, 0.1, 0.9, 0.6};
    for (int i = 0; i < 24; ++i)
        tw->fake.random->scripted.push_back(estrazioni[i % estrazioni.size()]);
    scena->DisegnaPaesaggio(23);
    QVERIFY(tw->fake.random->scripted.empty()); // one draw per column, 24 columns

    const QRect luna = Riquadro(scena, {44, 52}, 2);
    int controllate = 0;
    for (int i = 0; i < 24; ++i) {
        const int x = 6 * i;
        if (x >= luna.left() && x <= luna.right())
            continue;
        const int riga = static_cast<int>(std::floor(AltezzaStella(estrazioni[i % estrazioni.size()]) * 169 / 256.0));
        for (int y = 0; y < scena->height(); ++y)
            QCOMPARE(scena->pixelAt(x, y), y == riga ? QColor(Qt::white) : QColor(Qt::black));
        ++controllate;
    }
    QVERIFY(controllate >= 15);
}

void TestScenery::starsChangeFromNightToNight()
{
    // Moving the clock by hand from 23:00 to 00:00 draws other stars, from the same
    // running sequence of random numbers (no new seed).
    tw->c<OptionGroup>("grpCtrTime")->select(0);
    const int semi = tw->fake.random->reseeds;
    auto stelle = [&] {
        QVector<int> righe;
        for (int x = 0; x < scena->width(); x += 6) {
            int riga = -1;
            for (int y = 0; y < scena->height(); ++y)
                if (scena->pixelAt(x, y) == QColor(Qt::white))
                    riga = y;
            righe.append(riga);
        }
        return righe;
    };
    w->stato()->MostraOra(23 * 3600);
    const QVector<int> prima = stelle();
    w->stato()->MostraOra(0);
    const QVector<int> dopo = stelle();
    QCOMPARE(tw->fake.random->reseeds, semi);

    int cambiate = 0;
    for (int i = 0; i < prima.size(); ++i) {
        // Every star in the upper 43 % of the sky.
        QVERIFY(prima[i] <= 110 * 169 / 256 && dopo[i] <= 110 * 169 / 256);
        if (prima[i] >= 0 && dopo[i] >= 0 && prima[i] != dopo[i])
            ++cambiate;
    }
    QVERIFY2(cambiate >= prima.size() / 2, qPrintable(QString::number(cambiate)));
}

void TestScenery::midnightOf24IsBlack()
{
    // 24:00:00: black from top to bottom, no stars, moon or sun.
    tw->c<OptionGroup>("grpCtrTime")->select(0);
    w->stato()->MostraOra(86400);
    QCOMPARE(w->stato()->ultimiValori().ora, 24);
    for (int y = 0; y < scena->height(); ++y)
        for (int x = 0; x < scena->width(); ++x)
            QCOMPARE(scena->pixelAt(x, y), QColor(Qt::black));
}

void TestScenery::drawnOncePerHour()
{
    const int n = scena->paesaggiDisegnati();
    const QImage dieci = scena->image().copy();
    for (double t : {36000.2, 36000.4, 37800.0, 39599.8}) {
        tw->tickAt(t);
        QCOMPARE(scena->paesaggiDisegnati(), n);
    }
    QCOMPARE(scena->image(), dieci);
    tw->tickAt(39600.0);
    QCOMPARE(scena->paesaggiDisegnati(), n + 1);
    QVERIFY(scena->image() != dieci); // the sun has climbed
    for (double t : {39600.2, 41000.0, 43199.8})
        tw->tickAt(t);
    QCOMPARE(scena->paesaggiDisegnati(), n + 1);
    tw->tickAt(43200.0);
    QCOMPARE(scena->paesaggiDisegnati(), n + 2);
}

void TestScenery::frameAroundTheScene()
{
    // A raised frame of eleven rings on the window around the scene, the sixth ring
    // with its colours exchanged: a groove.
    QCoreApplication::processEvents();
    const QImage finestra = w->grab().toImage();
    const QRect g = scena->geometry();
    const int cx = g.center().x(), cy = g.center().y();
    const QColor chiaro(224, 224, 224), scuro(128, 128, 128);
    for (int i = 0; i < 11; ++i) {
        const QColor a = i == 5 ? scuro : chiaro, b = i == 5 ? chiaro : scuro;
        QCOMPARE(finestra.pixelColor(cx, g.top() - 1 - i), a);    // top
        QCOMPARE(finestra.pixelColor(g.left() - 1 - i, cy), a);   // left
        QCOMPARE(finestra.pixelColor(cx, g.bottom() + 1 + i), b); // bottom
        QCOMPARE(finestra.pixelColor(g.right() + 1 + i, cy), b);  // right
    }
    QCOMPARE(finestra.pixelColor(cx, g.top() - 12), QColor(Qt::black));
    QCOMPARE(finestra.pixelColor(g.right() + 12, cy), QColor(Qt::black));
}

void TestScenery::bevelInsideTheCommandPanel()
{
    // Seven rings inside the grey panel: lighter towards the top and left edges, darker
    // towards the bottom and right edges; the panel's own grey inside them.
    PictureBox* p = tw->c<PictureBox>("picCommand");
    const int W = p->width(), H = p->height();
    int prevChiaro = 256, prevScuro = -1;
    for (int d = 0; d <= 6; ++d) {
        const int chiaro = p->pixelAt(W / 2, d).red();
        const int scuro = p->pixelAt(W / 2, H - 1 - d).red();
        QCOMPARE(p->pixelAt(d, H / 2).red(), chiaro);
        QCOMPARE(p->pixelAt(W - 1 - d, H / 2).red(), scuro);
        QVERIFY(chiaro < prevChiaro && scuro > prevScuro);
        QVERIFY(chiaro >= scuro);
        prevChiaro = chiaro;
        prevScuro = scuro;
    }
    QVERIFY(p->pixelAt(W / 2, 0).red() >= 200);
    QVERIFY(p->pixelAt(W / 2, H - 1).red() <= 80);
    QCOMPARE(p->pixelAt(W / 2, 7), QColor(128, 128, 128));
    QCOMPARE(p->pixelAt(W / 2, H / 2), QColor(128, 128, 128));
}

void TestScenery::readOutShading()
{
    // White at the top of the read-out panel, four steps darker every line.
    PictureBox* p = tw->c<PictureBox>("picAnalogic");
    QCOMPARE(p->height(), 49);
    for (int y : {0, 1, 10, 30, 48}) {
        const int g = 255 - 4 * y;
        for (int x : {0, p->width() / 2, p->width() - 1})
            QCOMPARE(p->pixelAt(x, y), QColor(g, g, g));
    }
}

QTEST_MAIN(TestScenery)
#include "tst_scenery.moc"
