// SPDX-License-Identifier: GPL-3.0-or-later
#include "ComposizioneScheda.h"

#include <QRectF>
#include <algorithm>

#include "RisposteScheda.h"

namespace Foglio {

namespace {

// The grid of the clocks, between the heading and the footer.
constexpr double kAltoGriglia = 20;
constexpr double kBassoGriglia = 266;
constexpr double kRigaPiede = 270;
// Room above each dial for the question and below it for the answer.
constexpr double kSpazioDomanda = 12;
constexpr double kSpazioRisposta = 12;
constexpr double kMargineCella = 2;
// The widest dial a cell holds: big enough for a child's hand, small enough to leave
// the page airy.
constexpr double kRaggioMassimo = 38;
// Between the two clocks of an item, room for the arrow.
constexpr double kSpazioFreccia = 8;

int Colonne(int quanti)
{
    return quanti <= 6 ? 2 : 3;
}

QRectF Cella(int quanti, int indice, double larghezza)
{
    const int colonne = Colonne(quanti);
    const int righe = (quanti + colonne - 1) / colonne;
    const double w = larghezza / colonne;
    const double h = (kBassoGriglia - kAltoGriglia) / righe;
    return {(indice % colonne) * w, kAltoGriglia + (indice / colonne) * h, w, h};
}

bool DueOrologi(TipoVoce tipo)
{
    return tipo == TipoVoce::QuantoTempo || tipo == TipoVoce::CheOreSaranno;
}

// The page being composed.
struct Pagina {
    const MisuraTesto& misura;
    QVector<Elemento> elementi;

    // A text with its top-left corner at `p`, made smaller until it fits `larghezza`.
    QSizeF testo(QPointF p, const QString& t, Carattere c, double larghezza = 1e9)
    {
        QSizeF dim = misura(t, c);
        while (dim.width() > larghezza && c.punti > 6) {
            c.punti -= 0.5;
            dim = misura(t, c);
        }
        Elemento e;
        e.tipo = Elemento::Tipo::Testo;
        e.p = p;
        e.testo = t;
        e.carattere = c;
        e.dimensione = dim;
        elementi.append(e);
        return dim;
    }

