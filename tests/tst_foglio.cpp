// SPDX-License-Identifier: GPL-3.0-or-later
// The printed sheet: what lands on the page and where, in millimetres.
// Texts are read back from a real PDF with pdftotext; circles, lines and pictures
// from a paint device that records what the sheet's painter draws.

#include <QPageLayout>
#include <QPageSize>
#include <QPaintEngine>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QTextItem>
#include <QtTest>
#include <cmath>

#include "FoglioOrologio.h"
#include "LetturaPdf.h"

using namespace Foglio;

namespace {

// ---- a paint device that writes down what is drawn on it, in millimetres

struct Disegnato {
    QVector<QPair<QPointF, double>> cerchi; // centre, radius
    QVector<QLineF> linee;
    QVector<QRectF> figure;
    QStringList testi;
};

class MotoreRegistro : public QPaintEngine {
public:
    explicit MotoreRegistro(Disegnato& d) : QPaintEngine(QPaintEngine::AllFeatures), m_d(d) {}
    double mmPerPunto = 25.4 / 1200;

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState& s) override
    {
        if (s.state() & QPaintEngine::DirtyTransform)
            m_transform = s.transform();
    }
    Type type() const override { return QPaintEngine::User; }

    void drawEllipse(const QRectF& r) override
    {
        const QRectF m = mm(m_transform.mapRect(r));
        m_d.cerchi.append({m.center(), m.width() / 2});
    }
    void drawLines(const QLineF* linee, int n) override
    {
        for (int i = 0; i < n; ++i)
            m_d.linee.append(QLineF(mm(m_transform.map(linee[i].p1())), mm(m_transform.map(linee[i].p2()))));
    }
    void drawImage(const QRectF& r, const QImage&, const QRectF&, Qt::ImageConversionFlags) override
    {
        m_d.figure.append(mm(m_transform.mapRect(r)));
    }
    void drawPixmap(const QRectF& r, const QPixmap&, const QRectF&) override
    {
        m_d.figure.append(mm(m_transform.mapRect(r)));
    }
    void drawTextItem(const QPointF&, const QTextItem& t) override { m_d.testi.append(t.text()); }
    void drawPath(const QPainterPath&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}

private:
    QPointF mm(QPointF p) const { return p * mmPerPunto; }
    QRectF mm(QRectF r) const { return QRectF(r.topLeft() * mmPerPunto, r.size() * mmPerPunto); }
    QLineF mm(QLineF l) const { return QLineF(mm(l.p1()), mm(l.p2())); }
    Disegnato& m_d;
    QTransform m_transform;
};

// An A4 printable area of the given width at 1200 dots an inch.
class FoglioRegistro : public QPaintDevice {
public:
    explicit FoglioRegistro(double larghezzaMm) : m_motore(disegnato), m_larghezza(larghezzaMm) {}
    Disegnato disegnato;
    QPaintEngine* paintEngine() const override { return &m_motore; }

protected:
    int metric(PaintDeviceMetric m) const override
    {
        switch (m) {
        case PdmWidth:
            return qRound(m_larghezza / 25.4 * 1200);
        case PdmHeight:
            return qRound(280 / 25.4 * 1200);
        case PdmWidthMM:
            return qRound(m_larghezza);
        case PdmHeightMM:
            return 280;
        case PdmNumColors:
            return INT_MAX;
        case PdmDepth:
            return 32;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 1200;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(QPaintDevice::devicePixelRatioFScale());
        }
        return 0;
    }

private:
    mutable MotoreRegistro m_motore;
    double m_larghezza;
};

Disegnato Registra(const OpzioniFoglio& o)
{
    FoglioRegistro dev(o.larghezzaStampabile);
    QPainter p(&dev);
    const PrintError e = DisegnaFoglio(p, o);
    p.end();
    if (e != PrintError::None)
        qWarning("the sheet was not drawn completely");
    return dev.disegnato;
}

// ---- the sheet rendered into a PDF like the one a printer receives

struct PaginaPdf {
    QVector<ParolaPdf> parole; // positions on the sheet
    QPointF origine;           // top-left corner of the printable area on the sheet
    double CentroX = 0;        // in printable-area coordinates
};

