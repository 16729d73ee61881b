// SPDX-License-Identifier: GPL-3.0-or-later
// The clock face as a drawing and on screen. On a screen of any device pixel ratio the
// face that the window keeps, repainted only where the face asked after each tick, drag
// and exercise step, equals the whole face drawn afresh; and the drawing scales with the
// area it is given, on devices of any resolution.

#include <QPainter>
#include <QtTest>
#include <cmath>
#include <private/qwidget_p.h>

#include "ArrotondaPari.h"
#include "DisegnoOrologio.h"
#include "TestWindow.h"
#include "TrascinaLancette.h"

namespace {

// A window's backing store at another device pixel ratio: the parts of the face that the
// window repaints are painted into an image of that ratio the way Qt paints a window's
// backing store, with the window's clip in that image's pixels.
class SchermoSimulato : public QObject {
public:
    SchermoSimulato(QuadranteOrologio* p1, qreal rapporto) : m_p1(p1)
    {
        immagine = QImage(p1->size() * rapporto, QImage::Format_RGB32);
        immagine.setDevicePixelRatio(rapporto);
        immagine.fill(Qt::magenta);
        Dipingi(QRegion(p1->rect()));
        p1->installEventFilter(this);
    }
    // Paints what the window painted since the last call.
    void Aggiorna()
    {
        Dipingi(m_daDipingere);
        m_daDipingere = QRegion();
    }
    bool eventFilter(QObject* oggetto, QEvent* evento) override
    {
        if (oggetto == m_p1 && evento->type() == QEvent::Paint && !m_dipingendo)
            m_daDipingere += static_cast<QPaintEvent*>(evento)->region();
        return false;
    }
    QImage immagine;

private:
    void Dipingi(const QRegion& zona)
    {
        m_dipingendo = true;
        QWidgetPrivate::get(m_p1)->drawWidget(&immagine, zona, QPoint(), QWidgetPrivate::DrawPaintOnScreen);
        m_dipingendo = false;
    }
    QuadranteOrologio* m_p1;
    QRegion m_daDipingere;
    bool m_dipingendo = false;
};

// The whole face of the shown time drawn afresh at a ratio, from the clock's state and
// the face's switches.
QImage FacciaNuova(TestWindow& tw, qreal rapporto)
{
    auto* p1 = tw.c<QuadranteOrologio>("p1");
    AspettoOrologio aspetto;
    aspetto.stile = tw.stato()->stile();
    aspetto.mostraEtichette = p1->mostraEtichette();
    aspetto.mostraSecondi = p1->mostraSecondi();
    aspetto.fattoreLancette = p1->fattoreLancette();
    aspetto.raggio = p1->raggio();
    QImage img(p1->size() * rapporto, QImage::Format_RGB32);
    img.setDevicePixelRatio(rapporto);
    img.fill(Qt::black);
    QPainter p(&img);
    DisegnoOrologio(aspetto).disegna(p, QRectF(QPointF(0, 0), QSizeF(p1->size())), tw.stato()->campi());
    return img;
}

// Where the pixels of two images of one size differ: their count and the first.
QString Differenze(const QImage& a, const QImage& b)
{
    int n = 0;
    QPoint primo;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y) && n++ == 0)
                primo = QPoint(x, y);
    return QStringLiteral("%1 pixels differ, the first at %2,%3").arg(n).arg(primo.x()).arg(primo.y());
}

