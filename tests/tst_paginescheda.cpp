// SPDX-License-Identifier: GPL-3.0-or-later
// The worksheets' pages: the same code draws the same pages, the key's hands point
// where its answers say, and the saved PDF reads back as two A4 pages with the code.

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QtMath>
#include <QtTest>

#include "FoglioScheda.h"
#include "LetturaPdf.h"
#include "RisposteScheda.h"

using namespace Foglio;

Q_DECLARE_METATYPE(CodiceScheda)

namespace {

// 127 dots an inch: a whole number of dots, as a device's resolution is.
constexpr double kPixelPerMm = 5;
constexpr double kLarghezza = 200;

CodiceScheda Codice(int tipi, Livello livello, int quanti, StileQuadrante numeri, int seme,
                    FormaOra forma = FormaOra::Maestra)
{
    CodiceScheda c;
    c.scelta.tipi = tipi;
    c.scelta.livello = livello;
    c.scelta.quanti = quanti;
    c.scelta.numeri = numeri;
    c.scelta.forma = forma;
    c.seme = seme;
    return c;
}

int Bit(TipoVoce t)
{
    return 1 << static_cast<int>(t);
}

QImage Pagina(const CodiceScheda& codice, bool soluzioni, const QString& titolo = TitoloSchedaPredefinito())
{
    QImage img(qRound(kLarghezza * kPixelPerMm), qRound(kAltezzaScheda * kPixelPerMm), QImage::Format_RGB32);
    img.setDotsPerMeterX(qRound(kPixelPerMm * 1000));
    img.setDotsPerMeterY(qRound(kPixelPerMm * 1000));
    img.fill(Qt::white);
    QPainter p(&img);
    const PrintError e = DisegnaPaginaScheda(p, codice, titolo, soluzioni, kLarghezza);
    p.end();
    return e == PrintError::None ? img : QImage();
}

// How dark the page is along a short arc at `raggio` mm around the angle (degrees from 12).
int Buio(const QImage& img, QPointF centro, double angolo, double raggio)
{
    const double a = qDegreesToRadians(angolo);
    const QPointF mm = centro + QPointF(std::sin(a) * raggio, -std::cos(a) * raggio);
    const QPoint px = (mm * kPixelPerMm).toPoint();
    return 255 - qGray(img.pixel(px));
}

// The angle at which a hand crosses the circle of radius `raggio`: the middle of the
// darkest angles, those within `escluso` degrees of `evita` left out.
double AngoloPiuBuio(const QImage& img, QPointF centro, double raggio, double evita = -1000, double escluso = 0)
{
    QVector<QPair<double, int>> buio;
    int massimo = 0;
    for (int decimi = 0; decimi < 3600; decimi += 5) {
        const double a = decimi / 10.0;
        if (qAbs(std::remainder(a - evita, 360.0)) < escluso)
            continue;
        const int b = Buio(img, centro, a, raggio);
        buio.append({a, b});
        massimo = qMax(massimo, b);
    }
    // The circular mean of the darkest.
    double x = 0;
    double y = 0;
    for (const auto& [a, b] : buio) {
        if (b >= massimo * 8 / 10) {
            x += std::sin(qDegreesToRadians(a));
            y += std::cos(qDegreesToRadians(a));
        }
    }
    const double media = qRadiansToDegrees(std::atan2(x, y));
    return media < 0 ? media + 360 : media;
}

double Scarto(double a, double b)
{
    return qAbs(std::remainder(a - b, 360.0));
}

QString Esegui(const QString& programma, const QStringList& argomenti)
{
    QProcess p;
    p.start(programma, argomenti);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

class TestPagineScheda : public QObject {
    Q_OBJECT
private slots:
    void stessoCodiceStessoDisegno_data();
    void stessoCodiceStessoDisegno();
    void lancetteDelleSoluzioni_data();
    void lancetteDelleSoluzioni();
    void pdfRiletto_data();
    void pdfRiletto();
    void salvataggioRifiutato();
};

void TestPagineScheda::stessoCodiceStessoDisegno_data()
{
    QTest::addColumn<CodiceScheda>("codice");
    QTest::newRow("predefinita") << CodiceScheda{SceltaScheda{}, 4821};
    QTest::newRow("tutti i tipi, 12, romani")
        << Codice(31, Livello::OgniMinuto, 12, StileQuadrante::Romani, 9000, FormaOra::Ventiquattro);
    QTest::newRow("che ore saranno, 4, punti")
        << Codice(Bit(TipoVoce::CheOreSaranno), Livello::Quarti, 4, StileQuadrante::Punti, 1);
}

void TestPagineScheda::stessoCodiceStessoDisegno()
{
    QFETCH(CodiceScheda, codice);
    // The code as the footer prints it, typed back.
    CodiceScheda riletto;
    QCOMPARE(CodiceScheda::Leggi(codice.testo(), riletto), QString());
    for (const bool soluzioni : {false, true}) {
        const QImage prima = Pagina(codice, soluzioni);
        QVERIFY(!prima.isNull());
        QVERIFY(prima == Pagina(riletto, soluzioni));
        // Another seed is another sheet.
        CodiceScheda altro = codice;
        altro.seme = (codice.seme + 1) % CodiceScheda::kSemi;
        QVERIFY(prima != Pagina(altro, soluzioni));
    }
}

void TestPagineScheda::lancetteDelleSoluzioni_data()
{
    QTest::addColumn<CodiceScheda>("codice");
    const int disegna = Bit(TipoVoce::Disegna) | Bit(TipoVoce::DisegnaDetto);
    QTest::newRow("disegna, ogni minuto, 4, arabi")
        << Codice(disegna, Livello::OgniMinuto, 4, StileQuadrante::Arabi, 7);
    QTest::newRow("disegna, cinque minuti, 9, romani")
        << Codice(disegna, Livello::CinqueMinuti, 9, StileQuadrante::Romani, 123);
    QTest::newRow("tutti, quarti, 12, punti") << Codice(31, Livello::Quarti, 12, StileQuadrante::Punti, 555);
    QTest::newRow("che ore saranno, ogni minuto, 6") << Codice(
        Bit(TipoVoce::CheOreSaranno) | Bit(TipoVoce::QuantoTempo), Livello::OgniMinuto, 6, StileQuadrante::Arabi, 31);
}

void TestPagineScheda::lancetteDelleSoluzioni()
{
    QFETCH(CodiceScheda, codice);
    const QImage foglio = Pagina(codice, false);
    const QImage chiave = Pagina(codice, true);
    QVERIFY(!foglio.isNull() && !chiave.isNull());
    const QVector<VoceScheda> voci = EstraiScheda(codice);
    int misurate = 0;
    for (int i = 0; i < voci.size(); ++i) {
        const VoceScheda& v = voci[i];
        const QVector<Quadrante> quadranti = QuadrantiVoce(codice.scelta, i, v.tipo, kLarghezza);
        // The clock whose hands the child draws or reads last, and the time the key gives it.
        const Quadrante& q = quadranti.last();
        const int tempo = quadranti.size() == 2 ? v.fine() : v.inizio;
        const double r = RaggioInterno * static_cast<double>(q.scala);
        const double minuti = AngoloPiuBuio(chiave, q.centro, 0.65 * r);
        const QString dove = QStringLiteral("voce %1 (%2)").arg(i + 1).arg(OraInCifre(tempo, FormaOra::Ventiquattro));
        QVERIFY2(Scarto(minuti, AngoloMinuti(tempo)) <= 3,
                 qPrintable(dove + QStringLiteral(": minuti a %1°").arg(minuti)));
        // The hour hand, where it is not under the minute hand.
        if (Scarto(AngoloOre(tempo), AngoloMinuti(tempo)) > 15) {
            const double ore = AngoloPiuBuio(chiave, q.centro, 0.35 * r, AngoloMinuti(tempo), 8);
            QVERIFY2(Scarto(ore, AngoloOre(tempo)) <= 3, qPrintable(dove + QStringLiteral(": ore a %1°").arg(ore)));
        }
        // On the sheet, the clock to draw is empty; the one to read has its hands.
        const bool vuoto = v.tipo != TipoVoce::Leggi && v.tipo != TipoVoce::QuantoTempo;
        QCOMPARE(Buio(foglio, q.centro, AngoloMinuti(tempo), 0.65 * r) < 64, vuoto);
        ++misurate;
    }
    QCOMPARE(misurate, codice.scelta.quanti);
}

void TestPagineScheda::pdfRiletto_data()
{
    QTest::addColumn<CodiceScheda>("codice");
    QTest::newRow("leggi, 6") << Codice(Bit(TipoVoce::Leggi), Livello::Quarti, 6, StileQuadrante::Arabi, 2024);
    QTest::newRow("tutti, 12, 24 ore") << Codice(31, Livello::CinqueMinuti, 12, StileQuadrante::Romani, 16000,
                                                 FormaOra::Ventiquattro);
}

void TestPagineScheda::pdfRiletto()
{
    QFETCH(CodiceScheda, codice);
    QTemporaryDir dir;
    const QString file = dir.filePath(NomePdfScheda(codice));
    QVERIFY(file.endsWith(QStringLiteral("Schede ") + codice.testo() + QStringLiteral(".pdf")));
    QCOMPARE(SalvaSchedePdf(file, codice, QStringLiteral("Classe 2ª B")), QString());

    const QString info = Esegui(QStringLiteral("pdfinfo"), {file});
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages: +2\\n"))), qPrintable(info));
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Page size: +595(\\.\\d+)? x 84[12](\\.\\d+)? pts"))),
             qPrintable(info));

    const QVector<TestoVoce> testi = [&] {
        QVector<TestoVoce> t;
        for (const VoceScheda& v : EstraiScheda(codice))
            t.append(TestiVoce(v, codice.scelta.forma));
        return t;
    }();
    for (int pagina = 1; pagina <= 2; ++pagina) {
        QString errore;
        const QVector<ParolaPdf> parole = LeggiParolePdf(file, &errore, pagina);
        QVERIFY2(!parole.isEmpty(), qPrintable(errore));
        QStringList tutte;
        for (const ParolaPdf& p : parole)
            tutte << p.testo;
        const QString testo = tutte.join(QLatin1Char(' '));
        // The code in the footer, below the clocks: on the saved page 5 mm lower.
        const QVector<ParolaPdf> codici =
            ParoleDove(parole, [&](const ParolaPdf& p) { return p.testo == codice.testo(); });
        QCOMPARE(codici.size(), 1);
        QVERIFY2(codici[0].mm.top() > 270, qPrintable(QString::number(codici[0].mm.top())));
        QVERIFY(testo.contains(QStringLiteral("Codice scheda: ") + codice.testo()));
        QVERIFY(testo.contains(QStringLiteral("Classe 2ª B")));
        QCOMPARE(testo.contains(QStringLiteral("Soluzioni")), pagina == 2);
        QCOMPARE(testo.contains(QStringLiteral("Nome")), pagina == 1);
        // Every answer on the key; on the sheet, no answer in words that it does not ask.
        for (const TestoVoce& t : testi) {
            if (pagina == 2) {
                QVERIFY2(testo.contains(t.rispostaCifre), qPrintable(t.rispostaCifre));
                QVERIFY2(testo.contains(t.rispostaParole), qPrintable(t.rispostaParole));
            } else if (std::none_of(testi.begin(), testi.end(),
                                    [&](const TestoVoce& d) { return d.dato.contains(t.rispostaParole); })) {
                QVERIFY2(!testo.contains(t.rispostaParole), qPrintable(t.rispostaParole));
            }
        }
    }
}

void TestPagineScheda::salvataggioRifiutato()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("manca/Schede.pdf"));
    const QString motivo = SalvaSchedePdf(file, CodiceScheda{}, TitoloSchedaPredefinito());
    QVERIFY2(motivo.contains(QStringLiteral("non esiste")), qPrintable(motivo));
    QVERIFY(!QFileInfo::exists(file));
}

QTEST_MAIN(TestPagineScheda)
#include "tst_paginescheda.moc"
