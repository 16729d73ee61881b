// SPDX-License-Identifier: GPL-3.0-or-later
// The class clock: how much time has passed and its sentence for a table of moves,
// the place of its parts on screens of several sizes, each switch changing only what
// it names on the big face, and on the real window the hands dragged, the step buttons
// and the keys giving the right times, around midnight, with what is said and announced.

#include <QCheckBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>
#include <cmath>

#include "DisegnoLavagna.h"
#include "GeometriaLavagna.h"
#include "LettoreSchermo.h"
#include "PassoOra.h"
#include "QuadranteLavagna.h"
#include "StatoLavagna.h"
#include "TempoPassato.h"
#include "TestWindow.h"
#include "frmLavagna.h"

namespace {

float hm(int h, int m)
{
    return static_cast<float>(h * 3600 + m * 60);
}

QString hmm(float T)
{
    const int t = static_cast<int>(T);
    return QStringLiteral("%1:%2").arg(t / 3600).arg(t % 3600 / 60, 2, 10, QLatin1Char('0'));
}

// Moves a clock by whole minutes, one adjustment step at a time, as a hand does.
void Muovi(StatoOrologio& orologio, int minuti)
{
    for (int i = 0; i < std::abs(minuti); ++i)
        orologio.RegolaOra(minuti > 0 ? MinutiAvanti : MinutiIndietro);
}

constexpr double kPi = 3.14159265358979323846;

QPointF Verso(QPointF c, double angolo, double r)
{
    const double a = angolo * kPi / 180.0;
    return {c.x() + r * std::sin(a), c.y() - r * std::cos(a)};
}

// The class clock of a main window, opened by its button, at a still time.
frmLavagna* ApriLavagna(TestWindow& tw, float T)
{
    tw.c<QToolButton>("cmdLavagna")->click();
    frmLavagna* l = tw.w->lavagna();
    l->stato()->Imposta(StatoLavagna::Opzione::Computer, false);
    tw.stato()->MostraOra(T);
    l->resize(1280, 800);
    return l;
}

} // namespace

class TestLavagna : public QObject {
    Q_OBJECT
private slots:
    void tempoPassato_data();
    void tempoPassato();
    void frasi_data();
    void frasi();
    void geometria_data();
    void geometria();
    void interruttori_data();
    void interruttori();
    void trascinaEPassi_data();
    void trascinaEPassi();
    void tastiVoceEAnnunci();
    void apertaDallaFinestraPrincipale_data();
    void apertaDallaFinestraPrincipale();
};

// ---------------------------------------------------------------- the time passed

void TestLavagna::tempoPassato_data()
{
    QTest::addColumn<float>("inizio");
    QTest::addColumn<QList<int>>("mosse"); // minutes moved, one move after another
    QTest::addColumn<int>("minuti");
    QTest::addColumn<QString>("frase");
    QTest::addColumn<int>("giri");
    QTest::addColumn<double>("gradi");

    QTest::newRow("twenty-five minutes") << hm(10, 0) << QList<int>{25} << 25 << "Sono passati venticinque minuti" << 0
                                         << 150.0;
    QTest::newRow("an hour and ten, over the hour")
        << hm(10, 50) << QList<int>{70} << 70 << "È passata un'ora e dieci minuti" << 1 << 60.0;
    QTest::newRow("across noon") << hm(11, 50) << QList<int>{25} << 25 << "Sono passati venticinque minuti" << 0
                                 << 150.0;
    QTest::newRow("across midnight") << hm(23, 40) << QList<int>{41} << 41 << "Sono passati quarantun minuti" << 0
                                     << 246.0;
    QTest::newRow("back across midnight after it")
        << hm(23, 55) << QList<int>{20, -10} << 10 << "Sono passati dieci minuti" << 0 << 60.0;
    QTest::newRow("moving back shortens it")
        << hm(10, 0) << QList<int>{30, -9} << 21 << "Sono passati ventun minuti" << 0 << 126.0;
    QTest::newRow("back before the start: nothing")
        << hm(10, 0) << QList<int>{-10} << 0 << "Non è passato ancora nessun minuto" << 0 << 0.0;
    QTest::newRow("back before the start and forward again")
        << hm(10, 0) << QList<int>{-10, 15} << 5 << "Sono passati cinque minuti" << 0 << 30.0;
    QTest::newRow("one minute") << hm(7, 59) << QList<int>{1} << 1 << "È passato un minuto" << 0 << 6.0;
    QTest::newRow("two whole hours, across midnight")
        << hm(23, 30) << QList<int>{120} << 120 << "Sono passate due ore" << 2 << 0.0;
}

