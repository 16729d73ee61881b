// SPDX-License-Identifier: GPL-3.0-or-later
// The worksheets' logic: the code and its refusals, the draw of the times, the
// answers of the key.

#include <QSet>
#include <QtTest>

#include "CodiceScheda.h"
#include "EstrazioneScheda.h"
#include "RisposteScheda.h"

Q_DECLARE_METATYPE(SceltaScheda)
Q_DECLARE_METATYPE(VoceScheda)

namespace {

int Tipi(std::initializer_list<TipoVoce> tipi)
{
    int bit = 0;
    for (TipoVoce t : tipi)
        bit |= 1 << static_cast<int>(t);
    return bit;
}

SceltaScheda Scelta(int tipi, Livello livello, int quanti, FormaOra forma = FormaOra::Maestra,
                    StileQuadrante numeri = StileQuadrante::Arabi)
{
    SceltaScheda s;
    s.tipi = tipi;
    s.livello = livello;
    s.quanti = quanti;
    s.forma = forma;
    s.numeri = numeri;
    return s;
}

constexpr int kTutti = (1 << kNumeroTipiVoce) - 1;

} // namespace

class TestSchede : public QObject {
    Q_OBJECT
private slots:
    void codiceTornaIndietro_data();
    void codiceTornaIndietro();
    void codiceRifiutato_data();
    void codiceRifiutato();
    void ogniErroreDiBattituraRifiutato();
    void estrazione_data();
    void estrazione();
    void estrazioneStabile();
    void risposte_data();
    void risposte();
    void traQuanto_data();
    void traQuanto();
};

void TestSchede::codiceTornaIndietro_data()
{
    QTest::addColumn<SceltaScheda>("scelta");
    QTest::addColumn<int>("seme");
    QTest::newRow("predefinita") << SceltaScheda{} << 0;
    QTest::newRow("tutti i tipi, ogni minuto, 24 ore, romani")
        << Scelta(kTutti, Livello::OgniMinuto, 12, FormaOra::Ventiquattro, StileQuadrante::Romani)
        << CodiceScheda::kSemi - 1;
    QTest::newRow("solo che ore saranno, ore intere, punti")
        << Scelta(Tipi({TipoVoce::CheOreSaranno}), Livello::OreIntere, 4, FormaOra::Maestra, StileQuadrante::Punti)
        << 4821;
    QTest::newRow("disegna il modo di dire, cinque minuti, 9")
        << Scelta(Tipi({TipoVoce::DisegnaDetto, TipoVoce::QuantoTempo}), Livello::CinqueMinuti, 9) << 77;
}

void TestSchede::codiceTornaIndietro()
{
    QFETCH(SceltaScheda, scelta);
    QFETCH(int, seme);
    const CodiceScheda codice{scelta, seme};
    const QString testo = codice.testo();
    QVERIFY2(QRegularExpression(QStringLiteral("^[0-9A-Z]{3}-[0-9A-Z]{3}-[0-9A-Z]{3}$")).match(testo).hasMatch(),
             qPrintable(testo));
    // Typed back as a teacher may type it: small letters, spaces, O for zero.
    QString battuto = testo.toLower();
    battuto.replace(QLatin1Char('-'), QLatin1Char(' '));
    battuto.replace(QLatin1Char('0'), QLatin1Char('o'));
    for (const QString& t : {testo, battuto}) {
        CodiceScheda letto;
        QCOMPARE(CodiceScheda::Leggi(t, letto), QString());
        QCOMPARE(letto, codice);
        QCOMPARE(EstraiScheda(letto), EstraiScheda(codice));
    }
}