QTemporaryDir& Cartella()
{
    static QTemporaryDir d;
    return d;
}

PaginaPdf StampaInPdf(OpzioniFoglio o, QMarginsF margini = QMarginsF(5, 6, 7, 8))
{
    static int n = 0;
    const QString file = Cartella().filePath(QStringLiteral("foglio_%1.pdf").arg(++n));
    QPdfWriter pdf(file);
    pdf.setResolution(1200);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, margini, QPageLayout::Millimeter));
    PaginaPdf pagina;
    // The PDF keeps its margins in whole points: read the printable area back from it.
    const QRectF area = pdf.pageLayout().paintRectPoints();
    pagina.origine = area.topLeft() * (25.4 / 72);
    o.larghezzaStampabile = area.width() * 25.4 / 72;
    pagina.CentroX = static_cast<float>(o.larghezzaStampabile / 2);
    QPainter p(&pdf);
    const PrintError e = DisegnaFoglio(p, o);
    p.end();
    if (e != PrintError::None)
        qWarning("the sheet was not drawn completely");
    QString errore;
    pagina.parole = LeggiParolePdf(file, &errore);
    if (!errore.isEmpty())
        qWarning("%s", qPrintable(errore));
    // Back to the printable area's coordinates, the sheet's own.
    for (ParolaPdf& w : pagina.parole)
        w.mm.translate(-pagina.origine);
    return pagina;
}

// Measures text as the PDF at 1200 dpi lays it out.
MisuraTesto MisuraPdf()
{
    static QPdfWriter misuratore(Cartella().filePath(QStringLiteral("misure.pdf")));
    misuratore.setResolution(1200);
    return MisuraSuDispositivo(&misuratore);
}

constexpr double kTolleranza = 0.5;

bool Vicino(QPointF a, QPointF b, double tolleranza = kTolleranza)
{
    return std::hypot(a.x() - b.x(), a.y() - b.y()) <= tolleranza;
}

QString Punto(QPointF p)
{
    return QStringLiteral("(%1, %2)").arg(p.x(), 0, 'f', 2).arg(p.y(), 0, 'f', 2);
}

bool OraGrande(const ParolaPdf& w)
{
    return w.mm.height() > 6; // 20 pt against 8 pt of the minute numbers
}

bool SulQuadrante(const ParolaPdf& w, double cx)
{
    return std::hypot(w.centro().x() - cx, w.centro().y() - CentroY) < RaggioEsterno;
}

} // namespace

class TestFoglio : public QObject {
    Q_OBJECT

private slots:
    void puntoSulCerchio_data()
    {
        QTest::addColumn<int>("angolo");
        QTest::addColumn<QPointF>("atteso");
        const double cx = 99, r = RaggioOre;
        QTest::newRow("0 at the top") << 0 << QPointF(cx, CentroY - r);
        QTest::newRow("90 on the right") << 90 << QPointF(cx + r, CentroY);
        QTest::newRow("180 at the bottom") << 180 << QPointF(cx, CentroY + r);
        QTest::newRow("270 on the left") << 270 << QPointF(cx - r, CentroY);
        QTest::newRow("30, one o'clock") << 30 << QPointF(cx + r / 2, CentroY - r * std::sqrt(3.0) / 2);
        QTest::newRow("360 is the top again") << 360 << QPointF(cx, CentroY - r);
    }
    void puntoSulCerchio()
    {
        QFETCH(int, angolo);
        QFETCH(QPointF, atteso);
        const QPointF p = PuntoSulCerchio(99, CentroY, angolo, RaggioOre);
        QVERIFY2(Vicino(p, atteso, 0.001), qPrintable(Punto(p) + QStringLiteral(" != ") + Punto(atteso)));
    }