void TestLavagna::tempoPassato()
{
    QFETCH(float, inizio);
    QFETCH(QList<int>, mosse);
    QFETCH(int, minuti);
    QFETCH(QString, frase);
    QFETCH(int, giri);
    QFETCH(double, gradi);
    [[maybe_unused]] FakePlatform fake = FakePlatform::install();
    StatoOrologio orologio([] { return 0.0; });
    orologio.ImpostaModo(StatoOrologio::Modo::Manuale);
    orologio.MostraOra(inizio);
    StatoLavagna lavagna(&orologio);
    lavagna.Imposta(StatoLavagna::Opzione::Passato, true);
    for (int m : mosse)
        Muovi(orologio, m);
    QCOMPARE(lavagna.passato().minuti(), minuti);
    QCOMPARE(FraseTempoPassato(lavagna.passato().minuti()), frase);
    const TempoPassato::Arco arco = lavagna.passato().arco();
    // The shading starts where the minute hand stood at the start.
    QCOMPARE(arco.inizio, std::fmod(inizio, 3600.0f) / 10.0);
    QCOMPARE(arco.giri, giri);
    QCOMPARE(arco.gradi, gradi);
    // "Azzera" counts again from the shown time.
    lavagna.Azzera();
    QCOMPARE(lavagna.passato().minuti(), 0);
    QCOMPARE(lavagna.passato().inizio(), orologio.TempoCorrente());
}

void TestLavagna::frasi_data()
{
    QTest::addColumn<int>("minuti");
    QTest::addColumn<QString>("frase");
    QTest::newRow("two") << 2 << "Sono passati due minuti";
    QTest::newRow("thirty-one") << 31 << "Sono passati trentun minuti";
    QTest::newRow("fifty-nine") << 59 << "Sono passati cinquantanove minuti";
    QTest::newRow("an hour") << 60 << "È passata un'ora";
    QTest::newRow("an hour and a minute") << 61 << "È passata un'ora e un minuto";
    QTest::newRow("two hours and five") << 125 << "Sono passate due ore e cinque minuti";
    QTest::newRow("twenty-one hours") << 21 * 60 + 3 << "Sono passate ventun ore e tre minuti";
    QTest::newRow("beyond the words") << 61 * 60 << "Sono passate 61 ore";
}

void TestLavagna::frasi()
{
    QFETCH(int, minuti);
    QFETCH(QString, frase);
    QCOMPARE(FraseTempoPassato(minuti), frase);
}

// ---------------------------------------------------------------- geometry

void TestLavagna::geometria_data()
{
    QTest::addColumn<QSize>("schermo");
    QTest::addColumn<int>("lato"); // the face's side
    QTest::newRow("800x600") << QSize(800, 600) << 472;
    QTest::newRow("1024x768") << QSize(1024, 768) << 696;
    QTest::newRow("1280x1024 (5:4)") << QSize(1280, 1024) << 907;
    QTest::newRow("1920x1080: the screen's height") << QSize(1920, 1080) << 1080;
    QTest::newRow("2560x1080 (21:9)") << QSize(2560, 1080) << 1080;
    QTest::newRow("3840x2160: the screen's height") << QSize(3840, 2160) << 2160;
}

