// The exercise controller without any window: the nine questions of the final test
// played against stand-ins of the clock and of the exercise area, with every message,
// numeral style, tick, the print window and the closing of the area in their order.

#include <QtTest>

#include "ControlloreEsercizi.h"
#include "Esercizi.h"
#include "FakePlatform.h"
#include "TempoMostrato.h"

namespace {

// The clock as the controller sees it: the shown time and a record of every request.
struct OrologioFinto : OrologioEsercizi {
    float T = 0;
    std::deque<float> casuali; // the random minutes, in order
    int ultimoDetto = 0;
    QVector<int> messaggi;
    QVector<int> stili;
    int stampe = 0;
    int chiusure = 0;
    bool chiuso = false;
    std::function<void(Messaggio)> suMessaggio;

    void ImpostaTempoCorrente(float t) override { T = t; }
    float OraCasuale() override
    {
        T = casuali.empty() ? 36000 : casuali.front();
        if (!casuali.empty())
            casuali.pop_front();
        return T;
    }
    OrologioMostrato oraMostrata() const override
    {
        const CampiOra c = DerivaCampi(T);
        return {T, c.ore, c.minuti};
    }
    int UltimoModoDiDire() const override { return ultimoDetto; }
    void RicordaModoDiDire(int n) override { ultimoDetto = n; }
    void MostraCmdTime(bool) override {}
    void SpostaMouse() override {}
    void FocusQuadrante() override {}
    void ImpostaStileProva(int stile) override { stili << stile; }
    void MostraMessaggio(Messaggio m) override
    {
        messaggi << static_cast<int>(m);
        if (suMessaggio)
            suMessaggio(m);
    }
    void ApriStampa() override { ++stampe; }
    void ChiudiEsercizi() override { ++chiusure; }
    bool inChiusura() const override { return chiuso; }
};

// The exercise area as the controller sees it: the boxes, the saying and the row.
struct VistaFinta : VistaEsercizi {
    bool caselle = true;
    QString h, m, orario;
    QVector<int> spunte; // the clocks of the row given a tick, in order
    int righe = 0;       // times the row of clocks was painted
    bool tipiAbilitati = true;

    void MostraCaselle(bool b) override { caselle = b; }
    bool caselleVisibili() const override { return caselle; }
    void ImpostaCaselle(const QString& o, const QString& mi) override { h = o, m = mi; }
    void BloccaCaselle(bool) override {}
    QString ore() const override { return h; }
    QString minuti() const override { return m; }
    void FocusCasella(int) override {}
    void FocusOK() override {}
    void MostraModoDiDire(const QString&, const QString& o) override { orario = o; }
    QString orarioModoDiDire() const override { return orario; }
    void MostraIstruzione(const QString&) override {}
    void ScriviPremiOK() override {}
    void FermaScrittura() override {}
    void SpuntaTipo(int) override {}
    void AbilitaTipi(bool a) override { tipiAbilitati = a; }
    void SvuotaPerProva() override { h.clear(), m.clear(), orario.clear(); }
    void DisegnaOrologiProva() override { ++righe; }
    void SegnaRispostaEsatta(int passo) override { spunte << passo; }
};

struct Partita {
    FakePlatform fake = FakePlatform::install();
    OrologioFinto orologio;
    VistaFinta vista;
    ControlloreEsercizi esercizi{orologio, vista};

    // Answers the question on screen, right or with the hours one off, and presses "OK!".
    void rispondi(bool giusta)
    {
        const int tipo = static_cast<int>(esercizi.tipoEsercizio());
        const int errore = giusta ? 0 : 3600;
        if (tipo == 0) {
            const int t = (static_cast<int>(orologio.T) + errore) % 86400;
            vista.h = QString::number(t / 3600);
            vista.m = QString::number(t % 3600 / 60);
        } else {
            int H = 0, M = 0;
            if (tipo == 1)
                H = vista.h.toInt(), M = vista.m.toInt();
            else
                OrarioModoDiDire(vista.orario, H, M);
            orologio.T = static_cast<float>((H * 3600 + M * 60 + errore) % 86400);
        }
        esercizi.cmdVerificaTest_Click();
    }
};

} // namespace

class TestControllore : public QObject {
    Q_OBJECT
private slots:
    void finalTest_data();
    void finalTest();
    void closedDuringAMessageStopsAtOnce();
};

