// SPDX-License-Identifier: GPL-3.0-or-later
// The two side windows opened from the main window's command panel: the curiosities
// window (with the clock paused while it is open) and the information window with
// its version, platform line, help button and links.

#include <QScrollBar>
#include <QTemporaryDir>
#include <QUrlQuery>
#include <QtTest>

#include "FakePlatform.h"
#include "Risorse.h"
#include "TestWindow.h"
#include "frmAbout.h"
#include "frmClock.h"
#include "frmExt.h"
#include "modTempolino.h"
#include "versione.h"

class TestSideWindows : public QObject {
    Q_OBJECT

private slots:
    void curiositaFermaEFaRipartireLOrologio_data();
    void curiositaFermaEFaRipartireLOrologio();
    void curiositaRiapertaRipartedaVuota();
    void curiositaMostraIlTesto();
    void curiositaPrimoFocusSulGiorno();
    void chiudiChiudeLeCuriosita();

    void informazioniDalPannello_data();
    void informazioniDalPannello();
    void informazioniTesti();
    void percorsoProgramma_data();
    void percorsoProgramma();
    void pulsanteGuida_data();
    void pulsanteGuida();
    void pagineAggiuntaMentreIlProgrammaGira();
    void azioniChiudonoLaFinestra_data();
    void azioniChiudonoLaFinestra();
};

// ---------------------------------------------------------------- curiosities

void TestSideWindows::curiositaFermaEFaRipartireLOrologio_data()
{
    QTest::addColumn<int>("modo");
    QTest::addColumn<bool>("suoni");
    QTest::newRow("tempo attuale") << 1 << true;
    QTest::newRow("tempo attuale, senza suoni") << 1 << false;
    QTest::newRow("regolato a mano") << 0 << true;
}

void TestSideWindows::curiositaFermaEFaRipartireLOrologio()
{
    QFETCH(int, modo);
    QFETCH(bool, suoni);

    TestWindow tw(QSize(1024, 768), 10 * 3600.0);
    frmClock* w = tw.w;
    QTimer* tmrClock = tw.c<QTimer>("tmrClock");
    tw.c<OptionGroup>("grpCtrTime")->select(modo);
    tw.stato()->ImpostaSuoniAttivi(suoni);
    const bool correvaPrima = tmrClock->isActive();
    QCOMPARE(correvaPrima, modo == 1);
    const float tempoPrima = w->stato()->TempoCorrente();
    tw.fake.sound->played.clear();

    bool correvaDurante = true;
    tw.fake.dialogs->onModal = [&](QDialog& d) {
        correvaDurante = tmrClock->isActive();
        // Time goes by while the window is open; a stopped clock does not follow it.
        tw.fake.clock->advance(90);
        QCoreApplication::processEvents();
        return int(d.result());
    };
    QTest::mouseClick(tw.c("cmdCuriosità"), Qt::LeftButton);

    QCOMPARE(tw.fake.dialogs->modalShown, QStringList{QStringLiteral("frmExt")});
    QVERIFY(!correvaDurante);
    QCOMPARE(tmrClock->isActive(), modo == 1);
    if (modo == 0)
        QCOMPARE(w->stato()->TempoCorrente(), tempoPrima);
    QCOMPARE(tw.fake.sound->count(106), suoni ? 1 : 0);
    QCOMPARE(w->focusWidget(), tw.c("p1"));
}