void TestSchede::codiceRifiutato_data()
{
    QTest::addColumn<QString>("testo");
    const QString buono = CodiceScheda{SceltaScheda{}, 1234}.testo();
    QString cambiato = buono;
    cambiato[4] = cambiato[4] == QLatin1Char('7') ? QLatin1Char('8') : QLatin1Char('7');
    QString scambiato = buono;
    int i = 0;
    while (scambiato[i] == scambiato[i + 1] || scambiato[i] == QLatin1Char('-') || scambiato[i + 1] == QLatin1Char('-'))
        ++i;
    std::swap(scambiato[i], scambiato[i + 1]);
    QTest::newRow("vuoto") << QString();
    QTest::newRow("solo spazi") << QStringLiteral("  -  ");
    QTest::newRow("tagliato") << buono.left(7);
    QTest::newRow("troppo lungo") << buono + QLatin1Char('7');
    QTest::newRow("una cifra sbagliata") << cambiato;
    QTest::newRow("due vicine scambiate") << scambiato;
    QTest::newRow("fatto a mano") << QStringLiteral("AAA-AAA-AAA");
    QTest::newRow("tutti zeri") << QStringLiteral("000-000-000");
    QTest::newRow("un carattere che non c'è") << buono.left(10) + QLatin1Char('U');
    QTest::newRow("un segno") << buono.left(10) + QLatin1Char('?');
    // A right check over choices the program never writes, and over a later version.
    QTest::newRow("livello inesistente") << QStringLiteral("7ZG-G00-MM7");
    QTest::newRow("nessun tipo") << QStringLiteral("412-G00-8HV");
    QTest::newRow("numeri inesistenti") << QStringLiteral("4D3-G00-4QK");
    QTest::newRow("versione futura") << QStringLiteral("8D2-G00-Z0J");
}

void TestSchede::codiceRifiutato()
{
    QFETCH(QString, testo);
    const CodiceScheda prima{Scelta(kTutti, Livello::MezzOre, 9), 42};
    CodiceScheda codice = prima;
    const QString motivo = CodiceScheda::Leggi(testo, codice);
    QVERIFY2(!motivo.isEmpty(), qPrintable(testo));
    // One sentence, in Italian, ending with a full stop.
    QVERIFY2(!motivo.contains(QLatin1Char('\n')) && motivo.endsWith(QLatin1Char('.')), qPrintable(motivo));
    QCOMPARE(codice, prima);
}

void TestSchede::ogniErroreDiBattituraRifiutato()
{
    // Every character replaced by every other, and every two neighbours swapped: never
    // another sheet.
    const QString buono = CodiceScheda{Scelta(kTutti, Livello::Quarti, 12), 9001}.testo();
    const QString cifre = QStringLiteral("0123456789ABCDEFGHJKMNPQRSTVWXYZ");
    int provati = 0;
    for (int i = 0; i < buono.size(); ++i) {
        if (buono[i] == QLatin1Char('-'))
            continue;
        for (const QChar c : cifre) {
            if (c == buono[i])
                continue;
            QString t = buono;
            t[i] = c;
            CodiceScheda letto;
            QVERIFY2(!CodiceScheda::Leggi(t, letto).isEmpty(), qPrintable(t));
            ++provati;
        }
    }
    const QString senza = QString(buono).remove(QLatin1Char('-'));
    for (int i = 0; i + 1 < senza.size(); ++i) {
        if (senza[i] == senza[i + 1])
            continue;
        QString t = senza;
        std::swap(t[i], t[i + 1]);
        CodiceScheda letto;
        QVERIFY2(!CodiceScheda::Leggi(t, letto).isEmpty(), qPrintable(t));
    }
    QCOMPARE(provati, 9 * 31);
}

void TestSchede::estrazione_data()
{
    QTest::addColumn<SceltaScheda>("scelta");
    for (int l = 0; l < kNumeroLivelli; ++l) {
        const auto livello = static_cast<Livello>(l);
        for (int quanti : QuantitaPossibili())
            QTest::addRow("%s, %d orologi", qPrintable(NomeLivello(livello)), quanti)
                << Scelta(kTutti, livello, quanti);
    }
    QTest::newRow("solo disegna, ore intere, 12") << Scelta(Tipi({TipoVoce::Disegna}), Livello::OreIntere, 12);
    QTest::newRow("solo il modo di dire, ore intere, 9")
        << Scelta(Tipi({TipoVoce::DisegnaDetto}), Livello::OreIntere, 9);
    QTest::newRow("solo che ore saranno, ore intere, 12")
        << Scelta(Tipi({TipoVoce::CheOreSaranno}), Livello::OreIntere, 12);
}