    void testoOra_data()
    {
        QTest::addColumn<int>("angolo");
        QTest::addColumn<bool>("romani");
        QTest::addColumn<QString>("testo");
        QTest::newRow("0 is 12") << 0 << false << "12";
        QTest::newRow("30 is 1") << 30 << false << "1";
        QTest::newRow("90 is 3") << 90 << false << "3";
        QTest::newRow("330 is 11") << 330 << false << "11";
        QTest::newRow("0 is XII") << 0 << true << "XII";
        QTest::newRow("90 is III") << 90 << true << "III";
        QTest::newRow("120 is IV") << 120 << true << "IV";
        QTest::newRow("270 is IX") << 270 << true << "IX";
    }
    void testoOra()
    {
        QFETCH(int, angolo);
        QFETCH(bool, romani);
        QFETCH(QString, testo);
        QCOMPARE(TestoOra(angolo, romani), testo);
    }

    void numeriDelQuadrante_data()
    {
        QTest::addColumn<bool>("romani");
        QTest::addColumn<bool>("minuti");
        QTest::newRow("Arabic with minutes") << false << true;
        QTest::newRow("Arabic without minutes") << false << false;
        QTest::newRow("Roman") << true << false;
    }
    void numeriDelQuadrante()
    {
        QFETCH(bool, romani);
        QFETCH(bool, minuti);
        OpzioniFoglio o;
        o.numeriRomani = romani;
        o.stampaMinuti = minuti;
        const PaginaPdf pag = StampaInPdf(o);
        const auto sulQuadrante =
            ParoleDove(pag.parole, [&](const ParolaPdf& w) { return SulQuadrante(w, pag.CentroX); });
        const auto ore = ParoleDove(sulQuadrante, OraGrande);
        const auto piccoli = ParoleDove(sulQuadrante, [](const ParolaPdf& w) { return !OraGrande(w); });

        QCOMPARE(ore.size(), 12);
        for (int h = 1; h <= 12; ++h) {
            const QString t = romani ? QStringLiteral("I II III IV V VI VII VIII IX X XI XII").split(u' ')[h - 1]
                                     : QString::number(h);
            const QPointF atteso = PuntoSulCerchio(pag.CentroX, CentroY, h * 30, RaggioOre);
            const auto trovate = ParoleDove(ore, [&](const ParolaPdf& w) { return w.testo == t; });
            QVERIFY2(trovate.size() == 1, qPrintable(t));
            QVERIFY2(Vicino(trovate[0].centro(), atteso),
                     qPrintable(t + QStringLiteral(" at ") + Punto(trovate[0].centro()) + QStringLiteral(", not ")
                                + Punto(atteso)));
            const double r = std::hypot(trovate[0].centro().x() - pag.CentroX, trovate[0].centro().y() - CentroY);
            QVERIFY2(qAbs(r - 76.5) <= kTolleranza, qPrintable(t));
        }

        if (!minuti) {
            QCOMPARE(piccoli.size(), 0);
            return;
        }
        QCOMPARE(piccoli.size(), 60);
        for (int m = 0; m < 60; ++m) {
            const QString t = QString::number(m);
            const QPointF atteso = PuntoSulCerchio(pag.CentroX, CentroY, m * 6, RaggioMinuti);
            const auto trovate = ParoleDove(piccoli, [&](const ParolaPdf& w) { return w.testo == t; });
            QVERIFY2(trovate.size() == 1, qPrintable(t));
            QVERIFY2(Vicino(trovate[0].centro(), atteso),
                     qPrintable(t + QStringLiteral(" at ") + Punto(trovate[0].centro())));
        }
        // Minute 0 at the top, 15 on the right, 5 just outside the 1.
        const auto zero = ParoleDove(piccoli, [](const ParolaPdf& w) { return w.testo == QLatin1String("0"); })[0];
        QVERIFY(Vicino(zero.centro(), QPointF(pag.CentroX, CentroY - 85.5)));
        const auto quindici = ParoleDove(piccoli, [](const ParolaPdf& w) { return w.testo == QLatin1String("15"); })[0];
        QVERIFY(Vicino(quindici.centro(), QPointF(pag.CentroX + 85.5, CentroY)));
        const auto cinque = ParoleDove(piccoli, [](const ParolaPdf& w) { return w.testo == QLatin1String("5"); })[0];
        const auto uno = ParoleDove(ore, [](const ParolaPdf& w) { return w.testo == QLatin1String("1"); })[0];
        QVERIFY(std::hypot(cinque.centro().x() - pag.CentroX, cinque.centro().y() - CentroY)
                > std::hypot(uno.centro().x() - pag.CentroX, uno.centro().y() - CentroY));
    }