// A drag of the minute hand on the face by `gradi` degrees, 10 at a time.
void TrascinaMinuti(TestWindow& tw, double gradi)
{
    auto* p1 = tw.c<QuadranteOrologio>("p1");
    const QPointF c(p1->centroX(), p1->height() - p1->centroY());
    const double d = 0.75 * ArrotondaPari(p1->raggio() * 0.64 * p1->fattoreLancette());
    auto punto = [&](double angolo) {
        const double a = angolo * M_PI / 180;
        return (c + QPointF(d * std::sin(a), -d * std::cos(a))).toPoint();
    };
    const double da = tw.stato()->MinutiCorrenti() * 6.0;
    QTest::mousePress(p1, Qt::LeftButton, Qt::NoModifier, punto(da));
    const int passi = static_cast<int>(std::abs(gradi) / 10);
    for (int i = 1; i <= passi; ++i)
        QTest::mouseMove(p1, punto(da + (gradi > 0 ? 10 : -10) * i));
    QTest::mouseRelease(p1, Qt::LeftButton, Qt::NoModifier, punto(da + (gradi > 0 ? 10 : -10) * passi));
}

using Passo = std::function<void(TestWindow&, int)>;

} // namespace

Q_DECLARE_METATYPE(Passo)

class TestFacePaint : public QObject {
    Q_OBJECT
private slots:
    void screenEqualsTheFaceDrawnAfresh_data();
    void screenEqualsTheFaceDrawnAfresh();
    void drawingFollowsTheArea_data();
    void drawingFollowsTheArea();
};

void TestFacePaint::screenEqualsTheFaceDrawnAfresh_data()
{
    QTest::addColumn<qreal>("rapporto");
    QTest::addColumn<QSize>("schermo");
    QTest::addColumn<int>("passi");
    QTest::addColumn<Passo>("passo");

    // A tick a second of shown time, with now and then a jump of some minutes.
    const Passo ticchettio = [](TestWindow& tw, int i) { tw.tickAt(36000 + 7 * 60 + i + (i % 9 == 0 ? 97 * i : 0)); };
    // Standing still, the minute hand carried round and back, and the adjustment buttons.
    const Passo trascinamenti = [](TestWindow& tw, int i) {
        if (i == 0)
            tw.c<OptionGroup>("grpCtrTime")->select(0);
        if (i % 3 == 2)
            tw.stato()->RegolaOra(i % 4);
        else
            TrascinaMinuti(tw, i % 2 ? 130 : -70);
    };
    // The exercises: larger hands without labels or second hand, a new question each step,
    // and some of the minute hand carried by hand.
    const Passo esercizi = [](TestWindow& tw, int i) {
        if (i == 0) {
            tw.tickAt(37840);
            tw.c<QToolButton>("cmdTest")->click();
        }
        if (i % 2)
            tw.esercizi()->PreparaLettura();
        else
            tw.stato()->RegolaOra(i % 4);
    };
    const QList<std::pair<qreal, QByteArray>> rapporti = {
        {1.0, "1"}, {1.25, "1.25"}, {1.5, "1.5"}, {1.75, "1.75"}, {2.0, "2"}};
    for (const auto& [r, nome] : rapporti) {
        QTest::newRow("ticks at " + nome) << r << QSize(1024, 768) << 60 << ticchettio;
        QTest::newRow("drags at " + nome) << r << QSize(1024, 768) << 12 << trascinamenti;
        QTest::newRow("exercises at " + nome) << r << QSize(1024, 768) << 16 << esercizi;
    }
    QTest::newRow("ticks on the small face at 1.25") << 1.25 << QSize(800, 600) << 60 << ticchettio;
}