void TestControllore::finalTest_data()
{
    // The answers, true for right, in the order the child gives them.
    QTest::addColumn<QVector<bool>>("risposte");
    QTest::addColumn<QVector<int>>("messaggi");
    QTest::addColumn<QVector<int>>("spunte");
    QTest::addColumn<int>("stampe");
    QTest::addColumn<short>("passo");

    const QVector<bool> nove(9, true);
    QTest::newRow("nine right answers") << nove << QVector<int>{6, 0, 0, 0, 0, 0, 0, 0, 0, 0, 8}
                                        << QVector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9} << 1 << short(9);
    QVector<bool> unErrore = nove;
    unErrore.insert(4, false); // the fifth question, set by figures, wrong once
    QTest::newRow("one error allowed") << unErrore << QVector<int>{6, 0, 0, 0, 0, 9, 0, 0, 0, 0, 0, 8}
                                       << QVector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9} << 1 << short(9);
    QTest::newRow("two errors end the test")
        << QVector<bool>{true, false, true, true, true, true, true, false} << QVector<int>{6, 0, 9, 0, 0, 0, 0, 0, 7}
        << QVector<int>{1, 2, 3, 4, 5, 6} << 0 << short(-1);
    QTest::newRow("two errors on one saying")
        << QVector<bool>{true, true, true, true, true, true, false, false} << QVector<int>{6, 0, 0, 0, 0, 0, 0, 9, 7}
        << QVector<int>{1, 2, 3, 4, 5, 6} << 0 << short(-1);
}

void TestControllore::finalTest()
{
    QFETCH(QVector<bool>, risposte);
    QFETCH(QVector<int>, messaggi);
    QFETCH(QVector<int>, spunte);
    QFETCH(int, stampe);
    QFETCH(short, passo);

    Partita p;
    QSignalSpy domande(&p.esercizi, &ControlloreEsercizi::domandaPronta);
    // Reading questions at 9:12, 15:40 and 23:05; setting questions at 6:30, 12:00, 0:01.
    p.orologio.casuali = {33120, 56400, 83100, 23400, 43200, 60};
    p.esercizi.optTest_Click(3);
    QVERIFY(p.esercizi.provaInCorso());
    QVERIFY(!p.vista.tipiAbilitati);
    QCOMPARE(p.vista.righe, 1);
    for (bool giusta : risposte)
        p.rispondi(giusta);

    QCOMPARE(p.orologio.messaggi, messaggi);
    QCOMPARE(p.vista.spunte, spunte);
    QCOMPARE(p.orologio.stampe, stampe);
    QCOMPARE(p.esercizi.passoProva(), passo);
    // The test ends by closing the area, whether passed or lost.
    QCOMPARE(p.orologio.chiusure, 1);
    // Three readings, three settings by figures, three sayings, each trio in Arabic,
    // Roman numerals, then dots: the style is set before every question.
    const int poste = passo == 9 ? 9 : static_cast<int>(spunte.size()) + 1;
    QVector<int> tipi;
    for (const QList<QVariant>& d : std::as_const(domande))
        tipi << d.at(0).toInt();
    QCOMPARE(tipi, (QVector<int>{0, 0, 0, 1, 1, 1, 2, 2, 2}.mid(0, poste)));
    QCOMPARE(p.orologio.stili, (QVector<int>{1, 2, 0, 1, 2, 0, 1, 2, 0}.mid(0, poste)));
}

void TestControllore::closedDuringAMessageStopsAtOnce()
{
    Partita p;
    p.orologio.casuali = {33120};
    // The program is closed while "Risposta esatta!" is on screen.
    p.orologio.suMessaggio = [&p](Messaggio m) {
        if (m == Messaggio::RispostaEsatta)
            p.orologio.chiuso = true;
    };
    p.esercizi.optTest_Click(3);
    p.rispondi(true);
    QCOMPARE(p.orologio.messaggi, (QVector<int>{6, 0}));
    QCOMPARE(p.esercizi.passoProva(), short(0));
    // No tick, no next question, no style, no closing of an area that is already gone.
    QVERIFY(p.vista.spunte.isEmpty());
    QCOMPARE(p.orologio.stili, QVector<int>{1});
    QCOMPARE(p.orologio.chiusure, 0);
}

QTEST_MAIN(TestControllore)
#include "tst_controllore.moc"
