// SPDX-License-Identifier: GPL-3.0-or-later
// Prints the cut-out sheet on the system's default printer through the print
// window, as the child does after the final test, and writes where every word of
// the page should land. The process-level printing test runs it against a real
// print spooler.
//
//   stampa_foglio <expected-words-file> [name] [surname] [--romani] [--limite=ms]
//
// The expected file has one word a line, tab-separated: the word, the left edge
// and the baseline of its box on the sheet and its font size, in millimetres, and
// the style of its font (R regular, B bold, I italic). The
// printable area is written to standard output as "AREA: left top width" (mm).
// Message boxes are answered with their default button (OK, and Yes to leave
// without printing) and written to standard output, one "MESSAGGIO:" line each,
// followed by whether the sheet counts as printed ("STAMPATO: si|no") and whether
// the window closed ("FINESTRA: chiusa|aperta"). While the page goes to the spooler
// a timer of the window's thread ticks every 10 ms: "RISPOSTA: ms" is the longest the
// window went without answering, "ATTESA: ms" how long the printing took; --limite
// sets how long the spooler may take before the window gives up. The exit status is 0 when the page
// was sent, 1 when the window reported a print error, 2 on bad use.

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextStream>
#include <QTimer>
#include <algorithm>
#include <cstdio>

#include "ConsegnaStampa.h"
#include "FoglioOrologio.h"
#include "Platform.h"
#include "frmPrint.h"

namespace {

// Answers every message box at once and keeps its text.
class DialoghiAutomatici : public Dialogs {
public:
    QStringList testi;
    int messageBox(QWidget*, Icon, const QString&, const QString& text, Buttons buttons) override
    {
        testi << text;
        std::printf("MESSAGGIO: %s\n", qPrintable(QString(text).replace(QLatin1String("\r\n"), QLatin1String(" | "))));
        std::fflush(stdout);
        return buttons == Buttons::Ok ? Ok : Yes;
    }
    int execModal(QDialog& dialog) override { return dialog.exec(); }
    // This tool prints; it never saves the sheet as a file.
    QString saveFileName(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
};

// Every word of the sheet's texts with the top-left corner of its box on the sheet.
bool ScriviParoleAttese(const QString& file, const Foglio::OpzioniFoglio& base)
{
    QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    printer.setFullPage(false);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    const QRectF area = printer.pageLayout().paintRect(QPageLayout::Millimeter);
    Foglio::OpzioniFoglio opzioni = base;
    opzioni.larghezzaStampabile = area.width();
    const Foglio::MisuraTesto misura = Foglio::MisuraSuDispositivo(&printer);
    std::printf("AREA: %.3f %.3f %.3f\n", area.left(), area.top(), area.width());

    QFile f(file);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return false;
    QTextStream out(&f);
    for (const Foglio::Elemento& e : Foglio::ComponiFoglio(opzioni, misura)) {
        if (e.tipo != Foglio::Elemento::Tipo::Testo)
            continue;
        const double ascent =
            QFontMetricsF(Foglio::FontFoglio(e.carattere), &printer).ascent() * 25.4 / printer.logicalDpiY();
        const char stile = e.carattere.grassetto ? 'B' : e.carattere.corsivo ? 'I' : 'R';
        int i = 0;
        while (i < e.testo.size()) {
            while (i < e.testo.size() && e.testo[i].isSpace())
                ++i;
            int j = i;
            while (j < e.testo.size() && !e.testo[j].isSpace())
                ++j;
            if (j > i) {
                const double dx = misura(e.testo.left(i), e.carattere).width();
                out << e.testo.mid(i, j - i) << '\t' << QString::number(area.left() + e.p.x() + dx, 'f', 3) << '\t'
                    << QString::number(area.top() + e.p.y() + ascent, 'f', 3) << '\t'
                    << QString::number(e.carattere.punti * 25.4 / 72, 'f', 4) << '\t' << stile << '\n';
            }
            i = j;
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        std::fprintf(stderr, "use: stampa_foglio <expected-words-file> [name] [surname] [--romani] [--limite=ms]\n");
        return 2;
    }
    QStringList nomi;
    bool romani = false;
    int limiteMs = 0;
    for (const QString& a : args.mid(1)) {
        if (a == QLatin1String("--romani"))
            romani = true;
        else if (a.startsWith(QLatin1String("--limite=")))
            limiteMs = a.mid(9).toInt();
        else
            nomi << a;
    }

    auto dialoghi = std::make_unique<DialoghiAutomatici>();
    DialoghiAutomatici* registro = dialoghi.get();
    platform().dialogs = std::move(dialoghi);

    frmPrint finestra;
    finestra.show();
    if (romani)
        finestra.optStileQuadrante[1]->click();
    for (int i = 0; i < 2 && i < nomi.size(); ++i)
        finestra.txtDati[i]->setText(nomi[i]);
    const Foglio::OpzioniFoglio opzioni = finestra.OpzioniCorrenti();

    if (limiteMs > 0)
        finestra.findChild<ConsegnaStampa*>()->impostaLimite(limiteMs);
    QElapsedTimer orologio;
    orologio.start();
    finestra.cmdStampa->click();
    // The sheet goes to the spooler off the window's thread: the window answers meanwhile.
    // A timer of the window's thread measures how long it went without answering.
    qint64 ultimo = orologio.elapsed(), lentezza = ultimo;
    if (finestra.StampaInCorso()) {
        QTimer battito;
        QObject::connect(&battito, &QTimer::timeout, &battito, [&] {
            lentezza = std::max(lentezza, orologio.elapsed() - ultimo);
            ultimo = orologio.elapsed();
        });
        battito.start(10);
        QEventLoop attesa;
        QObject::connect(&finestra, &frmPrint::stampaConclusa, &attesa, &QEventLoop::quit);
        attesa.exec();
    }
    std::printf("RISPOSTA: %lld\nATTESA: %lld\n", static_cast<long long>(lentezza),
                static_cast<long long>(orologio.elapsed()));
    std::printf("STAMPATO: %s\nFINESTRA: %s\n", finestra.Stampato ? "si" : "no",
                finestra.isVisible() ? "aperta" : "chiusa");
    std::fflush(stdout);
    if (!finestra.Stampato)
        return 1;
    if (!registro->testi.contains(QStringLiteral("Stampa inviata alla stampante.")))
        return 1;
    if (!ScriviParoleAttese(args[0], opzioni)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(args[0]));
        return 2;
    }
    return 0;
}
