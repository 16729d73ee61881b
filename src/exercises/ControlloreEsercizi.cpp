#include "ControlloreEsercizi.h"

#include <QPointer>

#include "Esercizi.h"
#include "Platform.h"
#include "Risorse.h"
#include "VistaAiuti.h"

ControlloreEsercizi::ControlloreEsercizi(OrologioEsercizi& orologio, VistaEsercizi& vista, QObject* parent)
    : QObject(parent), orologio(orologio), vista(vista)
{
    setObjectName(QStringLiteral("controlloreEsercizi"));
}

bool ControlloreEsercizi::Continua(const QObject* vivo) const
{
    return vivo && !orologio.inChiusura();
}

void ControlloreEsercizi::optTest_Click(int index)
{
    NuovaDomanda();
    auto spunta = [this](int i) {
        if (!ProvaInCorso)
            vista.SpuntaTipo(i);
    };

    switch (index) {
    case 0:
        vista.MostraCaselle(true);
        orologio.MostraCmdTime(false);
        vista.BloccaCaselle(false);
        spunta(0);
        PreparaLettura();
        break;
    case 1:
        vista.MostraCaselle(true);
        orologio.MostraCmdTime(true);
        vista.FocusOK();
        spunta(1);
        PreparaImpostazione();
        orologio.SpostaMouse();
        break;
    case 2:
        vista.MostraCaselle(false);
        orologio.MostraCmdTime(true);
        spunta(2);
        PreparaModoDiDire();
        orologio.SpostaMouse();
        orologio.FocusQuadrante();
        break;
    case 3:
        AvviaProva();
        return;
    default:
        break;
    }
    vista.MostraIstruzione(MessaggioTest(index));
    vista.ScriviPremiOK();
}

QString ControlloreEsercizi::MessaggioTest(int index) const
{
    return TestoIstruzioni(index);
}

void ControlloreEsercizi::PreparaLettura()
{
    NuovaDomanda();
    const float T = TempoDellaDomanda(0);
    vista.ImpostaCaselle(QString(), QString());
    // The hands and the scenery show the question; the read-out stays hidden.
    orologio.ImpostaTempoCorrente(T);
    TipoEsercizio = 0;
    vista.FocusCasella(0);
    emit domandaPronta(0);
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
    TipoEsercizio = 1;
    orologio.FocusQuadrante();
    emit domandaPronta(1);
}

void ControlloreEsercizi::PreparaModoDiDire()
{
    NuovaDomanda();
    orologio.ImpostaTempoCorrente(0);

    // Never the same saying twice in a row.
    platform().random->reseed();
    const int n = DettoNuovo(DettiPossibili(), orologio.UltimoModoDiDire(), [] { return platform().random->next(); });

    const ModoDiDire detto = LeggiModoDiDire(Risorse::stringa(300 + n));
    orologio.RicordaModoDiDire(n);
    vista.MostraModoDiDire(detto.testo, detto.orario);
    TipoEsercizio = 2;
    emit domandaPronta(2);
}

void ControlloreEsercizi::txtTest_Change(int index)
{
    QPointer<ControlloreEsercizi> vivo(this);
    const QString testo = index == 0 ? vista.ore() : vista.minuti();
    if (!ContieneNumero(testo))
        return;
    if (index == 0) {
        if (OltreIlLimite(testo, 24)) {
            orologio.MostraMessaggio(Messaggio::OreTroppoGrandi);
            if (!Continua(vivo))
                return;
            vista.ImpostaCaselle(QString(), vista.minuti());
        }
        if (vista.ore().size() == 2)
            vista.FocusCasella(1);
    } else if (OltreIlLimite(testo, 60)) {
        orologio.MostraMessaggio(Messaggio::MinutiTroppoGrandi);
        if (!Continua(vivo))
            return;
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
    QPointer<ControlloreEsercizi> vivo(this);
    const Verdetto v =
        GiudicaRisposta(TipoEsercizio, vista.ore(), vista.minuti(), orologio.oraMostrata(), vista.orarioModoDiDire());
    switch (v) {
    case Verdetto::MancanoOre:
        orologio.MostraMessaggio(Messaggio::MancanoOre);
        if (Continua(vivo))
            vista.FocusCasella(0);
        return;
    case Verdetto::MancanoMinuti:
        orologio.MostraMessaggio(Messaggio::MancanoMinuti);
        if (Continua(vivo))
            vista.FocusCasella(1);
        return;
    case Verdetto::Nessuno:
        return;
    case Verdetto::Esatta:
        orologio.MostraMessaggio(Messaggio::RispostaEsatta);
        if (!Continua(vivo))
            return;
        if (ProvaInCorso) {
            ++PassoProva;
            ProssimaDomanda();
        } else if (TipoEsercizio == 0) {
            PreparaLettura();
        } else if (TipoEsercizio == 1) {
            PreparaImpostazione();
        } else {
            PreparaModoDiDire();
        }
        return;
    case Verdetto::Sbagliata:
        if (!ProvaInCorso) {
            // The question stays for another try, with a hint.
            orologio.MostraMessaggio(Messaggio::RispostaSbagliata);
            if (Continua(vivo))
                Suggerisci();
        } else if (!ErroreCommesso) {
            // The one error the final test allows: the same question stays.
            ErroreCommesso = true;
            orologio.MostraMessaggio(Messaggio::UnErrore);
        } else {
            PassoProva = -1;
            ProssimaDomanda();
        }
        return;
    }
}

void ControlloreEsercizi::Apri()
{
    ProvaInCorso = false;
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
    if (m_aperta && !ProvaInCorso)
        DomandaSeguente();
}

float ControlloreEsercizi::TempoDellaDomanda(int tipo)
{
    if (ProvaInCorso)
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

QVector<int> ControlloreEsercizi::DettiPossibili() const
{
    QVector<int> detti;
    for (int n = 1; n <= 22; ++n) {
        int H = 0, M = 0;
        OrarioModoDiDire(LeggiModoDiDire(Risorse::stringa(300 + n)).orario, H, M);
        if (ProvaInCorso || OrarioDelLivello(m_livello, H, M))
            detti.append(n);
    }
    return detti;
}
