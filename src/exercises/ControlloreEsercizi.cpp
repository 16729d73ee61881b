// SPDX-License-Identifier: GPL-3.0-or-later
#include "ControlloreEsercizi.h"

#include "DettiLivello.h"
#include "Esercizi.h"
#include "Platform.h"
#include "Risorse.h"
#include "VistaAiuti.h"

ControlloreEsercizi::ControlloreEsercizi(OrologioEsercizi& orologio, VistaEsercizi& vista, QObject* parent)
    : QObject(parent), orologio(orologio), vista(vista), tmrSoluzione(new QTimer(this))
{
    setObjectName(QStringLiteral("controlloreEsercizi"));
    tmrSoluzione->setObjectName(QStringLiteral("tmrSoluzione"));
    tmrSoluzione->setSingleShot(true);
    connect(tmrSoluzione, &QTimer::timeout, this, &ControlloreEsercizi::PassoSoluzione);
}

void ControlloreEsercizi::optTest_Click(SceltaEsercizio scelta)
{
    NuovaDomanda();
    auto spunta = [this](SceltaEsercizio s) {
        if (!ProvaInCorso())
            vista.SpuntaTipo(s);
    };

    TipoDomanda tipo = TipoDomanda::Lettura;
    switch (scelta) {
    case SceltaEsercizio::Lettura:
        vista.MostraCaselle(true);
        orologio.MostraCmdTime(false);
        vista.BloccaCaselle(false);
        spunta(scelta);
        PreparaLettura();
        break;
    case SceltaEsercizio::Impostazione:
        vista.MostraCaselle(true);
        orologio.MostraCmdTime(true);
        vista.FocusOK();
        spunta(scelta);
        PreparaImpostazione();
        orologio.SpostaMouse();
        tipo = TipoDomanda::Impostazione;
        break;
    case SceltaEsercizio::ModoDiDire:
        vista.MostraCaselle(false);
        orologio.MostraCmdTime(true);
        spunta(scelta);
        PreparaModoDiDire();
        orologio.SpostaMouse();
        orologio.FocusQuadrante();
        tipo = TipoDomanda::ModoDiDire;
        break;
    case SceltaEsercizio::TestFinale:
        AvviaProva();
        return;
    }
    vista.MostraIstruzione(MessaggioTest(tipo));
    // Outside the final test, whose row of clocks stands there, a setting question says
    // that the hands can also be dragged.
    vista.MostraNotaLancette(!ProvaInCorso() && tipo != TipoDomanda::Lettura);
    vista.ScriviPremiOK();
}

QString ControlloreEsercizi::MessaggioTest(TipoDomanda tipo) const
{
    return TestoIstruzioni(tipo);
}

void ControlloreEsercizi::PreparaLettura()
{
    NuovaDomanda();
    const float T = TempoDellaDomanda(0);
    vista.ImpostaCaselle(QString(), QString());
    // The hands and the scenery show the question; the read-out stays hidden.
    orologio.ImpostaTempoCorrente(T);
    TipoEsercizio = TipoDomanda::Lettura;
    vista.FocusCasella(0);
    emit domandaPronta(TipoEsercizio);
}

void ControlloreEsercizi::PreparaImpostazione()
{
    NuovaDomanda();
    const float T = TempoDellaDomanda(1);
    const int H = static_cast<int>(T / 3600);
    const int M = static_cast<int>(T - H * 3600) / 60;

    // The child reads the time in the boxes but cannot change it.
    vista.BloccaCaselle(false);
    vista.ImpostaCaselle(DueCifre(H), DueCifre(M));
    vista.BloccaCaselle(true);

    // The hands start at midnight.
    orologio.ImpostaTempoCorrente(0);
    TipoEsercizio = TipoDomanda::Impostazione;
    orologio.FocusQuadrante();
    emit domandaPronta(TipoEsercizio);
}

void ControlloreEsercizi::PreparaModoDiDire()
{
    NuovaDomanda();
    orologio.ImpostaTempoCorrente(0);

    // Never the same saying twice in a row; at a level, never the same time either.
    platform().random->reseed();
    auto estrai = [] { return platform().random->next(); };
    const QVector<ModoDiDire> fissi = DettiFissi();
    ModoDiDire detto;
    int n = 0;
    if (ProvaInCorso() || m_livello == Livello::OgniMinuto) {
        QVector<int> tutti;
        for (int i = 1; i <= fissi.size(); ++i)
            tutti.append(i);
        n = DettoNuovo(tutti, orologio.UltimoModoDiDire(), estrai);
        detto = fissi.value(n - 1);
    } else {
        const Detto d = DettoNuovoDelLivello(DettiDelLivello(m_livello, fissi),
                                             MinutiDelDetto(orologio.UltimoModoDiDire(), fissi), estrai);
        n = d.numero;
        detto = {d.testo, DueCifre(d.minuti / 60) + DueCifre(d.minuti % 60)};
    }
    orologio.RicordaModoDiDire(n);
    vista.MostraModoDiDire(detto.testo, detto.orario);
    TipoEsercizio = TipoDomanda::ModoDiDire;
    emit domandaPronta(TipoEsercizio);
}