    void cerchiEPunti_data()
    {
        QTest::addColumn<double>("larghezza");
        QTest::newRow("printable width 198 mm") << 198.0;
        QTest::newRow("printable width 203.2 mm") << 203.2;
    }
    void cerchiEPunti()
    {
        QFETCH(double, larghezza);
        OpzioniFoglio o;
        o.larghezzaStampabile = larghezza;
        const Disegnato d = Registra(o);
        const QPointF centro(larghezza / 2, 98.5);
        int punti = 0;
        QVector<double> raggiAlCentro;
        QVector<QPointF> perni;
        for (const auto& [c, r] : d.cerchi) {
            if (qAbs(r - 1) < 0.01) {
                ++punti;
                const double dist = std::hypot(c.x() - centro.x(), c.y() - centro.y());
                QVERIFY2(qAbs(dist - 76.5) < 0.01, qPrintable(Punto(c)));
                // Never where an hour number stands.
                const double angolo =
                    std::fmod(std::atan2(c.x() - centro.x(), centro.y() - c.y()) * 180 / M_PI + 360, 360);
                QVERIFY2(qAbs(std::fmod(angolo + 3, 6) - 3) < 0.01, qPrintable(Punto(c)));
                QVERIFY2(qAbs(std::fmod(angolo + 15, 30) - 15) > 1, qPrintable(Punto(c)));
            } else if (Vicino(c, centro, 0.01)) {
                raggiAlCentro << r;
            } else {
                QVERIFY2(qAbs(r - 3) < 0.01, qPrintable(Punto(c)));
                perni << c;
            }
        }
        QCOMPARE(punti, 48);
        std::sort(raggiAlCentro.begin(), raggiAlCentro.end());
        QCOMPARE(raggiAlCentro.size(), 3);
        QVERIFY(qAbs(raggiAlCentro[0] - 3) < 0.01);
        QVERIFY(qAbs(raggiAlCentro[1] - 90) < 0.01);
        QVERIFY(qAbs(raggiAlCentro[2] - 94) < 0.01);
        QCOMPARE(perni.size(), 2);
        QVERIFY(Vicino(perni[0], QPointF(100, 210), 0.01));
        QVERIFY(Vicino(perni[1], QPointF(80, 230), 0.01));
    }

    void lancetteERiga()
    {
        const Disegnato d = Registra(OpzioniFoglio());
        const QVector<QLineF> attese = {
            {30, 210, 100, 203}, {100, 203, 120, 210}, {120, 210, 100, 217}, {100, 217, 30, 210}, {30, 230, 80, 221},
            {80, 221, 100, 230}, {100, 230, 80, 239},  {80, 239, 30, 230},   {7, 272, 200, 272},
        };
        QCOMPARE(d.linee.size(), attese.size());
        for (int i = 0; i < attese.size(); ++i) {
            QVERIFY2(Vicino(d.linee[i].p1(), attese[i].p1(), 0.01) && Vicino(d.linee[i].p2(), attese[i].p2(), 0.01),
                     qPrintable(QString::number(i)));
        }
        // Scissors by each hand and the paper fastener after the note, at their own size.
        const double px = 25.4 / 96;
        const QVector<QRectF> figure = {QRectF(125, 209, 18 * px, 11 * px), QRectF(105, 229, 18 * px, 11 * px),
                                        QRectF(153, 258, 20 * px, 35 * px)};
        QCOMPARE(d.figure.size(), figure.size());
        for (int i = 0; i < figure.size(); ++i) {
            QVERIFY2(Vicino(d.figure[i].topLeft(), figure[i].topLeft(), 0.01)
                         && Vicino(d.figure[i].bottomRight(), figure[i].bottomRight(), 0.01),
                     qPrintable(QString::number(i)));
        }
    }

