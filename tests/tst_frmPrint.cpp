// SPDX-License-Identifier: GPL-3.0-or-later
// The print window: its controls, the numeral style and the minute numbers, the
// closing guard, a print that succeeds and every print error, on the stand-in
// printer that renders the page into a PDF.

#include <QClipboard>
#include <QtTest>

#include "ConsegnaStampa.h"
#include "ErroriStampa.h"
#include "FakePlatform.h"
#include "FoglioPdf.h"
#include "LetturaPdf.h"
#include "frmPrint.h"

Q_DECLARE_METATYPE(PrintError)

namespace {

const QString kDomanda =
    QStringLiteral("Attenzione: l'orologio non è stato stampato!\r\nSei sicuro di non volerlo stampare?");

enum class Modo { Chiudi, BoxDiChiusura, Esc };

void Chiudi(frmPrint& f, Modo modo)
{
    switch (modo) {
    case Modo::Chiudi:
        QTest::mouseClick(f.cmdEsci, Qt::LeftButton);
        break;
    case Modo::BoxDiChiusura:
        f.close();
        break;
    case Modo::Esc:
        QTest::keyClick(&f, Qt::Key_Escape);
        break;
    }
}

// Types a text key by key, accented letters included, as a child at the keyboard
// does: one key a code point, so an emoji arrives whole and a combining accent as a
// key of its own.
void Digita(QWidget* w, const QString& testo)
{
    for (const uint c : testo.toUcs4()) {
        const QString tasto = QString::fromUcs4(reinterpret_cast<const char32_t*>(&c), 1);
        QKeyEvent premi(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, tasto);
        QCoreApplication::sendEvent(w, &premi);
        QKeyEvent rilascia(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, tasto);
        QCoreApplication::sendEvent(w, &rilascia);
    }
}

} // namespace

Q_DECLARE_METATYPE(Modo)

class TestFrmPrint : public QObject {
    Q_OBJECT

