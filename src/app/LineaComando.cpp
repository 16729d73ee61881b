// SPDX-License-Identifier: GPL-3.0-or-later
#include "LineaComando.h"

#include <QCommandLineParser>

#include "versione.h"

namespace {

// The program's name in messages: the one it was started by, without its folder.
QString NomeProgramma(const QStringList& argomenti)
{
    if (argomenti.isEmpty())
        return QStringLiteral("tempolino");
    const QString nome = argomenti.constFirst().section(QLatin1Char('/'), -1);
    return nome.isEmpty() ? QStringLiteral("tempolino") : nome;
}

// The worksheets' options, once the others have been read.
template <typename Rifiuta>
LineaComando::Esito EsaminaSchede(const QCommandLineParser& parser, LineaComando::Esito esito, const Rifiuta& rifiuta,
                                  const QString& nome)
{
    using Modo = LineaComando::Esito::Modo;
    const bool schede = parser.isSet(QStringLiteral("schede"));
    const bool scheda = parser.isSet(QStringLiteral("scheda"));
    const bool nuova = parser.isSet(QStringLiteral("nuova-scheda"));
    const bool pdf = parser.isSet(QStringLiteral("pdf"));
    if (int(schede) + int(scheda) + int(nuova) > 1)
        return rifiuta(QStringLiteral("--schede, --scheda e --nuova-scheda non vanno insieme"));
    if (schede) {
        if (pdf)
            return rifiuta(QStringLiteral("--pdf va con --scheda o --nuova-scheda"));
        esito.modo = Modo::FinestraSchede;
        return esito;
    }
    if (!scheda && !nuova) {
        if (pdf)
            return rifiuta(QStringLiteral("--pdf va con --scheda o --nuova-scheda"));
        return esito;
    }
    if (!pdf || parser.value(QStringLiteral("pdf")).isEmpty())
        return rifiuta(QStringLiteral("manca --pdf FILE.pdf, il file da scrivere"));
    esito.modo = Modo::SchedaPdf;
    esito.filePdf = parser.value(QStringLiteral("pdf"));
    esito.nuovaScheda = nuova;
    if (scheda) {
        // A wrong code is said in one line, without the usage: the options were right.
        const QString motivo = CodiceScheda::Leggi(parser.value(QStringLiteral("scheda")), esito.codiceScheda);
        if (!motivo.isEmpty()) {
            esito.avvia = false;
            esito.codice = 2;
            esito.modo = Modo::Orologio;
            esito.errori = nome + QStringLiteral(": ") + motivo + QLatin1Char('\n');
        }
    }
    return esito;
}

} // namespace

QString LineaComando::Aiuto()
{
    return QStringLiteral("Uso: tempolino [opzione]\n"
                          "       tempolino --scheda CODICE --pdf FILE.pdf\n"
                          "       tempolino --nuova-scheda --pdf FILE.pdf\n"
                          "\n"
                          "Tempolino insegna ai bambini a leggere l'orologio con le lancette: un grande\n"
                          "orologio, esercizi per leggere e impostare l'ora, una prova finale e un\n"
                          "orologio da stampare (o salvare come PDF) e ritagliare.\n"
                          "Senza opzioni il programma si apre.\n"
                          "\n"
                          "Opzioni:\n"
                          "  -h, --help         mostra questo aiuto ed esce\n"
                          "  -v, --version      mostra la versione ed esce\n"
                          "  --lavagna          apre subito l'orologio per la classe, a tutto schermo\n"
                          "  -platform NOME     sceglie il sistema grafico di Qt (xcb, wayland, offscreen)\n"
                          "  -display SCHERMO   lo schermo X11 su cui aprire le finestre\n"
                          "\n"
                          "Schede per la classe:\n"
                          "  --schede           apre solo la finestra delle schede per la classe\n"
                          "  --scheda CODICE    scrive in un PDF la scheda di un codice, con le soluzioni\n"
                          "  --nuova-scheda     scrive in un PDF una scheda nuova e ne stampa il codice\n"
                          "  --pdf FILE.pdf     il file PDF da scrivere, senza aprire finestre\n"
                          "\n"
                          "Esce con 0 quando tutto va bene, 1 quando non trova uno schermo o non\n"
                          "può scrivere il file, 2 quando riceve un'opzione che non conosce o un\n"
                          "codice di scheda sbagliato.\n");
}

QString LineaComando::Versione()
{
    return QStringLiteral("Tempolino " TEMPOLINO_VERSIONE "\n");
}

LineaComando::Esito LineaComando::Esamina(const QStringList& argomenti)
{
    QCommandLineParser parser;
    // Qt's own options have one dash and a long name (-platform, -display); so do ours.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption aiuto(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption versione(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    // Left for the application object, which reads them itself.
    const QCommandLineOption piattaforma(QStringLiteral("platform"), QString(), QStringLiteral("nome"));
    const QCommandLineOption schermo(QStringLiteral("display"), QString(), QStringLiteral("schermo"));
    const QCommandLineOption schede(QStringLiteral("schede"));
    const QCommandLineOption scheda(QStringLiteral("scheda"), QString(), QStringLiteral("codice"));
    const QCommandLineOption nuovaScheda(QStringLiteral("nuova-scheda"));
    const QCommandLineOption pdf(QStringLiteral("pdf"), QString(), QStringLiteral("file"));
    parser.addOptions({aiuto, versione, piattaforma, schermo, schede, scheda, nuovaScheda, pdf});
    const QCommandLineOption lavagna(QStringLiteral("lavagna"));
    parser.addOption(lavagna);

    Esito esito;
    const QString nome = NomeProgramma(argomenti);
    const auto rifiuta = [&](const QString& motivo) {
        esito.avvia = false;
        esito.codice = 2;
        esito.errori = nome + QStringLiteral(": ") + motivo + QLatin1Char('\n') + Aiuto();
        return esito;
    };

    // The program's own name is not an argument to look at; an empty list has none.
    QStringList daLeggere = argomenti;
    if (daLeggere.isEmpty())
        daLeggere << nome;
    if (!parser.parse(daLeggere)) {
        const QStringList sconosciute = parser.unknownOptionNames();
        if (!sconosciute.isEmpty()) {
            const QString prima = sconosciute.constFirst();
            return rifiuta(QStringLiteral("opzione sconosciuta: %1%2")
                               .arg(prima.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"), prima));
        }
        // The only other failure: an option that needs a value was given none.
        for (const QString& o : {QStringLiteral("platform"), QStringLiteral("display")})
            if (daLeggere.contains(QLatin1Char('-') + o) || daLeggere.contains(QStringLiteral("--") + o))
                return rifiuta(QStringLiteral("all'opzione -%1 manca il valore").arg(o));
        for (const QString& o : {QStringLiteral("scheda"), QStringLiteral("pdf")})
            if (daLeggere.contains(QLatin1Char('-') + o) || daLeggere.contains(QStringLiteral("--") + o))
                return rifiuta(QStringLiteral("all'opzione --%1 manca il valore").arg(o));
        return rifiuta(QStringLiteral("argomenti non validi"));
    }
    if (!parser.positionalArguments().isEmpty())
        return rifiuta(QStringLiteral("argomento inatteso: %1").arg(parser.positionalArguments().constFirst()));
    if (parser.isSet(aiuto)) {
        esito.avvia = false;
        esito.uscita = Aiuto();
        return esito;
    }
    if (parser.isSet(versione)) {
        esito.avvia = false;
        esito.uscita = Versione();
        return esito;
    }
    esito.lavagna = parser.isSet(lavagna);
    return EsaminaSchede(parser, esito, rifiuta, nome);
}
