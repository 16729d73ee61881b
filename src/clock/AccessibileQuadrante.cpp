// SPDX-License-Identifier: GPL-3.0-or-later
#include "AccessibileQuadrante.h"

#include "InterfacciaAccessibile.h"
#include "PresaLancette.h"
#include "QuadranteOrologio.h"

namespace {

QAccessibleInterface* Fabbrica(const QString&, QObject* oggetto)
{
    if (auto* quadrante = qobject_cast<QuadranteOrologio*>(oggetto))
        return new AccessibileQuadrante(quadrante);
    return nullptr;
}

} // namespace

AccessibileQuadrante::AccessibileQuadrante(QuadranteOrologio* quadrante)
    : QAccessibleWidget(quadrante, QAccessible::Dial)
{
}

void AccessibileQuadrante::Registra(QuadranteOrologio* quadrante)
{
    static const bool installata = (QAccessible::installFactory(Fabbrica), true);
    Q_UNUSED(installata);
    RinnovaInterfacciaAccessibile(quadrante);
}

void AccessibileQuadrante::Annuncia(QuadranteOrologio* quadrante)
{
    QAccessibleEvent evento(quadrante, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&evento);
}

const QuadranteOrologio* AccessibileQuadrante::quadrante() const
{
    return static_cast<const QuadranteOrologio*>(widget());
}

QString AccessibileQuadrante::text(QAccessible::Text t) const
{
    if (t == QAccessible::Description)
        return quadrante()->frase();
    return QAccessibleWidget::text(t);
}

QAccessible::State AccessibileQuadrante::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    const auto* presa = quadrante()->findChild<PresaLancette*>(QString(), Qt::FindDirectChildrenOnly);
    s.readOnly = !(presa && presa->attiva());
    return s;
}