void TestLavagna::geometria()
{
    QFETCH(QSize, schermo);
    QFETCH(int, lato);
    const GeometriaLavagna g = CalcolaGeometria(schermo);
    QCOMPARE(g.quadrante.width(), lato);
    QCOMPARE(g.quadrante.height(), lato);
    const QRect tutto(QPoint(0, 0), schermo);
    QVERIFY(tutto.contains(g.quadrante));
    QVERIFY(tutto.contains(g.pannello));
    QVERIFY(!g.quadrante.intersects(g.pannello));
    // The minute numbers stay inside the face's square.
    const MisureQuadrante m = MisureDelQuadrante(lato);
    QVERIFY(m.numeriMinuti + 0.6 * m.fontMinuti < lato / 2.0);
    QVERIFY(m.bordo < m.numeriMinuti - m.fontMinuti / 2);

    // The real window laid out for that screen: every control inside it, none over
    // another or over the face, the step buttons high enough for a finger.
    [[maybe_unused]] FakePlatform fake = FakePlatform::install();
    StatoOrologio orologio([] { return 0.0; });
    frmLavagna finestra(&orologio);
    finestra.resize(schermo);
    finestra.show();
    QVERIFY(QTest::qWaitForWindowExposed(&finestra));
    QCOMPARE(finestra.quadrante()->geometry(), g.quadrante);
    QList<QWidget*> controlli;
    for (auto* b : finestra.findChildren<QPushButton*>())
        controlli << b;
    for (auto* c : finestra.findChildren<QCheckBox*>())
        controlli << c;
    const QRect faccia = finestra.quadrante()->geometry();
    for (int i = 0; i < controlli.size(); ++i) {
        const QRect r(controlli[i]->mapTo(&finestra, QPoint(0, 0)), controlli[i]->size());
        QVERIFY2(tutto.contains(r), qPrintable(controlli[i]->objectName()));
        QVERIFY2(!r.intersects(faccia), qPrintable(controlli[i]->objectName()));
        for (int j = 0; j < i; ++j) {
            const QRect s(controlli[j]->mapTo(&finestra, QPoint(0, 0)), controlli[j]->size());
            QVERIFY2(!r.intersects(s),
                     qPrintable(controlli[i]->objectName() + QLatin1Char(' ') + controlli[j]->objectName()));
        }
    }
    for (int i = 0; i < 8; ++i)
        QVERIFY(finestra.findChild<QPushButton*>(QStringLiteral("cmdPasso_%1").arg(i))->height() >= kRigaMinima);
    QVERIFY(finestra.findChild<QPushButton*>(QStringLiteral("cmdEsci"))->height() >= kRigaMinima);
    // The dial is kept at the screen's own pixels, however dense.
    const QImage faccia1 = finestra.quadrante()->grab().toImage();
    QCOMPARE(faccia1.size(), (QSizeF(faccia.size()) * finestra.devicePixelRatioF()).toSize());
}

// ---------------------------------------------------------------- the switches

void TestLavagna::interruttori_data()
{
    QTest::addColumn<int>("opzione");
    // Where on the face pixels may change, as fractions of the dial's radius from the
    // centre; none at all when both are 0.
    QTest::addColumn<double>("da");
    QTest::addColumn<double>("a");
    QTest::newRow("seconds hand") << int(StatoLavagna::Opzione::Secondi) << 0.0 << 0.74;
    QTest::newRow("minute numbers: outside the rim") << int(StatoLavagna::Opzione::NumeriMinuti) << 1.07 << 1.3;
    QTest::newRow("13-24 ring: inside the 1-12") << int(StatoLavagna::Opzione::Anello24) << 0.5 << 0.76;
    QTest::newRow("labels: near the hands") << int(StatoLavagna::Opzione::Etichette) << 0.45 << 1.0;
    QTest::newRow("read-out: not on the face") << int(StatoLavagna::Opzione::Lettura) << 0.0 << 0.0;
    QTest::newRow("words: not on the face") << int(StatoLavagna::Opzione::Parole) << 0.0 << 0.0;
    QTest::newRow("computer's time: the clock stands") << int(StatoLavagna::Opzione::Computer) << 0.0 << 0.0;
    QTest::newRow("time passed: none yet") << int(StatoLavagna::Opzione::Passato) << 0.0 << 0.0;
}