void TestSideWindows::curiositaRiapertaRipartedaVuota()
{
    TestWindow tw;
    int apertura = 0;
    QString risultato;
    bool vuotaAllaRiapertura = false;
    tw.fake.dialogs->onModal = [&](QDialog& d) {
        auto& ext = static_cast<frmExt&>(d);
        if (apertura++ == 0) {
            QTest::keyClicks(ext.txtdata[0], QStringLiteral("15"));
            QTest::keyClicks(ext.txtdata[1], QStringLiteral("03"));
            QTest::keyClicks(ext.txtdata[2], QStringLiteral("2010"));
            QTest::mouseClick(ext.cmdData, Qt::LeftButton);
            risultato = ext.lblDati->text();
            ext.txtCuriosita->verticalScrollBar()->setValue(ext.txtCuriosita->verticalScrollBar()->maximum());
            QTest::mouseClick(ext.cmdEsci, Qt::LeftButton);
        } else {
            vuotaAllaRiapertura = ext.txtdata[0]->text().isEmpty() && ext.txtdata[1]->text().isEmpty()
                && ext.txtdata[2]->text().isEmpty() && ext.lblDati->text().isEmpty()
                && ext.txtCuriosita->verticalScrollBar()->value() == 0;
        }
        return 0;
    };
    QTest::mouseClick(tw.c("cmdCuriosità"), Qt::LeftButton);
    QVERIFY(risultato.startsWith(QStringLiteral("Il tuo giorno di nascita è stato di: Lunedì")));
    QTest::mouseClick(tw.c("cmdCuriosità"), Qt::LeftButton);
    QVERIFY(vuotaAllaRiapertura);
    QCOMPARE(tw.fake.dialogs->modalShown.size(), 2);
}

void TestSideWindows::curiositaMostraIlTesto()
{
    FakePlatform::install();
    frmExt ext;
    QCOMPARE(ext.objectName(), QStringLiteral("frmExt"));
    const QString atteso = Risorse::stringa(350).replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QVERIFY(atteso.size() > 2000);
    QCOMPARE(ext.txtCuriosita->toPlainText(), atteso);
    QVERIFY(ext.txtCuriosita->isReadOnly());
    QCOMPARE(ext.txtCuriosita->objectName(), QStringLiteral("txtCuriosità"));
    QVERIFY(ext.lblDati->text().isEmpty());
    QCOMPARE(ext.size(), QSize(488, 371));
    // The long text needs its scroll bar.
    ext.show();
    QVERIFY(ext.txtCuriosita->verticalScrollBar()->maximum() > 0);
}

void TestSideWindows::curiositaPrimoFocusSulGiorno()
{
    FakePlatform::install();
    frmExt ext;
    ext.show();
    QCOMPARE(ext.focusWidget(), ext.txtdata[0]);
    // Coming back to a box selects what it holds, so the next digits replace it.
    ext.txtdata[2]->setText(QStringLiteral("1995"));
    ext.txtdata_GotFocus(2);
    QCOMPARE(ext.txtdata[2]->selectedText(), QStringLiteral("1995"));
}

void TestSideWindows::chiudiChiudeLeCuriosita()
{
    FakePlatform::install();
    frmExt ext;
    ext.show();
    QTest::mouseClick(ext.cmdEsci, Qt::LeftButton);
    QVERIFY(!ext.isVisible());
}

// ---------------------------------------------------------------- information

void TestSideWindows::informazioniDalPannello_data()
{
    QTest::addColumn<bool>("suoni");
    QTest::newRow("con i suoni") << true;
    QTest::newRow("senza suoni") << false;
}

void TestSideWindows::informazioniDalPannello()
{
    QFETCH(bool, suoni);
    TestWindow tw;
    frmClock* w = tw.w;
    tw.stato()->ImpostaSuoniAttivi(suoni);
    tw.fake.sound->played.clear();
    QString titolo;
    tw.fake.dialogs->onModal = [&](QDialog& d) {
        titolo = d.windowTitle();
        return 0;
    };
    QTest::mouseClick(tw.c("cmdAbout"), Qt::LeftButton);
    QCOMPARE(tw.fake.dialogs->modalShown, QStringList{QStringLiteral("frmAbout")});
    QCOMPARE(titolo, QStringLiteral("Informazioni su.........."));
    QCOMPARE(tw.fake.sound->count(108), suoni ? 1 : 0);
    QCOMPARE(tw.fake.sound->played.size(), suoni ? 1 : 0);
    QCOMPARE(w->focusWidget(), tw.c("p1"));
}