    void linea(QPointF da, QPointF a)
    {
        Elemento e;
        e.tipo = Elemento::Tipo::Linea;
        e.p = da;
        e.fine = a;
        elementi.append(e);
    }
};

Carattere Font(double punti, bool grassetto = false, bool corsivo = false)
{
    Carattere c;
    c.punti = punti;
    c.grassetto = grassetto;
    c.corsivo = corsivo;
    return c;
}

void Intestazione(Pagina& pg, const QString& titolo, bool soluzioni, double larghezza)
{
    if (soluzioni) {
        pg.testo(QPointF(0, 0), QStringLiteral("Soluzioni"), Font(16, true));
        if (!titolo.isEmpty())
            pg.testo(QPointF(0, 10), titolo, Font(11, false, true), larghezza);
        return;
    }
    if (!titolo.isEmpty())
        pg.testo(QPointF(0, 0), titolo, Font(16, true), larghezza);
    pg.testo(QPointF(0, 10), QStringLiteral("Nome ______________________________________    Data ____________________"),
             Font(11), larghezza);
}

void Piede(Pagina& pg, const CodiceScheda& codice, double larghezza)
{
    pg.linea(QPointF(0, kRigaPiede), QPointF(larghezza, kRigaPiede));
    pg.testo(QPointF(0, kRigaPiede + 2), TestoCodiceScheda(codice), Font(10, true));
    const QString nome = QStringLiteral("Tempolino - Impara a leggere l'orologio");
    const double w = pg.misura(nome, Font(9, false, true)).width();
    pg.testo(QPointF(larghezza - w, kRigaPiede + 2.5), nome, Font(9, false, true));
}

// An arrow from the first clock to the second.
void Freccia(Pagina& pg, QPointF centro)
{
    const QPointF da = centro - QPointF(kSpazioFreccia / 2 - 1, 0);
    const QPointF a = centro + QPointF(kSpazioFreccia / 2 - 1, 0);
    pg.linea(da, a);
    pg.linea(a, a + QPointF(-1.5, -1.2));
    pg.linea(a, a + QPointF(-1.5, 1.2));
}

void Voce(Pagina& pg, const CodiceScheda& codice, int indice, const VoceScheda& voce, bool soluzioni, double larghezza)
{
    const SceltaScheda& s = codice.scelta;
    const QRectF cella = Cella(s.quanti, indice, larghezza);
    const double x = cella.left() + kMargineCella;
    const double w = cella.width() - 2 * kMargineCella;
    const double punti = s.quanti >= 9 ? 9.5 : 10.5;
    const TestoVoce t = TestiVoce(voce, s.forma);

    pg.testo(QPointF(x, cella.top() + 1), QStringLiteral("%1. ").arg(indice + 1) + t.domanda, Font(punti, true), w);
    pg.testo(QPointF(x, cella.top() + 6), t.dato, Font(punti, false, voce.tipo == TipoVoce::DisegnaDetto), w);

    const QVector<Quadrante> quadranti = QuadrantiVoce(s, indice, voce.tipo, larghezza);
    for (const Quadrante& q : quadranti)
        ComponiQuadrante(pg.elementi, q, pg.misura);
    if (quadranti.size() == 2)
        Freccia(pg, (quadranti[0].centro + quadranti[1].centro) / 2);

    // The hands: printed on the clocks to read, and on the key everywhere.
    switch (voce.tipo) {
    case TipoVoce::Leggi:
        ComponiLancette(pg.elementi, quadranti[0], voce.inizio);
        break;
    case TipoVoce::Disegna:
    case TipoVoce::DisegnaDetto:
        if (soluzioni)
            ComponiLancette(pg.elementi, quadranti[0], voce.inizio);
        break;
    case TipoVoce::QuantoTempo:
        ComponiLancette(pg.elementi, quadranti[0], voce.inizio);
        ComponiLancette(pg.elementi, quadranti[1], voce.fine());
        break;
    case TipoVoce::CheOreSaranno:
        ComponiLancette(pg.elementi, quadranti[0], voce.inizio);
        if (soluzioni)
            ComponiLancette(pg.elementi, quadranti[1], voce.fine());
        break;
    }

    const double basso = cella.bottom();
    if (soluzioni) {
        pg.testo(QPointF(x, basso - kSpazioRisposta + 1), t.rispostaCifre, Font(punti, true), w);
        pg.testo(QPointF(x, basso - kSpazioRisposta + 6), t.rispostaParole, Font(punti, false, true), w);
    } else if (voce.tipo != TipoVoce::Disegna && voce.tipo != TipoVoce::DisegnaDetto) {
        // A line to write the answer on.
        pg.linea(QPointF(x + 2, basso - 4), QPointF(x + w - 2, basso - 4));
    }
}

} // namespace

QString TitoloSchedaPredefinito()
{
    return QStringLiteral("Impariamo a leggere l'orologio");
}

QString TestoCodiceScheda(const CodiceScheda& codice)
{
    return QStringLiteral("Codice scheda: ") + codice.testo();
}

QVector<Quadrante> QuadrantiVoce(const SceltaScheda& scelta, int indice, TipoVoce tipo, double larghezza)
{
    const QRectF cella = Cella(scelta.quanti, indice, larghezza);
    const double alto = cella.top() + kSpazioDomanda;
    const double altezza = cella.height() - kSpazioDomanda - kSpazioRisposta;
    const double cy = alto + altezza / 2;
    const double w = cella.width() - 2 * kMargineCella;
    Quadrante q;
    q.numeri = scelta.numeri;
    if (!DueOrologi(tipo)) {
        const double r = std::min({altezza / 2, w / 2, kRaggioMassimo});
        q.scala = static_cast<float>(r / RaggioEsterno);
        q.centro = QPointF(cella.center().x(), cy);
        return {q};
    }
    const double r = std::min({altezza / 2, (w - kSpazioFreccia) / 4, kRaggioMassimo});
    q.scala = static_cast<float>(r / RaggioEsterno);
    Quadrante secondo = q;
    q.centro = QPointF(cella.center().x() - kSpazioFreccia / 2 - r, cy);
    secondo.centro = QPointF(cella.center().x() + kSpazioFreccia / 2 + r, cy);
    return {q, secondo};
}

QVector<Elemento> ComponiScheda(const CodiceScheda& codice, const QString& titolo, bool soluzioni, double larghezza,
                                const MisuraTesto& misura)
{
    Pagina pg{misura, {}};
    Intestazione(pg, titolo, soluzioni, larghezza);
    const QVector<VoceScheda> voci = EstraiScheda(codice);
    for (int i = 0; i < voci.size(); ++i)
        Voce(pg, codice, i, voci[i], soluzioni, larghezza);
    Piede(pg, codice, larghezza);
    return pg.elementi;
}

} // namespace Foglio