    FakePlatform fake{};
    std::unique_ptr<frmPrint> f;

private slots:
    void init()
    {
        fake = FakePlatform::install();
        f = std::make_unique<frmPrint>();
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.get()));
    }
    void cleanup() { f.reset(); }

    void statoIniziale()
    {
        QCOMPARE(f->objectName(), QStringLiteral("frmPrint"));
        QCOMPARE(f->size(), QSize(302, 343));
        QVERIFY(f->optStileQuadrante[0]->isChecked());
        QVERIFY(!f->optStileQuadrante[1]->isChecked());
        QVERIFY(f->chkPrintMinuti->isChecked());
        QVERIFY(f->chkPrintMinuti->isEnabled());
        for (QLineEdit* t : f->txtDati)
            QVERIFY(t->text().isEmpty());
        QVERIFY(!f->Stampato);
        QVERIFY(f->TestoPiede.startsWith(QStringLiteral("Tempolino - Impara a leggere l'orologio")));
        QCOMPARE(f->cmdStampa->text(), QStringLiteral("Stampa &orologio!"));
        QCOMPARE(f->cmdEsci->text(), QStringLiteral("&Chiudi"));
        QCOMPARE(f->cmdEsci->toolTip(), QStringLiteral("Esci"));
        // The layout comes from the design in twips, 15 to a pixel.
        QCOMPARE(f->txtDati[0]->geometry(), QRect(81, 127, 201, 22));
        QCOMPARE(f->cmdStampa->geometry(), QRect(55, 248, 225, 33));
        QCOMPARE(f->cmdEsci->geometry(), QRect(124, 304, 78, 30));
        for (const char* nome : {"Label5_0", "Label5_1", "optStileQuadrante_0", "optStileQuadrante_1", "chkPrintMinuti",
                                 "txtDati_0", "txtDati_1", "cmdStampa", "cmdEsci"})
            QVERIFY2(f->findChild<QWidget*>(QString::fromLatin1(nome)), nome);
        for (const char* nome : {"imgPrinter", "imgCut", "Image1"}) {
            auto* img = f->findChild<QLabel*>(QString::fromLatin1(nome));
            QVERIFY2(img && !img->pixmap().isNull(), nome);
        }
        QCOMPARE(f->imgCut->size(), QSize(18, 11));
    }

    // Minute numbers go only with Arabic numerals; coming back leaves the box unchecked.
    void stileEMinuti()
    {
        QTest::mouseClick(f->optStileQuadrante[1], Qt::LeftButton);
        QVERIFY(!f->chkPrintMinuti->isChecked());
        QVERIFY(!f->chkPrintMinuti->isEnabled());
        QVERIFY(!f->OpzioniCorrenti().stampaMinuti);
        QVERIFY(f->OpzioniCorrenti().numeriRomani);

        QTest::mouseClick(f->optStileQuadrante[0], Qt::LeftButton);
        QVERIFY(f->chkPrintMinuti->isEnabled());
        QVERIFY(!f->chkPrintMinuti->isChecked());
        QVERIFY(!f->OpzioniCorrenti().numeriRomani);

        f->chkPrintMinuti->click();
        QVERIFY(f->OpzioniCorrenti().stampaMinuti);
    }

    // At most 20 characters as the child sees them: a letter with its accents and an
    // emoji with its modifiers are one each, and none is ever cut in half.
    void nomiAlPiuVentiCaratteri_data()
    {
        QTest::addColumn<QString>("prima"); // already in the box, cursor at its end
        QTest::addColumn<int>("cursore");   // where the cursor is put before typing or pasting; -1 at the end
        QTest::addColumn<QString>("nuovo");
        QTest::addColumn<bool>("incollato"); // pasted at once, or typed a character at a time
        QTest::addColumn<QString>("atteso");

        const QString e_acuta = QStringLiteral("e\u0301");              // e + combining acute accent
        const QString pollice = QStringLiteral("\U0001F44D\U0001F3FD"); // thumbs up, medium skin tone
        const QString famiglia =
            QStringLiteral("\U0001F468\u200D\U0001F469\u200D\U0001F467"); // one emoji, 8 code units
        const QString gufo = QStringLiteral("\U0001F989");                // an owl: two code units
        const QString bandiera = QStringLiteral("\U0001F1EE\U0001F1F9");  // the Italian flag
        const QString diciotto = QStringLiteral("Niccolò Maria Giov");    // 18 characters
        const QString a19 = QStringLiteral("a").repeated(19);
        QTest::newRow("typed, cut at 20")
            << "" << -1 << "Niccolò Maria Giovanni Battista" << false << "Niccolò Maria Giovan";
        QTest::newRow("pasted, cut at 20")
            << "" << -1 << "Niccolò Maria Giovanni Battista" << true << "Niccolò Maria Giovan";
        QTest::newRow("short name unchanged") << "" << -1 << "Zoë" << false << "Zoë";
        QTest::newRow("emoji as the 20th character, typed")
            << diciotto + u'a' << -1 << QString(gufo + gufo) << false << QString(diciotto + u'a' + gufo);
        QTest::newRow("emoji as the 20th character, pasted")
            << "" << -1 << QString(diciotto + u'a' + pollice + u'b') << true << QString(diciotto + u'a' + pollice);
        QTest::newRow("emoji past the 20th character, pasted")
            << "" << -1 << QString(diciotto + QLatin1String("ab") + pollice) << true
            << QString(diciotto + QLatin1String("ab"));
        QTest::newRow("twenty emoji of many code units")
            << "" << -1 << famiglia.repeated(25) << true << famiglia.repeated(20);
        QTest::newRow("flags stay pairs") << "" << -1 << bandiera.repeated(21) << true << bandiera.repeated(20);
        QTest::newRow("combining accent kept with its letter, pasted")
            << "" << -1 << a19 + e_acuta + u'x' << true << a19 + e_acuta;
        QTest::newRow("combining accent typed on the 20th letter")
            << a19 + u'e' << -1 << QStringLiteral("\u0301") << false << a19 + e_acuta;
        QTest::newRow("combining accent never cut from its letter")
            << a19 << -1 << QString(u'b' + e_acuta) << true << a19 + u'b';
        QTest::newRow("full box: typing in the middle adds nothing")
            << QStringLiteral("abcdefghij").repeated(2) << 5 << "XYZ" << false
            << QStringLiteral("abcdefghij").repeated(2);
        QTest::newRow("pasting in the middle keeps what was there")
            << QStringLiteral("abcdefghijklmnopq") << 3 << "XYZW" << true << QStringLiteral("abcXYZdefghijklmnopq");
    }
    void nomiAlPiuVentiCaratteri()
    {
        QFETCH(QString, prima);
        QFETCH(int, cursore);
        QFETCH(QString, nuovo);
        QFETCH(bool, incollato);
        QFETCH(QString, atteso);
        for (QLineEdit* t : f->txtDati) {
            t->setText(prima);
            if (cursore >= 0)
                t->setCursorPosition(cursore);
            if (incollato) {
                QGuiApplication::clipboard()->setText(nuovo);
                t->paste();
            } else {
                Digita(t, nuovo);
            }
            QCOMPARE(t->text(), atteso);
            QVERIFY(!t->text().contains(QChar::ReplacementCharacter));
        }
        QCOMPARE(f->OpzioniCorrenti().nome, atteso);
        QCOMPARE(f->OpzioniCorrenti().cognome, atteso);
    }

    void guardiaDiChiusura_data()
    {
        QTest::addColumn<Modo>("modo");
        QTest::addColumn<int>("risposta");
        QTest::addColumn<bool>("resta");
        const struct {
            Modo m;
            const char* nome;
        } modi[] = {{Modo::Chiudi, "&Chiudi"}, {Modo::BoxDiChiusura, "close box"}, {Modo::Esc, "Esc"}};
        for (const auto& m : modi) {
            QTest::addRow("%s, Yes", m.nome) << m.m << int(Dialogs::Yes) << false;
            QTest::addRow("%s, No", m.nome) << m.m << int(Dialogs::No) << true;
            QTest::addRow("%s, Cancel", m.nome) << m.m << int(Dialogs::Cancel) << true;
        }
    }
    void guardiaDiChiusura()
    {
        QFETCH(Modo, modo);
        QFETCH(int, risposta);
        QFETCH(bool, resta);
        fake.dialogs->answers.push_back(risposta);
        Chiudi(*f, modo);
        QCOMPARE(fake.dialogs->boxes.size(), 1);
        const auto& box = fake.dialogs->boxes[0];
        QCOMPARE(box.icon, Dialogs::Icon::Question);
        QCOMPARE(box.buttons, Dialogs::Buttons::YesNoCancel);
        QCOMPARE(box.title, QStringLiteral("Tempolino"));
        QCOMPARE(box.text, kDomanda);
        QCOMPARE(f->isVisible(), resta);
        if (resta) {
            // Still usable: a second try at closing asks again.
            Chiudi(*f, modo);
            QCOMPARE(fake.dialogs->boxes.size(), 2);
            QVERIFY(!f->isVisible());
        }
    }

    void stampaRiuscita()
    {
        QTest::mouseClick(f->optStileQuadrante[1], Qt::LeftButton);
        Digita(f->txtDati[0], QStringLiteral("Niccolò"));
        Digita(f->txtDati[1], QStringLiteral("Zoë"));
        QTest::mouseClick(f->cmdStampa, Qt::LeftButton);

        QCOMPARE(fake.dialogs->boxes.size(), 1);
        QCOMPARE(fake.dialogs->boxes[0].icon, Dialogs::Icon::Information);
        QCOMPARE(fake.dialogs->boxes[0].buttons, Dialogs::Buttons::Ok);
        QCOMPARE(fake.dialogs->boxes[0].text, QStringLiteral("Stampa inviata alla stampante."));
        QVERIFY(f->Stampato);
        QVERIFY(!f->isVisible());
        QCOMPARE(f->result(), int(QDialog::Accepted));
        QCOMPARE(fake.printers->printed.size(), 1);
        QCOMPARE(fake.printers->cancelled, 0);
        // The dial stands in the middle of the printable width: 210 - 5 - 7 mm.
        QCOMPARE(f->CentroX, 99.0f);
        QCOMPARE(f->CentroY, 98.5f);

        // The page carries the choices of the window.
        const auto parole = LeggiParolePdf(fake.printers->printed[0]);
        QVERIFY(!parole.isEmpty());
        const double sinistra = fake.printers->marginsMm.left(), alto = fake.printers->marginsMm.top();
        QRectF box;
        QCOMPARE(RigaPdf(parole, alto + 60, 0.5, &box), QStringLiteral("Niccolò"));
        QVERIFY(qAbs(box.center().x() - (sinistra + 99)) <= 0.5);
        QCOMPARE(RigaPdf(parole, alto + 70, 0.5, &box), QStringLiteral("Zoë"));
        QVERIFY(!ParoleDove(parole, [](const ParolaPdf& w) { return w.testo == QLatin1String("XII"); }).isEmpty());
        QVERIFY(ParoleDove(parole, [](const ParolaPdf& w) { return w.testo == QLatin1String("59"); }).isEmpty());
    }

    void erroriDiStampa_data()
    {
        QTest::addColumn<int>("fase"); // 0 choosing the printer, 1 while drawing, 2 sending
        QTest::addColumn<PrintError>("errore");
        QTest::addColumn<int>("numero");
        QTest::addColumn<QString>("descrizione");
        QTest::newRow("no default printer") << 0 << PrintError::NoDefaultPrinter << 1
                                            << "Nessuna stampante predefinita è installata. Installa una stampante e "
                                               "sceglila come predefinita.";
        QTest::newRow("job refused") << 2 << PrintError::JobRefused << 2
                                     << "La stampante non ha accettato il lavoro di stampa. Controlla le impostazioni "
                                        "della stampante e riprova.";
        QTest::newRow("no A4 portrait") << 0 << PrintError::PaperUnavailable << 3
                                        << "La stampante non può stampare su un foglio A4 in verticale. Scegli come "
                                           "predefinita una stampante che usa fogli A4.";
        QTest::newRow("fault while drawing") << 1 << PrintError::PrinterFault << 4
                                             << "La stampante segnala un problema: controlla che sia accesa, collegata "
                                                "e che abbia carta.";
        QTest::newRow("page not taken") << 2 << PrintError::NotSent << 6
                                        << "Il foglio non è stato consegnato alla stampante. Riprova tra qualche "
                                           "istante.";
        QTest::newRow("printer stopped") << 0 << PrintError::PrinterStopped << 7
                                         << "La stampante è ferma: è stata messa in pausa, oppure si è fermata per un "
                                            "guasto. Controlla che sia accesa e collegata, riattivala nelle "
                                            "impostazioni delle stampanti del computer e riprova.";
        QTest::newRow("queue refusing jobs") << 0 << PrintError::NotAcceptingJobs << 8
                                             << "La stampante è impostata per rifiutare nuovi lavori di stampa. Nelle "
                                                "impostazioni delle stampanti del computer falle accettare di nuovo i "
                                                "lavori, poi riprova.";
        QTest::newRow("spooler not running") << 0 << PrintError::SpoolerNotRunning << 9
                                             << "Il servizio di stampa del computer non è in funzione. Avvialo (o "
                                                "riavvia il computer), poi riprova.";
        QTest::newRow("job cancelled at once") << 2 << PrintError::JobCancelled << 10
                                               << "Il lavoro di stampa è stato annullato appena consegnato. Controlla "
                                                  "la coda della stampante e riprova.";
        QTest::newRow("job aborted at once") << 2 << PrintError::JobAborted << 11
                                             << "La stampante ha interrotto il lavoro di stampa per un errore. "
                                                "Controlla che sia accesa e collegata, poi riprova.";
        QTest::newRow("user not allowed") << 2 << PrintError::NotAllowed << 12
                                          << "Questo utente del computer non ha il permesso di stampare su questa "
                                             "stampante. Chiedi a chi gestisce il computer di darlo, poi riprova.";
        QTest::newRow("spooler not answering") << 0 << PrintError::SpoolerNoAnswer << 13
                                               << "Il servizio di stampa non risponde. Riprova tra qualche minuto, "
                                                  "oppure salva l'orologio come PDF per stamparlo più tardi.";
    }
    void erroriDiStampa()
    {
        QFETCH(int, fase);
        QFETCH(PrintError, errore);
        QFETCH(int, numero);
        QFETCH(QString, descrizione);
        (fase == 0       ? fake.printers->failOpen
             : fase == 1 ? fake.printers->failWhileDrawing
                         : fake.printers->failSending) = errore;
        Digita(f->txtDati[0], QStringLiteral("Zoë"));
        fake.dialogs->answers.push_back(Dialogs::Ok);
        fake.dialogs->answers.push_back(Dialogs::No);
        QTest::mouseClick(f->cmdStampa, Qt::LeftButton);

        // The error, then the closing guard; No keeps the window for another try.
        QCOMPARE(fake.dialogs->boxes.size(), 2);
        const auto& e = fake.dialogs->boxes[0];
        QCOMPARE(e.icon, Dialogs::Icon::Stop);
        QCOMPARE(e.buttons, Dialogs::Buttons::Ok);
        QCOMPARE(e.title, QStringLiteral("Tempolino"));
        QCOMPARE(e.text,
                 QStringLiteral(" Errore nella fase di stampa.\r\n") + descrizione
                     + QStringLiteral(" (Errore num. %1 )").arg(numero));
        QCOMPARE(ErroriStampa::Messaggio(errore), e.text);
        QCOMPARE(fake.dialogs->boxes[1].text, kDomanda);
        QVERIFY(f->isVisible());
        QVERIFY(!f->Stampato);
        QVERIFY(fake.printers->printed.isEmpty());
        QCOMPARE(fake.printers->cancelled, fase == 1 ? 1 : 0);

        // Nothing was lost: the name is still there and the next try prints.
        QCOMPARE(f->txtDati[0]->text(), QStringLiteral("Zoë"));
        fake.printers->failOpen = fake.printers->failWhileDrawing = fake.printers->failSending = PrintError::None;
        QTest::mouseClick(f->cmdStampa, Qt::LeftButton);
        QCOMPARE(fake.dialogs->boxes.size(), 3);
        QCOMPARE(fake.dialogs->boxes[2].text, QStringLiteral("Stampa inviata alla stampante."));
        QCOMPARE(fake.printers->printed.size(), 1);
        QVERIFY(!f->isVisible());
    }

    // "Salva come PDF…" beside the print button, in the free row of "&Chiudi", and the
    // question it asks.
    void salvaPdfBottoneEDomanda()
    {
        QCOMPARE(f->cmdSalvaPdf->text(), QStringLiteral("Salva come &PDF…"));
        QVERIFY(f->cmdSalvaPdf->isEnabled());
        QVERIFY(!f->cmdSalvaPdf->geometry().intersects(f->cmdEsci->geometry()));
        QVERIFY(!f->cmdSalvaPdf->geometry().intersects(f->cmdStampa->geometry()));
        QVERIFY(f->rect().contains(f->cmdSalvaPdf->geometry()));
        QVERIFY(f->cmdSalvaPdf->width() >= f->cmdSalvaPdf->sizeHint().width());
        for (QWidget* w : f->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (w != f->cmdSalvaPdf && w->isVisible())
                QVERIFY2(!w->geometry().intersects(f->cmdSalvaPdf->geometry()), qPrintable(w->objectName()));

        // Cancelled: nothing is written, nothing is said, the window stays unprinted.
        QTest::mouseClick(f->cmdSalvaPdf, Qt::LeftButton);
        QCOMPARE(fake.dialogs->saveQuestions.size(), 1);
        const auto& q = fake.dialogs->saveQuestions[0];
        QCOMPARE(QFileInfo(q.proposed).fileName(), QStringLiteral("Orologio da ritagliare.pdf"));
        QCOMPARE(q.proposed, frmPrint::FilePdfProposto());
        const QString documenti = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QCOMPARE(QFileInfo(q.proposed).absolutePath(), QDir(documenti).exists() ? documenti : QDir::homePath());
        QVERIFY(q.nameFilter.contains(QStringLiteral("*.pdf")));
        QVERIFY(fake.dialogs->boxes.isEmpty());
        QVERIFY(f->isVisible());
        QVERIFY(!f->Stampato);
        QCOMPARE(fake.printers->opened, 0);
    }

    // A saved PDF counts as printed: the window closes without the guard and says where
    // the file went; the page is the printed sheet, A4, in millimetres.
    void salvaPdfRiuscito_data()
    {
        QTest::addColumn<bool>("romani");
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("cognome");
        QTest::addColumn<bool>("esisteGia"); // a file of that name is there already
        QTest::newRow("Arabic with minutes, name and surname") << false << "Niccolò"
                                                               << "Zoë" << false;
        QTest::newRow("Roman, name only, over an older file") << true << "Matilde"
                                                              << "" << true;
    }
    void salvaPdfRiuscito()
    {
        QFETCH(bool, romani);
        QFETCH(QString, nome);
        QFETCH(QString, cognome);
        QFETCH(bool, esisteGia);
        QTemporaryDir cartella;
        const QString file = cartella.filePath(QStringLiteral("Orologio di prova.pdf"));
        if (esisteGia) {
            QFile vecchio(file);
            QVERIFY(vecchio.open(QIODevice::WriteOnly));
            vecchio.write("un vecchio file");
        }
        if (romani)
            QTest::mouseClick(f->optStileQuadrante[1], Qt::LeftButton);
        Digita(f->txtDati[0], nome);
        Digita(f->txtDati[1], cognome);
        fake.dialogs->saveAnswers.push_back(file);
        QTest::mouseClick(f->cmdSalvaPdf, Qt::LeftButton);

        QCOMPARE(fake.dialogs->boxes.size(), 1);
        const auto& box = fake.dialogs->boxes[0];
        QCOMPARE(box.icon, Dialogs::Icon::Information);
        QCOMPARE(box.buttons, Dialogs::Buttons::Ok);
        QCOMPARE(box.title, QStringLiteral("Tempolino"));
        QVERIFY2(box.text.contains(QDir::toNativeSeparators(file)), qPrintable(box.text));
        QVERIFY(f->Stampato);
        QVERIFY(!f->isVisible());
        QCOMPARE(f->result(), int(QDialog::Accepted));
        QCOMPARE(fake.printers->opened, 0);

        // One A4 page.
        QProcess info;
        info.start(QStringLiteral("pdfinfo"), {file});
        QVERIFY(info.waitForFinished(30000));
        const QString testoInfo = QString::fromUtf8(info.readAllStandardOutput());
        QVERIFY2(testoInfo.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))), qPrintable(testoInfo));
        QVERIFY2(testoInfo.contains(QStringLiteral("(A4)")), qPrintable(testoInfo));

        // The choices of the window, where the sheet puts them: the dial in the middle of
        // the page, the name 60 mm and the surname 70 mm below the drawing's top.
        const auto parole = LeggiParolePdf(file);
        QVERIFY(!parole.isEmpty());
        const double m = Foglio::kMarginePdf;
        // The words in the middle of the face, clear of the minute numbers round it.
        const auto centrali = ParoleDove(parole, [](const ParolaPdf& w) { return qAbs(w.centro().x() - 105) < 40; });
        QRectF riga;
        QCOMPARE(RigaPdf(centrali, m + 60, 0.5, &riga), nome);
        QVERIFY(qAbs(riga.center().x() - 105) <= 0.5);
        QCOMPARE(RigaPdf(centrali, m + 70, 0.5), cognome);
        QCOMPARE(RigaPdf(parole, m + 255, 0.5).left(5), QStringLiteral("Note:"));
        // The hour number at the top of the dial, over the middle of the page.
        const auto dodici = ParoleDove(parole, [romani](const ParolaPdf& w) {
            return w.testo == (romani ? QLatin1String("XII") : QLatin1String("12"))
                && qAbs(w.centro().x() - 105) <= 0.5;
        });
        QCOMPARE(dodici.size(), 1);
        QVERIFY(qAbs(dodici[0].centro().y() - (m + Foglio::CentroY - Foglio::RaggioOre)) <= 1.0);
        QCOMPARE(ParoleDove(parole, [](const ParolaPdf& w) { return w.testo == QLatin1String("59"); }).size(),
                 romani ? 0 : 1);

        // The same words as the page the printer gets for the same choices.
        f = std::make_unique<frmPrint>();
        if (romani)
            QTest::mouseClick(f->optStileQuadrante[1], Qt::LeftButton);
        f->txtDati[0]->setText(nome);
        f->txtDati[1]->setText(cognome);
        f->cmdStampa_Click();
        QCOMPARE(fake.printers->printed.size(), 1);
        QStringList stampate, salvate;
        for (const ParolaPdf& w : LeggiParolePdf(fake.printers->printed[0]))
            stampate << w.testo;
        for (const ParolaPdf& w : parole)
            salvate << w.testo;
        stampate.sort();
        salvate.sort();
        QCOMPARE(salvate, stampate);
    }

    // A file that cannot be written is a clear error; the window stays open, still
    // unprinted, and the next try with a good name saves.
    void salvaPdfNonRiuscito_data()
    {
        QTest::addColumn<QString>("sottopercorso"); // inside a fresh temporary folder
        QTest::addColumn<QString>("motivo");
        QTest::newRow("folder that does not exist") << "manca/orologio.pdf"
                                                    << "manca» non esiste";
        QTest::newRow("a folder of that name") << "cartella.pdf"
                                               << "c'è già una cartella";
    }
    void salvaPdfNonRiuscito()
    {
        QFETCH(QString, sottopercorso);
        QFETCH(QString, motivo);
        QTemporaryDir cartella;
        QVERIFY(QDir(cartella.path()).mkdir(QStringLiteral("cartella.pdf")));
        const QString cattivo = cartella.filePath(sottopercorso);
        const QString buono = cartella.filePath(QStringLiteral("buono.pdf"));
        fake.dialogs->saveAnswers = {cattivo, buono};
        QTest::mouseClick(f->cmdSalvaPdf, Qt::LeftButton);

        QCOMPARE(fake.dialogs->boxes.size(), 1);
        const auto& e = fake.dialogs->boxes[0];
        QCOMPARE(e.icon, Dialogs::Icon::Stop);
        QCOMPARE(e.title, QStringLiteral("Tempolino"));
        QVERIFY2(e.text.startsWith(QStringLiteral("L'orologio non è stato salvato.\r\n")), qPrintable(e.text));
        QVERIFY2(e.text.contains(motivo), qPrintable(e.text));
        QVERIFY(f->isVisible());
        QVERIFY(!f->Stampato);
        QVERIFY(!QFileInfo(cattivo).isFile());

        QTest::mouseClick(f->cmdSalvaPdf, Qt::LeftButton);
        QCOMPARE(fake.dialogs->boxes.size(), 2);
        QCOMPARE(fake.dialogs->boxes[1].icon, Dialogs::Icon::Information);
        QVERIFY(QFileInfo(buono).size() > 1000);
        QVERIFY(!f->isVisible());
    }

    // While the spooler keeps the page waiting, the window shows that it is printing and
    // answers, and does not close under the job; a spooler that answers in the end
    // prints, one that never does is print error 13 after the time limit, followed by
    // the closing guard, and the next press prints once it answers again.
    void attesaDelloSpooler_data()
    {
        QTest::addColumn<bool>("risponde");
        QTest::newRow("the spooler answers late") << true;
        QTest::newRow("the spooler never answers") << false;
    }
    void attesaDelloSpooler()
    {
        QFETCH(bool, risponde);
        fake.printers->waits = true;
        fake.printers->hold = true;
        f->findChild<ConsegnaStampa*>()->impostaLimite(risponde ? 60'000 : 100);
        Digita(f->txtDati[0], QStringLiteral("Ada"));
        fake.dialogs->answers = {Dialogs::Ok, Dialogs::No};
        QTest::mouseClick(f->cmdStampa, Qt::LeftButton);

        QVERIFY(f->StampaInCorso());
        QCOMPARE(f->cmdStampa->text(), QStringLiteral("Stampa in corso…"));
        for (QWidget* w : std::initializer_list<QWidget*>{f->cmdStampa, f->cmdSalvaPdf, f->cmdEsci, f->txtDati[0]})
            QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
        // Esc and the close box wait for the printer's answer.
        f->reject();
        f->close();
        QVERIFY(f->isVisible());
        QVERIFY(fake.dialogs->boxes.isEmpty());

        if (risponde) {
            fake.printers->hold = false;
            QTRY_COMPARE(fake.dialogs->boxes.size(), 1);
            QCOMPARE(fake.dialogs->boxes[0].text, QStringLiteral("Stampa inviata alla stampante."));
            QCOMPARE(fake.printers->printed.size(), 1);
            QVERIFY(f->Stampato);
            QVERIFY(!f->isVisible());
            return;
        }
        // The time limit runs on the stand-in clock.
        fake.clock->advance(0.2);
        QTRY_COMPARE(fake.dialogs->boxes.size(), 2);
        QCOMPARE(fake.dialogs->boxes[0].text, ErroriStampa::Messaggio(PrintError::SpoolerNoAnswer));
        QCOMPARE(fake.dialogs->boxes[1].text, kDomanda);
        QTRY_COMPARE(fake.printers->stopped.load(), 1);
        QVERIFY(f->isVisible());
        QVERIFY(!f->Stampato);
        QVERIFY(!f->StampaInCorso());
        QCOMPARE(f->cmdStampa->text(), QStringLiteral("Stampa &orologio!"));
        QVERIFY(f->cmdStampa->isEnabled() && f->cmdSalvaPdf->isEnabled() && f->cmdEsci->isEnabled());
        QCOMPARE(f->txtDati[0]->text(), QStringLiteral("Ada"));

        // The spooler is back: the reward is still there.
        fake.printers->hold = false;
        f->findChild<ConsegnaStampa*>()->impostaLimite(60'000);
        QTest::mouseClick(f->cmdStampa, Qt::LeftButton);
        QTRY_COMPARE(fake.dialogs->boxes.size(), 3);
        QCOMPARE(fake.dialogs->boxes[2].text, QStringLiteral("Stampa inviata alla stampante."));
        QCOMPARE(fake.printers->printed.size(), 1);
        QVERIFY(!f->isVisible());
    }

    // Yes after an error closes the window unprinted.
    void erroreELasciare()
    {
        fake.printers->failOpen = PrintError::NoDefaultPrinter;
        fake.dialogs->answers = {Dialogs::Ok, Dialogs::Yes};
        QTest::mouseClick(f->cmdStampa, Qt::LeftButton);
        QCOMPARE(fake.dialogs->boxes.size(), 2);
        QVERIFY(!f->isVisible());
        QVERIFY(!f->Stampato);
        QCOMPARE(f->result(), int(QDialog::Rejected));
    }

    // Every error of the table has its own description and number, and nothing
    // past the table passes for one.
    void tabellaErrori()
    {
        constexpr int kUltimo = static_cast<int>(PrintError::SpoolerNoAnswer);
        QStringList descrizioni;
        for (int n = 1; n <= kUltimo; ++n) {
            const QString d = ErroriStampa::Descrizione(static_cast<PrintError>(n));
            QVERIFY2(!d.isEmpty(), qPrintable(QString::number(n)));
            QVERIFY2(!descrizioni.contains(d), qPrintable(QString::number(n)));
            descrizioni << d;
            QVERIFY(ErroriStampa::Messaggio(static_cast<PrintError>(n))
                        .endsWith(QStringLiteral(" (Errore num. %1 )").arg(n)));
        }
        QVERIFY(ErroriStampa::Descrizione(PrintError::None).isEmpty());
        QVERIFY(ErroriStampa::Descrizione(static_cast<PrintError>(kUltimo + 1)).isEmpty());
    }
};

QTEST_MAIN(TestFrmPrint)
#include "tst_frmPrint.moc"