void TestSideWindows::informazioniTesti()
{
    FakePlatform::install();
    frmAbout a;
    QCOMPARE(a.objectName(), QStringLiteral("frmAbout"));
    QCOMPARE(a.Label1[0]->text(), QStringLiteral("Tempolino"));
    QCOMPARE(a.Label1[1]->text(), QStringLiteral("Tempolino"));
    QCOMPARE(a.lblVersione->text(), QStringLiteral("Versione " TEMPOLINO_VERSIONE));
    QCOMPARE(frmAbout::TestoVersione(),
             QStringLiteral("Versione %1.%2.%3")
                 .arg(TEMPOLINO_VERSIONE_MAJOR)
                 .arg(TEMPOLINO_VERSIONE_MINOR)
                 .arg(TEMPOLINO_VERSIONE_PATCH));
    QVERIFY(a.Label5->text().startsWith(QStringLiteral("Applicazione a %1 bit per ").arg(int(sizeof(void*) * 8))));
    QVERIFY(a.Label5->text().size() > QStringLiteral("Applicazione a 64 bit per ").size());
    QCOMPARE(a.lblEmail->text(), QStringLiteral(TEMPOLINO_EMAIL));
    QCOMPARE(a.lblEmail->toolTip(), QStringLiteral("e-mail"));
    QCOMPARE(a.lblSito->toolTip(), QStringLiteral("sito Internet"));
    QVERIFY(a.lblEmail->font().underline() && a.lblEmail->font().bold());
    QVERIFY(a.lblSito->font().underline() && a.lblSito->font().bold());
    QCOMPARE(a.cmdEsci->text(), QStringLiteral("&Chiudi"));
    QCOMPARE(a.cmdEsci->toolTip(), QStringLiteral("Esci"));
    QCOMPARE(a.cmdGuida->toolTip(), QStringLiteral("Indicazioni didattiche"));
    QVERIFY(!a.imgProgramma->pixmap().isNull());
    QVERIFY(!a.imgMylogo->pixmap().isNull());
    QVERIFY(!a.cmdGuida->icon().isNull());
    QCOMPARE(a.size(), QSize(338, 298));
}

void TestSideWindows::percorsoProgramma_data()
{
    QTest::addColumn<QString>("cartella");
    QTest::addColumn<QString>("atteso");
    QTest::newRow("cartella") << "/opt/tempolino"
                              << "/opt/tempolino/";
    QTest::newRow("con la barra") << "/opt/tempolino/"
                                  << "/opt/tempolino/";
    QTest::newRow("radice") << "/"
                            << "/";
    QTest::newRow("radice di un'unità") << "C:\\"
                                        << "C:\\";
    QTest::newRow("unità con barra") << "C:/"
                                     << "C:/";
}

void TestSideWindows::percorsoProgramma()
{
    QFETCH(QString, cartella);
    QFETCH(QString, atteso);
    FakePlatform f = FakePlatform::install();
    f.desktop->folder = cartella;
    QCOMPARE(frmAbout::PercorsoProgramma(), atteso);
}

void TestSideWindows::pulsanteGuida_data()
{
    QTest::addColumn<bool>("presente");
    QTest::addColumn<bool>("barraFinale");
    QTest::newRow("pagina presente") << true << false;
    QTest::newRow("pagina presente, cartella con la barra") << true << true;
    QTest::newRow("pagina assente") << false << false;
}