void TestSchede::estrazione()
{
    QFETCH(SceltaScheda, scelta);
    const int passo = PassoDelLivello(scelta.livello);
    const QVector<TipoVoce> tipi = scelta.tipiScelti();
    // Many sheets of the same choices.
    for (int seme = 0; seme < CodiceScheda::kSemi; seme += 97) {
        const QVector<VoceScheda> voci = EstraiScheda({scelta, seme});
        QCOMPARE(voci.size(), scelta.quanti);
        QSet<int> posizioni;
        int pomeriggio = 0;
        QSet<TipoVoce> visti;
        for (const VoceScheda& v : voci) {
            const QString dove = QStringLiteral("seme %1, %2 +%3").arg(seme).arg(v.inizio).arg(v.durata);
            QVERIFY2(tipi.contains(v.tipo), qPrintable(dove));
            visti.insert(v.tipo);
            QVERIFY2(OrarioDelLivello(scelta.livello, v.inizio / 60, v.inizio % 60), qPrintable(dove));
            QVERIFY2(OrarioDelLivello(scelta.livello, v.fine() / 60, v.fine() % 60), qPrintable(dove));
            // No two clocks with the hands in the same place.
            QVERIFY2(!posizioni.contains(v.inizio % 720), qPrintable(dove));
            posizioni.insert(v.inizio % 720);
            pomeriggio += v.inizio >= 720;
            const bool dueOrologi = v.tipo == TipoVoce::QuantoTempo || v.tipo == TipoVoce::CheOreSaranno;
            if (dueOrologi) {
                QVERIFY2(v.durata >= passo && v.durata <= DurataMassima(scelta.livello) && v.durata % passo == 0,
                         qPrintable(dove));
                QVERIFY2(v.durata >= 2, qPrintable(dove));
            } else {
                QCOMPARE(v.durata, 0);
            }
            if (v.tipo == TipoVoce::Disegna || v.tipo == TipoVoce::DisegnaDetto)
                QVERIFY2(v.inizio != 0, qPrintable(dove));
            if (v.tipo == TipoVoce::CheOreSaranno)
                QVERIFY2(v.fine() != 0, qPrintable(dove));
        }
        // Spread over the day: about as many in each half (a drawn clock moved from
        // midnight to noon may tip it by one more).
        QVERIFY2(qAbs(2 * pomeriggio - scelta.quanti) <= 3, qPrintable(QString::number(seme)));
        QCOMPARE(visti.size(), qMin(tipi.size(), qsizetype(scelta.quanti)));
    }
}

void TestSchede::estrazioneStabile()
{
    // The draw of a code, written down once: a later version must give the same sheet.
    const CodiceScheda codice{Scelta(kTutti, Livello::CinqueMinuti, 6), 4821};
    QCOMPARE(codice.testo(), QStringLiteral("7XJ-MPN-EZ9"));
    QStringList voci;
    for (const VoceScheda& v : EstraiScheda(codice))
        voci << QStringLiteral("%1:%2+%3").arg(static_cast<int>(v.tipo)).arg(v.inizio).arg(v.durata);
    QCOMPARE(voci.join(QLatin1Char(' ')), QStringLiteral("0:125+0 0:1090+0 1:715+0 2:545+0 3:1070+55 4:830+110"));
}

