// SPDX-License-Identifier: GPL-3.0-or-later
#include "StatoOrologio.h"

#include <cmath>

#include "PassoOra.h"

StatoOrologio::StatoOrologio(std::function<double()> oraDelComputer, QObject* parent)
    : QObject(parent), m_oraDelComputer(std::move(oraDelComputer)), m_tmrClock(new QTimer(this))
{
    setObjectName(QStringLiteral("statoOrologio"));
    m_tmrClock->setObjectName(QStringLiteral("tmrClock"));
    m_tmrClock->setInterval(200);
    connect(m_tmrClock, &QTimer::timeout, this, &StatoOrologio::tmrClock_Timer);
}

void StatoOrologio::MostraOra(float T)
{
    m_tempo = T;
    m_campi = DerivaCampi(T);
    emit tempoCambiato(T);
    const int minuto = static_cast<int>(std::floor(m_campi.minuti));
    if (minuto != m_ultimi.minuto) {
        m_ultimi.minuto = minuto;
        emit minutoCambiato(minuto);
    }
    const int ora = static_cast<int>(std::floor(m_campi.ore));
    if (ora != m_ultimi.ora) {
        m_ultimi.ora = ora;
        emit oraCambiata(ora);
    }
}

void StatoOrologio::ArrotondaMinuto()
{
    MostraOra(ArrotondaAlMinuto(m_tempo));
}

void StatoOrologio::RegolaOra(int indice)
{
    MostraOra(PassoOra(m_tempo, indice));
}

void StatoOrologio::ImpostaModo(Modo modo)
{
    if (modo == m_modo)
        return;
    m_modo = modo;
    AggiornaTicchettio();
    // The clock stands on the minute it showed, without its seconds.
    if (modo == Modo::Manuale)
        ArrotondaMinuto();
    emit modoCambiato(modo);
}

void StatoOrologio::tmrClock_Timer()
{
    MostraOra(static_cast<float>(m_oraDelComputer()));
}

void StatoOrologio::Avvia()
{
    m_avviato = true;
    AggiornaTicchettio();
}

void StatoOrologio::Ferma()
{
    m_avviato = false;
    AggiornaTicchettio();
}

void StatoOrologio::Sospendi()
{
    ++m_sospensioni;
    AggiornaTicchettio();
}

void StatoOrologio::Riprendi()
{
    if (m_sospensioni > 0)
        --m_sospensioni;
    AggiornaTicchettio();
}

void StatoOrologio::AggiornaTicchettio()
{
    const bool corre = m_avviato && m_modo == Modo::TempoAttuale && m_sospensioni == 0;
    if (corre && !m_tmrClock->isActive())
        m_tmrClock->start();
    else if (!corre)
        m_tmrClock->stop();
}

void StatoOrologio::ImpostaRegolazioneAttiva(bool attiva)
{
    if (attiva == m_regolazione)
        return;
    m_regolazione = attiva;
    emit regolazioneCambiata(attiva);
}

void StatoOrologio::ImpostaDodiciOre(bool dodici)
{
    if (dodici == m_dodiciOre)
        return;
    m_dodiciOre = dodici;
    emit vistaCambiata(dodici);
}

void StatoOrologio::ImpostaStile(StileNumeri stile)
{
    if (stile == m_stile)
        return;
    m_stile = stile;
    emit stileCambiato(stile);
}

void StatoOrologio::ImpostaSuoniAttivi(bool attivi)
{
    if (attivi == m_suoni)
        return;
    m_suoni = attivi;
    emit suoniCambiati(attivi);
}