void TestSideWindows::pulsanteGuida()
{
    QFETCH(bool, presente);
    QFETCH(bool, barraFinale);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString pagina = dir.path() + QStringLiteral("/Tempolino.htm");
    if (presente) {
        QFile f(pagina);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("<html><body>Tempolino</body></html>");
    }
    FakePlatform fake = FakePlatform::install();
    fake.desktop->folder = dir.path() + (barraFinale ? QStringLiteral("/") : QString());

    frmAbout a;
    QCOMPARE(a.cmdGuida->isEnabled(), presente);
    QCOMPARE(frmAbout::EsisteFile(pagina), presente);
    QCOMPARE(a.cmdGuida->toolTip(), QStringLiteral("Indicazioni didattiche"));
    if (!presente)
        return;
    a.show();
    QTest::mouseClick(a.cmdGuida, Qt::LeftButton);
    QCOMPARE(fake.desktop->opened.size(), 1);
    const QUrl url = fake.desktop->opened.first();
    QVERIFY(url.isLocalFile());
    QCOMPARE(url.toLocalFile(), pagina);
    QVERIFY(!url.toString().contains(QStringLiteral("//Tempolino")));
    QVERIFY(!a.isVisible());
}

void TestSideWindows::pagineAggiuntaMentreIlProgrammaGira()
{
    QTemporaryDir dir;
    FakePlatform fake = FakePlatform::install();
    fake.desktop->folder = dir.path();
    {
        frmAbout prima;
        QVERIFY(!prima.cmdGuida->isEnabled());
    }
    QFile f(dir.path() + QStringLiteral("/Tempolino.htm"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("<html></html>");
    f.close();
    frmAbout dopo;
    QVERIFY(dopo.cmdGuida->isEnabled());
}

void TestSideWindows::azioniChiudonoLaFinestra_data()
{
    QTest::addColumn<QString>("controllo");
    QTest::addColumn<bool>("gestoreInstallato");
    QTest::newRow("e-mail") << "lblEmail" << true;
    QTest::newRow("e-mail senza programma di posta") << "lblEmail" << false;
    QTest::newRow("sito") << "lblSito" << true;
    QTest::newRow("sito senza browser") << "lblSito" << false;
    QTest::newRow("chiudi") << "cmdEsci" << true;
}

void TestSideWindows::azioniChiudonoLaFinestra()
{
    QFETCH(QString, controllo);
    QFETCH(bool, gestoreInstallato);

    TestWindow tw;
    tw.fake.desktop->openSucceeds = gestoreInstallato;
    bool chiusaDallAzione = false;
    tw.fake.dialogs->onModal = [&](QDialog& d) {
        auto* c = d.findChild<QWidget*>(controllo);
        if (!c)
            return -1;
        QTest::mouseClick(c, Qt::LeftButton, {}, QPoint(c->width() / 2, c->height() / 2));
        chiusaDallAzione = !d.isVisible();
        return 0;
    };
    QTest::mouseClick(tw.c("cmdAbout"), Qt::LeftButton);
    QVERIFY(chiusaDallAzione);
    QVERIFY(tw.fake.dialogs->boxes.isEmpty());

    const QVector<QUrl>& aperti = tw.fake.desktop->opened;
    if (controllo == QLatin1String("cmdEsci")) {
        QVERIFY(aperti.isEmpty());
    } else if (controllo == QLatin1String("lblEmail")) {
        QCOMPARE(aperti.size(), 1);
        const QUrl url = aperti.first();
        QCOMPARE(url.scheme(), QStringLiteral("mailto"));
        QCOMPARE(url.path(), QStringLiteral(TEMPOLINO_EMAIL));
        QCOMPARE(QUrlQuery(url).queryItemValue(QStringLiteral("Subject"), QUrl::FullyDecoded),
                 QStringLiteral("Tempolino - Versione " TEMPOLINO_VERSIONE));
        QVERIFY(!url.toString(QUrl::FullyEncoded).contains(QLatin1Char(' ')));
    } else {
        QCOMPARE(aperti.size(), 1);
        QCOMPARE(aperti.first(), QUrl(QStringLiteral(TEMPOLINO_SITO)));
    }
}

QTEST_MAIN(TestSideWindows)
#include "tst_sidewindows.moc"
