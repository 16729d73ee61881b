// SPDX-License-Identifier: GPL-3.0-or-later
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
    void SpuntaTipo(SceltaEsercizio) override {}
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
        const TipoDomanda tipo = esercizi.tipoEsercizio();
        const int errore = giusta ? 0 : 3600;
        if (tipo == TipoDomanda::Lettura) {
            const int t = (static_cast<int>(orologio.T) + errore) % 86400;
            vista.h = QString::number(t / 3600);
            vista.m = QString::number(t % 3600 / 60);
        } else {
            int H = 0, M = 0;
            if (tipo == TipoDomanda::Impostazione)
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
};

void TestControllore::finalTest_data()
{
    // The answers, true for right, in the order the child gives them.
    QTest::addColumn<QVector<bool>>("risposte");
    QTest::addColumn<QVector<int>>("messaggi");
    QTest::addColumn<QVector<int>>("spunte");
    QTest::addColumn<int>("stampe");
    QTest::addColumn<bool>("superata");

    const QVector<bool> nove(9, true);
    QTest::newRow("nine right answers") << nove << QVector<int>{6, 0, 0, 0, 0, 0, 0, 0, 0, 0, 8}
                                        << QVector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9} << 1 << true;
    QVector<bool> unErrore = nove;
    unErrore.insert(4, false); // the fifth question, set by figures, wrong once
    QTest::newRow("one error allowed") << unErrore << QVector<int>{6, 0, 0, 0, 0, 9, 0, 0, 0, 0, 0, 8}
                                       << QVector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9} << 1 << true;
    QTest::newRow("two errors end the test")
        << QVector<bool>{true, false, true, true, true, true, true, false} << QVector<int>{6, 0, 9, 0, 0, 0, 0, 0, 7}
        << QVector<int>{1, 2, 3, 4, 5, 6} << 0 << false;
    QTest::newRow("two errors on one saying")
        << QVector<bool>{true, true, true, true, true, true, false, false} << QVector<int>{6, 0, 0, 0, 0, 0, 0, 9, 7}
        << QVector<int>{1, 2, 3, 4, 5, 6} << 0 << false;
}

void TestControllore::finalTest()
{
    QFETCH(QVector<bool>, risposte);
    QFETCH(QVector<int>, messaggi);
    QFETCH(QVector<int>, spunte);
    QFETCH(int, stampe);
    QFETCH(bool, superata);

    Partita p;
    QSignalSpy domande(&p.esercizi, &ControlloreEsercizi::domandaPronta);
    // Reading questions at 9:12, 15:40 and 23:05; setting questions at 6:30, 12:00, 0:01.
    p.orologio.casuali = {33120, 56400, 83100, 23400, 43200, 60};
    p.esercizi.optTest_Click(SceltaEsercizio::TestFinale);
    QVERIFY(p.esercizi.provaInCorso());
    QVERIFY(p.esercizi.faseProva() == FaseProva::InCorso);
    QVERIFY(!p.vista.tipiAbilitati);
    QCOMPARE(p.vista.righe, 1);
    for (bool giusta : risposte)
        p.rispondi(giusta);

    QCOMPARE(p.orologio.messaggi, messaggi);
    QCOMPARE(p.vista.spunte, spunte);
    QCOMPARE(p.orologio.stampe, stampe);
    // The right answers counted, and how the test ended; it still counts as the test
    // until the area opens again.
    QCOMPARE(p.esercizi.passoProva(), static_cast<int>(spunte.size()));
    QVERIFY(p.esercizi.faseProva() == (superata ? FaseProva::Superata : FaseProva::Persa));
    QVERIFY(p.esercizi.provaInCorso());
    // The test ends by closing the area, whether passed or lost.
    QCOMPARE(p.orologio.chiusure, 1);
    // Three readings, three settings by figures, three sayings, each trio in Arabic,
    // Roman numerals, then dots: the style is set before every question.
    const int poste = superata ? 9 : static_cast<int>(spunte.size()) + 1;
    QVector<int> tipi;
    for (const QList<QVariant>& d : std::as_const(domande))
        tipi << static_cast<int>(d.at(0).value<TipoDomanda>());
    QCOMPARE(tipi, (QVector<int>{0, 0, 0, 1, 1, 1, 2, 2, 2}.mid(0, poste)));
    QCOMPARE(p.orologio.stili, (QVector<int>{1, 2, 0, 1, 2, 0, 1, 2, 0}.mid(0, poste)));
}

QTEST_MAIN(TestControllore)
#include "tst_controllore.moc"