    void etichetteDelleLancette()
    {
        const PaginaPdf pag = StampaInPdf(OpzioniFoglio());
        QRectF box;
        QCOMPARE(RigaPdf(pag.parole, 208, kTolleranza, &box), QStringLiteral("< Lancetta dei minuti"));
        QVERIFY(qAbs(box.left() - 136) <= kTolleranza);
        QCOMPARE(RigaPdf(pag.parole, 228, kTolleranza, &box), QStringLiteral("< Lancetta delle ore"));
        QVERIFY(qAbs(box.left() - 116) <= kTolleranza);
    }

    void datiPersonali_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("cognome");
        QTest::newRow("both") << "Niccolò"
                              << "Zoë";
        QTest::newRow("name only") << "Niccolò"
                                   << "";
        QTest::newRow("surname only") << ""
                                      << "Zoë";
        QTest::newRow("none") << ""
                              << "";
        QTest::newRow("20 characters each") << QStringLiteral("Mariavittoriaelisaba") << "Dell'Acqua Bianchini";
    }
    void datiPersonali()
    {
        QFETCH(QString, nome);
        QFETCH(QString, cognome);
        OpzioniFoglio o;
        o.nome = nome;
        o.cognome = cognome;
        const PaginaPdf pag = StampaInPdf(o);
        const struct {
            QString testo;
            double y;
        } righe[2] = {{nome, 60}, {cognome, 70}};
        for (const auto& r : righe) {
            QRectF box;
            // Nothing else on the sheet stands at 60 or 70 mm from the top in 16 pt.
            const auto alte =
                ParoleDove(pag.parole, [](const ParolaPdf& w) { return w.mm.height() > 5 && w.mm.height() < 7; });
            QCOMPARE(RigaPdf(alte, r.y, kTolleranza, &box), r.testo);
            if (r.testo.isEmpty())
                continue;
            QVERIFY2(qAbs(box.center().x() - pag.CentroX) <= kTolleranza,
                     qPrintable(r.testo + QStringLiteral(" centred at ") + QString::number(box.center().x())));
        }
    }

    void note()
    {
        const PaginaPdf pag = StampaInPdf(OpzioniFoglio());
        QRectF box;
        QCOMPARE(RigaPdf(pag.parole, 255, kTolleranza, &box), Nota1());
        QVERIFY(Vicino(box.topLeft(), QPointF(10, 255)));
        QCOMPARE(RigaPdf(pag.parole, 260, kTolleranza, &box), Nota2().trimmed());
        // The nine spaces push the first word right by their own width in 10 pt italics.
        Carattere corsivo;
        corsivo.corsivo = true;
        const double spazi = MisuraPdf()(QStringLiteral("         "), corsivo).width();
        QVERIFY(spazi > 5);
        QVERIFY2(Vicino(box.topLeft(), QPointF(10 + spazi, 260)), qPrintable(Punto(box.topLeft())));
        // The ">" ends before the paper fastener.
        QVERIFY2(box.right() < 153, qPrintable(QString::number(box.right())));
    }

    void piede_data()
    {
        QTest::addColumn<QMarginsF>("margini");
        QTest::newRow("narrow margins") << QMarginsF(3, 3, 3, 3);
        QTest::newRow("uneven margins") << QMarginsF(5, 6, 12, 8);
    }
    void piede()
    {
        QFETCH(QMarginsF, margini);
        const PaginaPdf pag = StampaInPdf(OpzioniFoglio(), margini);
        QRectF box;
        const QString riga = RigaPdf(pag.parole, 275, kTolleranza, &box);
        QCOMPARE(riga, TestoPiedePredefinito());
        QVERIFY(riga.startsWith(QStringLiteral("Tempolino - Impara a leggere l'orologio")));
        QVERIFY(qAbs(box.center().x() - pag.CentroX) <= kTolleranza);
        // The dial follows the printable width; its height does not depend on the paper.
        const auto dodici =
            ParoleDove(pag.parole, [](const ParolaPdf& w) { return w.testo == QLatin1String("12") && OraGrande(w); });
        QCOMPARE(dodici.size(), 1);
        QVERIFY(Vicino(dodici[0].centro(), QPointF(pag.CentroX, 98.5 - 76.5)));
    }
};

QTEST_MAIN(TestFoglio)
#include "tst_foglio.moc"
