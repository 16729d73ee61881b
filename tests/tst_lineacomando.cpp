// SPDX-License-Identifier: GPL-3.0-or-later
// The command line: help and version in Italian on standard output with code 0,
// anything unknown refused on standard error with the usage and code 2, and no
// options at all starting the program.

#include <QtTest>

#include "LineaComando.h"
#include "versione.h"

class TestLineaComando : public QObject {
    Q_OBJECT
private slots:
    void esamina_data();
    void esamina();
    void testiInItaliano();
    void schede_data();
    void schede();
    void lavagna_data();
    void lavagna();
};

void TestLineaComando::esamina_data()
{
    QTest::addColumn<QStringList>("argomenti");
    QTest::addColumn<bool>("avvia");
    QTest::addColumn<int>("codice");
    QTest::addColumn<QString>("uscita"); // a piece of standard output ("" = nothing written)
    QTest::addColumn<QString>("errori"); // a piece of standard error ("" = nothing written)

    const QString aiuto = QStringLiteral("Uso: tempolino");
    const QString versione = QStringLiteral("Tempolino " TEMPOLINO_VERSIONE "\n");
    const QString p = QStringLiteral("/usr/bin/tempolino");
    QTest::newRow("no options") << QStringList{p} << true << 0 << ""
                                << "";
    QTest::newRow("no arguments at all") << QStringList{} << true << 0 << ""
                                         << "";
    QTest::newRow("--help") << QStringList{p, QStringLiteral("--help")} << false << 0 << aiuto << "";
    QTest::newRow("-h") << QStringList{p, QStringLiteral("-h")} << false << 0 << aiuto << "";
    QTest::newRow("--version") << QStringList{p, QStringLiteral("--version")} << false << 0 << versione << "";
    QTest::newRow("-v") << QStringList{p, QStringLiteral("-v")} << false << 0 << versione << "";
    QTest::newRow("help wins over a window-system option")
        << QStringList{p, QStringLiteral("-platform"), QStringLiteral("offscreen"), QStringLiteral("-h")} << false << 0
        << aiuto << "";
    QTest::newRow("Qt's -platform is left to Qt")
        << QStringList{p, QStringLiteral("-platform"), QStringLiteral("offscreen")} << true << 0 << ""
        << "";
    QTest::newRow("Qt's -display is left to Qt")
        << QStringList{p, QStringLiteral("-display"), QStringLiteral(":5")} << true << 0 << ""
        << "";
    QTest::newRow("unknown long option") << QStringList{p, QStringLiteral("--colore")} << false << 2 << ""
                                         << "tempolino: opzione sconosciuta: --colore\nUso:";
    QTest::newRow("unknown short option") << QStringList{p, QStringLiteral("-x")} << false << 2 << ""
                                          << "tempolino: opzione sconosciuta: -x\nUso:";
    QTest::newRow("unknown option after a good one")
        << QStringList{p, QStringLiteral("-v"), QStringLiteral("--niente")} << false << 2 << ""
        << "opzione sconosciuta: --niente";
    QTest::newRow("an argument that is no option") << QStringList{p, QStringLiteral("foto.png")} << false << 2 << ""
                                                   << "tempolino: argomento inatteso: foto.png\nUso:";
    QTest::newRow("option without its value") << QStringList{p, QStringLiteral("-platform")} << false << 2 << ""
                                              << "all'opzione -platform manca il valore";
    QTest::newRow("the name it was started by")
        << QStringList{QStringLiteral("./build/tempolino-prova"), QStringLiteral("--x")} << false << 2 << ""
        << "tempolino-prova: opzione";
}

void TestLineaComando::esamina()
{
    QFETCH(QStringList, argomenti);
    QFETCH(bool, avvia);
    QFETCH(int, codice);
    QFETCH(QString, uscita);
    QFETCH(QString, errori);
    const LineaComando::Esito e = LineaComando::Esamina(argomenti);
    QCOMPARE(e.avvia, avvia);
    QCOMPARE(e.codice, codice);
    if (uscita.isEmpty())
        QVERIFY2(e.uscita.isEmpty(), qPrintable(e.uscita));
    else
        QVERIFY2(e.uscita.contains(uscita), qPrintable(e.uscita));
    if (errori.isEmpty())
        QVERIFY2(e.errori.isEmpty(), qPrintable(e.errori));
    else
        QVERIFY2(e.errori.contains(errori), qPrintable(e.errori));
    // A refusal always shows how to use the program.
    if (codice == 2)
        QVERIFY(e.errori.endsWith(LineaComando::Aiuto()));
}

// The help names every option it accepts, says what the program is, and is in Italian.
void TestLineaComando::testiInItaliano()
{
    const QString a = LineaComando::Aiuto();
    for (const char* parola : {"-h, --help", "-v, --version", "-platform", "-display", "orologio", "Opzioni:",
                               "Senza opzioni", "--schede", "--scheda CODICE", "--nuova-scheda", "--pdf FILE.pdf"})
        QVERIFY2(a.contains(QLatin1String(parola)), parola);
    for (const char* inglese : {"Usage", "Options", "Displays", "version information"})
        QVERIFY2(!a.contains(QLatin1String(inglese)), inglese);
    // Fits a terminal of 80 columns.
    for (const QString& riga : a.split(QLatin1Char('\n')))
        QVERIFY2(riga.size() <= 80, qPrintable(riga));
    QVERIFY(LineaComando::Versione().startsWith(QStringLiteral("Tempolino ")));
}

