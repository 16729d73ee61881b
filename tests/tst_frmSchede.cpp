// SPDX-License-Identifier: GPL-3.0-or-later
// The window "Schede per la classe": a code typed back brings the same sheet and
// choices, a wrong one is refused with one sentence, printing and saving give both
// pages and the window stays, and the information window leads to it.

#include <QApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "AnteprimaScheda.h"
#include "FakePlatform.h"
#include "frmAbout.h"
#include "frmSchede.h"

Q_DECLARE_METATYPE(CodiceScheda)
Q_DECLARE_METATYPE(PrintError)

namespace {

int Pagine(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {pdf});
    p.waitForFinished(30000);
    const QString info = QString::fromUtf8(p.readAllStandardOutput());
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("Pages: +(\\d+)")).match(info);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

CodiceScheda Codice(int tipi, Livello livello, int quanti, FormaOra forma, StileQuadrante numeri, int seme)
{
    CodiceScheda c;
    c.scelta = {tipi, livello, forma, quanti, numeri};
    c.seme = seme;
    return c;
}

} // namespace

class TestFrmSchede : public QObject {
    Q_OBJECT

    FakePlatform fake{};
    std::unique_ptr<frmSchede> f;

private slots:
    void init()
    {
        fake = FakePlatform::install();
        fake.random->scripted = {0.5};
        f = std::make_unique<frmSchede>();
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.get()));
    }
    void cleanup() { f.reset(); }

    void codiceRiaperto_data()
    {
        QTest::addColumn<CodiceScheda>("codice");
        QTest::newRow("tutti, ogni minuto, 12, 24 ore, romani")
            << Codice(31, Livello::OgniMinuto, 12, FormaOra::Ventiquattro, StileQuadrante::Romani, 16383);
        QTest::newRow("che ore saranno, ore intere, 4, punti")
            << Codice(16, Livello::OreIntere, 4, FormaOra::Maestra, StileQuadrante::Punti, 0);
    }
    void codiceRiaperto()
    {
        QFETCH(CodiceScheda, codice);
        // The window opens on a sheet of its default choices.
        QCOMPARE(f->Codice(), (CodiceScheda{SceltaScheda{}, CodiceScheda::kSemi / 2}));
        const QImage prima = f->anteprima->Immagine();
        f->txtCodice->clear();
        QTest::keyClicks(f->txtCodice, codice.testo().toLower());
        QTest::keyClick(f->txtCodice, Qt::Key_Return);
        QVERIFY(fake.dialogs->boxes.isEmpty());
        QCOMPARE(f->Codice(), codice);
        // The controls show the code's choices, and the preview its sheet.
        for (int i = 0; i < kNumeroTipiVoce; ++i)
            QCOMPARE(f->chkTipo[i]->isChecked(), codice.scelta.ha(static_cast<TipoVoce>(i)));
        QCOMPARE(f->cboLivello->currentIndex(), static_cast<int>(codice.scelta.livello));
        QCOMPARE(f->cboQuanti->currentText(), QString::number(codice.scelta.quanti));
        QCOMPARE(f->optForma[1]->isChecked(), codice.scelta.forma == FormaOra::Ventiquattro);
        QVERIFY(f->optNumeri[static_cast<int>(codice.scelta.numeri)]->isChecked());
        QCOMPARE(f->txtCodice->text(), codice.testo());
        QVERIFY(f->anteprima->Immagine() != prima);
        // A choice changed keeps the draw and changes the code.
        QTest::mouseClick(f->chkTipo[0], Qt::LeftButton);
        QCOMPARE(f->Codice().seme, codice.seme);
        QCOMPARE(f->txtCodice->text(), f->Codice().testo());
    }

    void codiceRifiutato_data()
    {
        QTest::addColumn<QString>("testo");
        const QString buono = CodiceScheda{SceltaScheda{}, 99}.testo();
        QTest::newRow("tagliato") << buono.left(6);
        QTest::newRow("fatto a mano") << QStringLiteral("ABC-DEF-GHJ");
        QTest::newRow("vuoto") << QString();
    }
    void codiceRifiutato()
    {
        QFETCH(QString, testo);
        const CodiceScheda prima = f->Codice();
        f->txtCodice->setText(testo);
        QTest::mouseClick(f->cmdApriCodice, Qt::LeftButton);
        QCOMPARE(fake.dialogs->boxes.size(), 1);
        QCOMPARE(fake.dialogs->boxes[0].icon, Dialogs::Icon::Stop);
        QVERIFY(!fake.dialogs->boxes[0].text.contains(QLatin1Char('\n')));
        QCOMPARE(f->Codice(), prima);
        QVERIFY(f->isVisible());
    }

    void stampa_data()
    {
        QTest::addColumn<PrintError>("errore");
        QTest::newRow("stampata") << PrintError::None;
        QTest::newRow("nessuna stampante") << PrintError::NoDefaultPrinter;
        QTest::newRow("coda ferma") << PrintError::PrinterStopped;
    }
    void stampa()
    {
        QFETCH(PrintError, errore);
        fake.printers->failOpen = errore;
        QSignalSpy conclusa(f.get(), &frmSchede::stampaConclusa);
        QTest::mouseClick(f->cmdStampa, Qt::LeftButton);
        QTRY_COMPARE(conclusa.size(), 1);
        QCOMPARE(conclusa[0][0].value<PrintError>(), errore);
        QCOMPARE(fake.dialogs->boxes.size(), 1);
        QCOMPARE(fake.dialogs->boxes[0].icon,
                 errore == PrintError::None ? Dialogs::Icon::Information : Dialogs::Icon::Stop);
        if (errore == PrintError::None) {
            QCOMPARE(fake.printers->printed.size(), 1);
            QCOMPARE(Pagine(fake.printers->printed[0]), 2);
        } else {
            QVERIFY(fake.printers->printed.isEmpty());
        }
        // The window stays, ready for another try.
        QVERIFY(f->isVisible());
        QVERIFY(f->cmdStampa->isEnabled());
    }

    void salva()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("scheda.pdf"));
        fake.dialogs->saveAnswers = {dir.filePath(QStringLiteral("manca/scheda.pdf")), file};
        QTest::mouseClick(f->cmdSalvaPdf, Qt::LeftButton);
        QTest::mouseClick(f->cmdSalvaPdf, Qt::LeftButton);
        QCOMPARE(fake.dialogs->saveQuestions.size(), 2);
        QVERIFY(fake.dialogs->saveQuestions[0].proposed.endsWith(QStringLiteral("/Schede ") + f->Codice().testo()
                                                                 + QStringLiteral(".pdf")));
        QCOMPARE(fake.dialogs->boxes.size(), 2);
        QVERIFY(fake.dialogs->boxes[0].text.startsWith(QStringLiteral("La scheda non è stata salvata.")));
        QCOMPARE(fake.dialogs->boxes[1].icon, Dialogs::Icon::Information);
        QCOMPARE(Pagine(file), 2);
        QVERIFY(f->isVisible());
    }

    void dalleInformazioni()
    {
        f.reset();
        frmAbout info;
        info.show();
        QTest::mouseClick(info.cmdSchede, Qt::LeftButton);
        QVERIFY(!info.isVisible());
        frmSchede* schede = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* s = qobject_cast<frmSchede*>(w); s && s->isVisible())
                schede = s;
        QVERIFY(schede);
        QCOMPARE(schede->windowTitle(), QStringLiteral("Tempolino - Schede per la classe"));
        // It goes when the teacher closes it.
        QPointer<frmSchede> guardia(schede);
        QTest::mouseClick(schede->cmdEsci, Qt::LeftButton);
        QTRY_VERIFY(guardia.isNull());
    }
};

QTEST_MAIN(TestFrmSchede)
#include "tst_frmSchede.moc"
