// SPDX-License-Identifier: GPL-3.0-or-later
#include "StatoLavagna.h"

StatoLavagna::StatoLavagna(StatoOrologio* orologio, QObject* parent) : QObject(parent), m_orologio(orologio)
{
    setObjectName(QStringLiteral("statoLavagna"));
    connect(orologio, &StatoOrologio::tempoCambiato, this, &StatoLavagna::TempoCambiato);
    // The main window may change the clock's mode too; the switch follows.
    connect(orologio, &StatoOrologio::modoCambiato, this, [this](StatoOrologio::Modo modo) {
        emit opzioneCambiata(Opzione::Computer, modo == StatoOrologio::Modo::TempoAttuale);
    });
}

bool StatoLavagna::valore(Opzione opzione) const
{
    switch (opzione) {
    case Opzione::Computer:
        return m_orologio->modo() == StatoOrologio::Modo::TempoAttuale;
    case Opzione::Passato:
        return m_passato.segnato();
    default:
        return m_valori[static_cast<size_t>(opzione)];
    }
}

void StatoLavagna::Imposta(Opzione opzione, bool acceso)
{
    if (valore(opzione) == acceso)
        return;
    switch (opzione) {
    case Opzione::Computer:
        // The clock notifies its mode; the switch's notice follows from there.
        m_orologio->ImpostaModo(acceso ? StatoOrologio::Modo::TempoAttuale : StatoOrologio::Modo::Manuale);
        return;
    case Opzione::Passato:
        if (acceso)
            m_passato.Segna(m_orologio->TempoCorrente());
        else
            m_passato.Togli();
        emit opzioneCambiata(opzione, acceso);
        emit passatoCambiato();
        return;
    default:
        m_valori[static_cast<size_t>(opzione)] = acceso;
        emit opzioneCambiata(opzione, acceso);
        return;
    }
}

void StatoLavagna::Azzera()
{
    const bool eraSegnato = m_passato.segnato();
    m_passato.Segna(m_orologio->TempoCorrente());
    if (!eraSegnato)
        emit opzioneCambiata(Opzione::Passato, true);
    emit passatoCambiato();
}

void StatoLavagna::TempoCambiato(float T)
{
    if (!m_passato.segnato())
        return;
    const double prima = m_passato.secondi();
    m_passato.Segui(T);
    // The running clock moves it every second; a tick on the same second changes nothing.
    if (m_passato.secondi() != prima)
        emit passatoCambiato();
}
