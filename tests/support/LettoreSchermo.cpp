// SPDX-License-Identifier: GPL-3.0-or-later
#include "LettoreSchermo.h"

#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

namespace {

QObject* g_ascoltato = nullptr;
QStringList g_annunci;

void Ascolta(QAccessibleEvent* evento)
{
    if (evento->object() != g_ascoltato || evento->type() != QAccessible::DescriptionChanged)
        return;
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(g_ascoltato);
    g_annunci.append(a ? a->text(QAccessible::Description) : QString());
}

// Qt passes changes on only while the platform's accessibility is active; a test
// platform has no screen reader to switch it on.
void Attiva(bool attiva)
{
    if (QPlatformAccessibility* pa = QGuiApplicationPrivate::platformIntegration()->accessibility())
        pa->setActive(attiva);
}

} // namespace

LettoreSchermo::LettoreSchermo(QObject* ascoltato)
{
    g_ascoltato = ascoltato;
    g_annunci.clear();
    Attiva(true);
    m_precedente = QAccessible::installUpdateHandler(Ascolta);
}

LettoreSchermo::~LettoreSchermo()
{
    QAccessible::installUpdateHandler(m_precedente);
    Attiva(false);
    g_ascoltato = nullptr;
}

QStringList LettoreSchermo::annunci() const
{
    return g_annunci;
}