void ControlloreEsercizi::txtTest_Change(int index)
{
    const QString testo = index == 0 ? vista.ore() : vista.minuti();
    if (!ContieneNumero(testo))
        return;
    if (index == 0) {
        if (OltreIlLimite(testo, 24)) {
            orologio.MostraMessaggio(Messaggio::OreTroppoGrandi);
            vista.ImpostaCaselle(QString(), vista.minuti());
        }
        if (vista.ore().size() == 2)
            vista.FocusCasella(1);
    } else if (OltreIlLimite(testo, 60)) {
        orologio.MostraMessaggio(Messaggio::MinutiTroppoGrandi);
        vista.ImpostaCaselle(vista.ore(), QString());
    }
}

void ControlloreEsercizi::cmdVerificaTest_Click()
{
    // While the hands go to the solution there is nothing to judge; once it is shown,
    // "OK!" goes on to the next question.
    if (m_inSoluzione)
        return;
    if (m_soluzioneMostrata) {
        DomandaSeguente();
        return;
    }
    const Verdetto v =
        GiudicaRisposta(TipoEsercizio, vista.ore(), vista.minuti(), orologio.oraMostrata(), vista.orarioModoDiDire());
    switch (v) {
    case Verdetto::MancanoOre:
        orologio.MostraMessaggio(Messaggio::MancanoOre);
        vista.FocusCasella(0);
        return;
    case Verdetto::MancanoMinuti:
        orologio.MostraMessaggio(Messaggio::MancanoMinuti);
        vista.FocusCasella(1);
        return;
    case Verdetto::Esatta:
        orologio.MostraMessaggio(Messaggio::RispostaEsatta);
        if (ProvaInCorso()) {
            if (++PassoProva == 9)
                m_fase = FaseProva::Superata;
            ProssimaDomanda();
            return;
        }
        switch (TipoEsercizio) {
        case TipoDomanda::Lettura:
            PreparaLettura();
            break;
        case TipoDomanda::Impostazione:
            PreparaImpostazione();
            break;
        case TipoDomanda::ModoDiDire:
            PreparaModoDiDire();
            break;
        }
        return;
    case Verdetto::Sbagliata:
        if (!ProvaInCorso()) {
            // The question stays for another try, with a hint.
            orologio.MostraMessaggio(Messaggio::RispostaSbagliata);
            Suggerisci();
        } else if (!ErroreCommesso) {
            // The one error the final test allows: the same question stays.
            ErroreCommesso = true;
            orologio.MostraMessaggio(Messaggio::UnErrore);
        } else {
            m_fase = FaseProva::Persa;
            ProssimaDomanda();
        }
        return;
    }
}

void ControlloreEsercizi::Apri()
{
    m_fase = FaseProva::Nessuna;
    m_aperta = true;
    NuovaDomanda();
}

void ControlloreEsercizi::Chiudi()
{
    m_aperta = false;
    NuovaDomanda();
}

void ControlloreEsercizi::ImpostaLivello(int indice)
{
    m_livello = static_cast<Livello>(qBound(0, indice, kNumeroLivelli - 1));
    if (m_aperta && !ProvaInCorso())
        DomandaSeguente();
}

float ControlloreEsercizi::TempoDellaDomanda(int tipo)
{
    if (ProvaInCorso())
        return orologio.OraCasuale();
    float primo = 0;
    if (m_livello == Livello::OgniMinuto) {
        primo = orologio.OraCasuale();
    } else {
        platform().random->reseed();
        primo = TempoDelLivello(m_livello, platform().random->next());
    }
    float& ultimo = m_ultimoTempo[tipo];
    ultimo = TempoNuovo(m_livello, primo, ultimo, [] { return platform().random->next(); });
    return ultimo;
}

QVector<ModoDiDire> ControlloreEsercizi::DettiFissi() const
{
    QVector<ModoDiDire> detti;
    for (int n = 1; n <= 22; ++n)
        detti.append(LeggiModoDiDire(Risorse::stringa(300 + n)));
    return detti;
}