void TestFacePaint::screenEqualsTheFaceDrawnAfresh()
{
    QFETCH(qreal, rapporto);
    QFETCH(QSize, schermo);
    QFETCH(int, passi);
    QFETCH(Passo, passo);
    TestWindow tw(schermo, 36000);
    tw.c<QTimer>("tmrClock")->stop();
    auto* p1 = tw.c<QuadranteOrologio>("p1");
    // The focus ring lies over the face's edge when the face has the keyboard: the face's
    // own picture is compared here.
    p1->clearFocus();
    // The loudspeaker is a button of its own in the face's corner, not part of its picture.
    tw.c<QWidget>("cmdAscoltaOra")->hide();
    // The part of the face no other control covers (the adjustment panel lies over its
    // right edge), in the pixels of the ratio.
    const QRect libera(
        QPoint(0, 0),
        QSize(static_cast<int>((p1->width() - 20) * rapporto), static_cast<int>(p1->height() * rapporto)));
    QCoreApplication::processEvents();
    SchermoSimulato schermata(p1, rapporto);
    const int disegni = p1->quadrantiDisegnati();
    for (int i = 0; i < passi; ++i) {
        passo(tw, i);
        p1->clearFocus();
        QCoreApplication::processEvents();
        schermata.Aggiorna();
        const QImage mostrato = schermata.immagine.copy(libera), nuovo = FacciaNuova(tw, rapporto).copy(libera);
        QVERIFY2(mostrato == nuovo, qPrintable(QStringLiteral("step %1: %2").arg(i).arg(Differenze(mostrato, nuovo))));
    }
    // The dial was never drawn again: only the hands moved.
    QCOMPARE(p1->quadrantiDisegnati(), disegni);
}

void TestFacePaint::drawingFollowsTheArea_data()
{
    QTest::addColumn<int>("raggio");
    QTest::addColumn<int>("stile");
    QTest::addColumn<int>("dpi");
    // An image of ratio 2 and twice the area on an image of ratio 1 put the same device
    // pixels under each unit of the face: the same picture, also with the fonts of a
    // device of another resolution.
    QTest::newRow("Arabic numerals") << 180 << 1 << 96;
    QTest::newRow("Roman numerals, large face") << 234 << 2 << 96;
    QTest::newRow("dots") << 180 << 0 << 96;
    QTest::newRow("Arabic numerals at 192 dpi") << 180 << 1 << 192;
    QTest::newRow("Roman numerals at 300 dpi") << 234 << 2 << 300;
}

void TestFacePaint::drawingFollowsTheArea()
{
    QFETCH(int, raggio);
    QFETCH(int, stile);
    QFETCH(int, dpi);
    AspettoOrologio aspetto;
    aspetto.raggio = raggio;
    aspetto.stile = static_cast<StatoOrologio::StileNumeri>(stile);
    const DisegnoOrologio disegno(aspetto);
    const QSize box = DisegnoOrologio::dimensione(raggio);
    const CampiOra campi = DerivaCampi(10 * 3600 + 8 * 60 + 42);

    QImage a2(box * 2, QImage::Format_RGB32);
    a2.setDevicePixelRatio(2);
    a2.fill(Qt::black);
    QPainter pa(&a2);
    disegno.disegna(pa, QRectF(QPointF(0, 0), QSizeF(box)), campi);
    pa.end();

    // Twice the box's height, and wider: the face is centred in it.
    QImage doppia(box * 2 + QSize(60, 0), QImage::Format_RGB32);
    doppia.setDotsPerMeterX(qRound(dpi / 0.0254));
    doppia.setDotsPerMeterY(qRound(dpi / 0.0254));
    QCOMPARE(doppia.logicalDpiY(), dpi);
    doppia.fill(Qt::black);
    QPainter pd(&doppia);
    disegno.disegna(pd, QRectF(QPointF(0, 0), QSizeF(doppia.size())), campi);
    pd.end();

    const QImage centrata = doppia.copy(QRect(QPoint(30, 0), box * 2));
    a2.setDevicePixelRatio(1);
    QVERIFY2(centrata == a2, qPrintable(Differenze(centrata, a2)));
    // And something was drawn: the numerals' green, the hour hand's blue.
    bool verde = false, blu = false;
    for (int y = 0; y < a2.height(); y += 2)
        for (int x = 0; x < a2.width(); x += 2) {
            const QRgb c = a2.pixel(x, y);
            verde = verde || c == qRgb(0, 255, 0);
            blu = blu || c == qRgb(0, 0, 255);
        }
    QVERIFY(verde && blu);
}

QTEST_MAIN(TestFacePaint)
#include "tst_facepaint.moc"