void TestLavagna::interruttori()
{
    QFETCH(int, opzione);
    QFETCH(double, da);
    QFETCH(double, a);
    TestWindow tw(QSize(1280, 1024), 36000 + 20 * 60 + 40);
    tw.c<QToolButton>("cmdLavagna")->click();
    frmLavagna* l = tw.w->lavagna();
    l->resize(1280, 800);
    StatoLavagna* stato = l->stato();
    // The clock follows the computer at 10:20:40 on the minute: standing still keeps its time.
    tw.tickAt(36000 + 20 * 60);
    const auto scelta = static_cast<StatoLavagna::Opzione>(opzione);
    std::array<bool, StatoLavagna::kOpzioni> prima{};
    for (int i = 0; i < StatoLavagna::kOpzioni; ++i)
        prima[i] = stato->valore(static_cast<StatoLavagna::Opzione>(i));
    const bool dodici = tw.stato()->dodiciOre();
    const auto stile = tw.stato()->stile();
    const QImage faccia = l->quadrante()->grab().toImage();
    QSignalSpy avvisi(stato, &StatoLavagna::opzioneCambiata);

    auto* chk = l->findChild<QCheckBox*>(QStringLiteral("chkOpzione_%1").arg(opzione));
    QCOMPARE(chk->isChecked(), prima[opzione]);
    chk->click();

    // Only that switch changed, once, and the box shows it.
    QCOMPARE(avvisi.count(), 1);
    QCOMPARE(avvisi.at(0).at(0).value<StatoLavagna::Opzione>(), scelta);
    for (int i = 0; i < StatoLavagna::kOpzioni; ++i)
        QCOMPARE(stato->valore(static_cast<StatoLavagna::Opzione>(i)), i == opzione ? !prima[i] : prima[i]);
    QCOMPARE(chk->isChecked(), !prima[opzione]);
    QCOMPARE(tw.stato()->TempoCorrente(), hm(10, 20));
    QCOMPARE(tw.stato()->dodiciOre(), dodici);
    QCOMPARE(tw.stato()->stile(), stile);

    // On the face, pixels changed only where the switch's things are.
    const QImage dopo = l->quadrante()->grab().toImage();
    const MisureQuadrante m = l->quadrante()->disegno().misure();
    const double dpr = dopo.devicePixelRatio();
    int cambiati = 0;
    for (int y = 0; y < dopo.height(); ++y)
        for (int x = 0; x < dopo.width(); ++x) {
            if (dopo.pixel(x, y) == faccia.pixel(x, y))
                continue;
            ++cambiati;
            const double r = std::hypot(x / dpr - m.centro.x(), y / dpr - m.centro.y()) / m.raggio;
            QVERIFY2(r >= da && r <= a, qPrintable(QStringLiteral("(%1, %2) at %3 R").arg(x).arg(y).arg(r)));
        }
    QCOMPARE(cambiati > 0, a > 0);

    // What the panel shows follows its switches.
    if (scelta == StatoLavagna::Opzione::Lettura)
        QCOMPARE(l->findChild<QLabel*>(QStringLiteral("lblLettura"))->isVisible(), !prima[opzione]);
    if (scelta == StatoLavagna::Opzione::Parole)
        QCOMPARE(l->findChild<QLabel*>(QStringLiteral("lblParole"))->isVisible(), !prima[opzione]);
    if (scelta == StatoLavagna::Opzione::Computer)
        QCOMPARE(tw.stato()->modo(), StatoOrologio::Modo::Manuale);
    if (scelta == StatoLavagna::Opzione::Passato)
        QCOMPARE(l->findChild<QLabel*>(QStringLiteral("lblPassato"))->text(),
                 QStringLiteral("Non è passato ancora nessun minuto"));
}

// ---------------------------------------------------------------- dragging and stepping