void TestSchede::risposte_data()
{
    QTest::addColumn<VoceScheda>("voce");
    QTest::addColumn<FormaOra>("forma");
    QTest::addColumn<QString>("cifre");
    QTest::addColumn<QString>("parole");
    using T = TipoVoce;
    const auto M = FormaOra::Maestra;
    const auto V = FormaOra::Ventiquattro;
    QTest::newRow("leggi, pomeriggio") << VoceScheda{T::Leggi, 15 * 60 + 15, 0} << M
                                       << QStringLiteral("3:15 del pomeriggio")
                                       << QStringLiteral("Le tre e un quarto del pomeriggio");
    QTest::newRow("leggi, 24 ore") << VoceScheda{T::Leggi, 15 * 60, 0} << V << QStringLiteral("15:00")
                                   << QStringLiteral("Le quindici");
    QTest::newRow("disegna mezzogiorno") << VoceScheda{T::Disegna, 12 * 60 + 30, 0} << M
                                         << QStringLiteral("12:30 del pomeriggio")
                                         << QStringLiteral("Mezzogiorno e mezzo");
    QTest::newRow("tra: nell'ora dopo") << VoceScheda{T::CheOreSaranno, 10 * 60 + 50, 25} << V
                                        << QStringLiteral("11:15") << QStringLiteral("Le undici e un quarto");
    QTest::newRow("tra: oltre mezzogiorno")
        << VoceScheda{T::CheOreSaranno, 11 * 60 + 45, 75} << M << QStringLiteral("1:00 del pomeriggio")
        << QStringLiteral("L'una del pomeriggio");
    QTest::newRow("tra: oltre mezzanotte") << VoceScheda{T::CheOreSaranno, 23 * 60 + 30, 45} << V
                                           << QStringLiteral("0:15") << QStringLiteral("Mezzanotte e un quarto");
    QTest::newRow("tra: oltre mezzanotte, 12 ore")
        << VoceScheda{T::CheOreSaranno, 23 * 60 + 58, 7} << M << QStringLiteral("12:05 di notte")
        << QStringLiteral("Mezzanotte e cinque");
    QTest::newRow("passato: nell'ora") << VoceScheda{T::QuantoTempo, 8 * 60 + 5, 40} << M << QStringLiteral("40 minuti")
                                       << QStringLiteral("quaranta minuti");
    QTest::newRow("passato: oltre mezzogiorno")
        << VoceScheda{T::QuantoTempo, 11 * 60 + 40, 83} << M << QStringLiteral("1 ora e 23 minuti")
        << QStringLiteral("un'ora e ventitré minuti");
    QTest::newRow("passato: oltre mezzanotte")
        << VoceScheda{T::QuantoTempo, 22 * 60, 180} << V << QStringLiteral("3 ore") << QStringLiteral("tre ore");
    QTest::newRow("passato: un minuto") << VoceScheda{T::QuantoTempo, 59, 61} << V << QStringLiteral("1 ora e 1 minuto")
                                        << QStringLiteral("un'ora e un minuto");
}

void TestSchede::risposte()
{
    QFETCH(VoceScheda, voce);
    QFETCH(FormaOra, forma);
    QFETCH(QString, cifre);
    QFETCH(QString, parole);
    const TestoVoce t = TestiVoce(voce, forma);
    QCOMPARE(t.rispostaCifre, cifre);
    QCOMPARE(t.rispostaParole, parole);
    QVERIFY(!t.domanda.isEmpty() && !t.dato.isEmpty());
}

void TestSchede::traQuanto_data()
{
    QTest::addColumn<int>("minuti");
    QTest::addColumn<QString>("frase");
    QTest::newRow("25 minuti") << 25 << QStringLiteral("tra 25 minuti");
    QTest::newRow("un quarto d'ora") << 15 << QStringLiteral("tra un quarto d'ora");
    QTest::newRow("mezz'ora") << 30 << QStringLiteral("tra mezz'ora");
    QTest::newRow("tre quarti d'ora") << 45 << QStringLiteral("tra tre quarti d'ora");
    QTest::newRow("un'ora") << 60 << QStringLiteral("tra un'ora");
    QTest::newRow("un'ora e un quarto") << 75 << QStringLiteral("tra un'ora e un quarto");
    QTest::newRow("due ore e mezza") << 150 << QStringLiteral("tra due ore e mezza");
    QTest::newRow("un'ora e 7 minuti") << 67 << QStringLiteral("tra un'ora e 7 minuti");
}

void TestSchede::traQuanto()
{
    QFETCH(int, minuti);
    QFETCH(QString, frase);
    QCOMPARE(TraQuanto(minuti), frase);
}

QTEST_GUILESS_MAIN(TestSchede)
#include "tst_schede.moc"