// The worksheets' options: what starts, and each way they are refused.
void TestLineaComando::schede_data()
{
    using Modo = LineaComando::Esito::Modo;
    QTest::addColumn<QStringList>("opzioni");
    QTest::addColumn<int>("modo");
    QTest::addColumn<int>("codice");
    QTest::addColumn<QString>("errori");
    const QString buono = CodiceScheda{SceltaScheda{}, 321}.testo();
    QString sbagliato = buono;
    sbagliato[0] = sbagliato[0] == QLatin1Char('2') ? QLatin1Char('3') : QLatin1Char('2');
    const QString pdf = QStringLiteral("/tmp/scheda.pdf");
    const auto m = [](Modo modo) { return static_cast<int>(modo); };
    QTest::newRow("the window alone") << QStringList{QStringLiteral("--schede")} << m(Modo::FinestraSchede) << 0 << "";
    QTest::newRow("a code's sheet") << QStringList{QStringLiteral("--scheda"), buono, QStringLiteral("--pdf"), pdf}
                                    << m(Modo::SchedaPdf) << 0 << "";
    QTest::newRow("a new sheet") << QStringList{QStringLiteral("--nuova-scheda"), QStringLiteral("--pdf"), pdf}
                                 << m(Modo::SchedaPdf) << 0 << "";
    QTest::newRow("a wrong code: one line")
        << QStringList{QStringLiteral("--scheda"), sbagliato, QStringLiteral("--pdf"), pdf} << m(Modo::Orologio) << 2
        << "tempolino: Il codice non è giusto";
    QTest::newRow("a cut code") << QStringList{QStringLiteral("--scheda"), buono.left(5), QStringLiteral("--pdf"), pdf}
                                << m(Modo::Orologio) << 2 << "tempolino: Il codice di una scheda ha 9";
    QTest::newRow("no file") << QStringList{QStringLiteral("--nuova-scheda")} << m(Modo::Orologio) << 2
                             << "manca --pdf";
    QTest::newRow("a file alone") << QStringList{QStringLiteral("--pdf"), pdf} << m(Modo::Orologio) << 2
                                  << "--pdf va con";
    QTest::newRow("two at once") << QStringList{QStringLiteral("--scheda"), buono, QStringLiteral("--nuova-scheda"),
                                                QStringLiteral("--pdf"), pdf}
                                 << m(Modo::Orologio) << 2 << "non vanno insieme";
    QTest::newRow("a code without its value")
        << QStringList{QStringLiteral("--scheda")} << m(Modo::Orologio) << 2 << "all'opzione --scheda manca il valore";
}

void TestLineaComando::schede()
{
    QFETCH(QStringList, opzioni);
    QFETCH(int, modo);
    QFETCH(int, codice);
    QFETCH(QString, errori);
    const LineaComando::Esito e = LineaComando::Esamina(QStringList{QStringLiteral("tempolino")} + opzioni);
    QCOMPARE(e.codice, codice);
    QCOMPARE(e.avvia, codice == 0);
    QCOMPARE(static_cast<int>(e.modo), modo);
    if (errori.isEmpty()) {
        QVERIFY2(e.errori.isEmpty(), qPrintable(e.errori));
    } else {
        QVERIFY2(e.errori.startsWith(errori) || e.errori.contains(errori), qPrintable(e.errori));
    }
    // A wrong code is one line, without the usage.
    if (errori.contains(QStringLiteral("codice")))
        QCOMPARE(e.errori.count(QLatin1Char('\n')), 1);
    if (modo == static_cast<int>(LineaComando::Esito::Modo::SchedaPdf))
        QCOMPARE(e.filePdf, QStringLiteral("/tmp/scheda.pdf"));
}

// --lavagna starts the program with the class clock open; only when the program starts.
void TestLineaComando::lavagna_data()
{
    QTest::addColumn<QStringList>("argomenti");
    QTest::addColumn<bool>("avvia");
    QTest::addColumn<bool>("lavagna");
    const QString p = QStringLiteral("tempolino");
    QTest::newRow("without it") << QStringList{p} << true << false;
    QTest::newRow("--lavagna") << QStringList{p, QStringLiteral("--lavagna")} << true << true;
    QTest::newRow("-lavagna, as Qt's options") << QStringList{p, QStringLiteral("-lavagna")} << true << true;
    QTest::newRow("with Qt's -display")
        << QStringList{p, QStringLiteral("-display"), QStringLiteral(":5"), QStringLiteral("--lavagna")} << true
        << true;
    QTest::newRow("--version wins") << QStringList{p, QStringLiteral("--lavagna"), QStringLiteral("-v")} << false
                                    << false;
    QTest::newRow("with an argument") << QStringList{p, QStringLiteral("--lavagna"), QStringLiteral("10:10")} << false
                                      << false;
}

void TestLineaComando::lavagna()
{
    QFETCH(QStringList, argomenti);
    QFETCH(bool, avvia);
    QFETCH(bool, lavagna);
    const LineaComando::Esito e = LineaComando::Esamina(argomenti);
    QCOMPARE(e.avvia, avvia);
    QCOMPARE(e.lavagna, lavagna);
    QVERIFY(LineaComando::Aiuto().contains(QStringLiteral("--lavagna")));
}

QTEST_GUILESS_MAIN(TestLineaComando)
#include "tst_lineacomando.moc"