void TestLavagna::trascinaEPassi_data()
{
    QTest::addColumn<float>("da");
    QTest::addColumn<QString>("azione"); // a step button's name, or "minuti" / "ore" and an angle
    QTest::addColumn<double>("angolo");
    QTest::addColumn<QString>("attesa");
    QTest::newRow("minute hand to the quarter") << hm(10, 0) << "minuti" << 90.0 << "10:15";
    QTest::newRow("minute hand back over 12 at midnight") << hm(0, 5) << "minuti" << 330.0 << "23:55";
    QTest::newRow("minute hand forward over 12 at midnight") << hm(23, 50) << "minuti" << 30.0 << "0:05";
    QTest::newRow("hour hand to three, the shortest way") << hm(10, 0) << "ore" << 90.0 << "15:00";
    QTest::newRow("+15 over midnight") << hm(23, 50) << "cmdPasso_6" << 0.0 << "0:05";
    QTest::newRow("-15 over midnight") << hm(0, 5) << "cmdPasso_1" << 0.0 << "23:50";
    QTest::newRow("+1 to midnight, never 24:00") << hm(23, 59) << "cmdPasso_4" << 0.0 << "0:00";
    QTest::newRow("-1 from midnight") << hm(0, 0) << "cmdPasso_3" << 0.0 << "23:59";
    QTest::newRow("+5") << hm(8, 58) << "cmdPasso_5" << 0.0 << "9:03";
    QTest::newRow("-5") << hm(12, 2) << "cmdPasso_2" << 0.0 << "11:57";
    QTest::newRow("+1 h over midnight") << hm(23, 30) << "cmdPasso_7" << 0.0 << "0:30";
    QTest::newRow("-1 h over midnight") << hm(0, 30) << "cmdPasso_0" << 0.0 << "23:30";
}

void TestLavagna::trascinaEPassi()
{
    QFETCH(float, da);
    QFETCH(QString, azione);
    QFETCH(double, angolo);
    QFETCH(QString, attesa);
    TestWindow tw;
    // The clock follows the computer: the class clock makes it stand when the teacher moves it.
    tw.c<QToolButton>("cmdLavagna")->click();
    frmLavagna* l = tw.w->lavagna();
    l->resize(1280, 800);
    tw.tickAt(da);
    QCOMPARE(tw.stato()->modo(), StatoOrologio::Modo::TempoAttuale);
    QuadranteLavagna* q = l->quadrante();
    if (azione.startsWith(QLatin1String("cmdPasso"))) {
        l->findChild<QPushButton*>(azione)->click();
    } else {
        const bool minuti = azione == QLatin1String("minuti");
        const Lancetta lancetta = minuti ? Lancetta::Minuti : Lancetta::Ore;
        const QPointF c = q->disegno().misure().centro;
        const double r = q->disegno().raggio() * (minuti ? 0.5 : 0.3);
        const double partenza = AngoloLancetta(lancetta, da);
        QTest::mousePress(q, Qt::LeftButton, Qt::NoModifier, Verso(c, partenza, r).toPoint());
        QCOMPARE(q->lancettaPresa(), lancetta);
        // Carried round ten degrees at a time, the shortest way.
        double d = std::fmod(angolo - partenza + 540.0, 360.0) - 180.0;
        for (double g = 0; std::abs(g) < std::abs(d); g += (d > 0 ? 10 : -10))
            QTest::mouseMove(q, Verso(c, partenza + g, r).toPoint());
        QTest::mouseMove(q, Verso(c, angolo, r).toPoint());
        QTest::mouseRelease(q, Qt::LeftButton, Qt::NoModifier, Verso(c, angolo, r).toPoint());
        QCOMPARE(q->lancettaPresa(), Lancetta::Nessuna);
    }
    const float T = tw.stato()->TempoCorrente();
    QCOMPARE(hmm(T), attesa);
    QVERIFY(T < 86400.0f);
    // The main window shows the same clock, now standing still.
    QCOMPARE(tw.stato()->modo(), StatoOrologio::Modo::Manuale);
    QVERIFY(!l->stato()->valore(StatoLavagna::Opzione::Computer));
    QVERIFY(tw.c<QLabel>("lblDigitalClock")->text().startsWith(attesa.section(QLatin1Char(':'), 0, 0)));
}

