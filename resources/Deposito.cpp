// SPDX-License-Identifier: GPL-3.0-or-later
#include "Deposito.h"

namespace Risorse {
namespace {
Deposito* g_attuale = nullptr;
} // namespace

Deposito::Deposito() : m_precedente(g_attuale)
{
    g_attuale = this;
}

Deposito::~Deposito()
{
    g_attuale = m_precedente;
}

Deposito* Deposito::attuale()
{
    return g_attuale;
}

} // namespace Risorse