void TestLavagna::tastiVoceEAnnunci()
{
    TestWindow tw;
    frmLavagna* l = ApriLavagna(tw, hm(15, 14));
    QuadranteLavagna* q = l->quadrante();
    LettoreSchermo lettore(q);
    QTest::keyClick(q, Qt::Key_Right);
    QTest::keyClick(q, Qt::Key_Up, Qt::ShiftModifier);
    QTest::keyClick(q, Qt::Key_PageUp);
    QCOMPARE(hmm(tw.stato()->TempoCorrente()), QStringLiteral("16:20"));
    // Each change the teacher makes is announced as on the main face.
    QCOMPARE(lettore.annunci(),
             (QStringList{QStringLiteral("Sono le 15:15"), QStringLiteral("Sono le 15:20"),
                          QStringLiteral("Sono le 16:20")}));
    l->findChild<QPushButton*>(QStringLiteral("cmdPasso_2"))->click();
    QCOMPARE(lettore.annunci().last(), QStringLiteral("Sono le 16:15"));
    // P says the time in a teacher's words; so does the loudspeaker.
    QTest::keyClick(q, Qt::Key_P);
    l->findChild<QPushButton*>(QStringLiteral("cmdAscoltaOra"))->click();
    QCOMPARE(tw.fake.speech->said, (QStringList(2, QStringLiteral("Sono le quattro e un quarto del pomeriggio"))));
    // The time passed is written and said.
    l->stato()->Imposta(StatoLavagna::Opzione::Passato, true);
    l->findChild<QPushButton*>(QStringLiteral("cmdPasso_6"))->click();
    l->findChild<QPushButton*>(QStringLiteral("cmdPasso_5"))->click();
    QCOMPARE(l->findChild<QLabel*>(QStringLiteral("lblPassato"))->text(), QStringLiteral("Sono passati venti minuti"));
    l->findChild<QPushButton*>(QStringLiteral("cmdDiciPassato"))->click();
    QCOMPARE(tw.fake.speech->said.last(), QStringLiteral("Sono passati venti minuti"));
    l->findChild<QPushButton*>(QStringLiteral("cmdAzzera"))->click();
    QCOMPARE(l->findChild<QLabel*>(QStringLiteral("lblPassato"))->text(),
             QStringLiteral("Non è passato ancora nessun minuto"));
    // Esc leaves; the main window follows what the class clock set.
    QTest::keyClick(q, Qt::Key_Escape);
    QVERIFY(!l->isVisible());
    QVERIFY(tw.c<QLabel>("lblDigitalClock")->text().startsWith(QStringLiteral("16:35")));
}

void TestLavagna::apertaDallaFinestraPrincipale_data()
{
    QTest::addColumn<QSize>("schermo");
    QTest::newRow("800x600, size factor 1") << QSize(800, 600);
    QTest::newRow("1280x1024, size factor 1.3") << QSize(1280, 1024);
    QTest::newRow("1920x1080") << QSize(1920, 1080);
}

void TestLavagna::apertaDallaFinestraPrincipale()
{
    QFETCH(QSize, schermo);
    TestWindow tw(schermo);
    tw.w->resize(schermo);
    auto* cmd = tw.c<QToolButton>("cmdLavagna");
    QVERIFY(QRect(QPoint(0, 0), schermo).contains(cmd->geometry()));
    // Its own place: beside the command panel, over nothing the window already has.
    const QRect r = cmd->geometry();
    for (QObject* o : tw.w->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (w && w != cmd && w->isVisible() && !w->isWindow())
            QVERIFY2(!w->geometry().intersects(r), qPrintable(w->objectName()));
    }
    QTest::keyClick(tw.w, Qt::Key_F11);
    QVERIFY(tw.w->lavagna() && tw.w->lavagna()->isVisible());
    tw.w->lavagna()->findChild<QPushButton*>(QStringLiteral("cmdEsci"))->click();
    QVERIFY(!tw.w->lavagna()->isVisible());
    // Not during the exercises: it would move the hands of the question.
    tw.c<QToolButton>("cmdTest")->click();
    QVERIFY(!cmd->isEnabled());
    QTest::keyClick(tw.w, Qt::Key_F11);
    QVERIFY(!tw.w->lavagna()->isVisible());
}

QTEST_MAIN(TestLavagna)
#include "tst_lavagna.moc"
