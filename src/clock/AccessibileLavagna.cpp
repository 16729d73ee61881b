// SPDX-License-Identifier: GPL-3.0-or-later
#include "AccessibileLavagna.h"

#include "InterfacciaAccessibile.h"
#include "QuadranteLavagna.h"

namespace {

QAccessibleInterface* Fabbrica(const QString&, QObject* oggetto)
{
    if (auto* quadrante = qobject_cast<QuadranteLavagna*>(oggetto))
        return new AccessibileLavagna(quadrante);
    return nullptr;
}

} // namespace

AccessibileLavagna::AccessibileLavagna(QuadranteLavagna* quadrante) : QAccessibleWidget(quadrante, QAccessible::Dial) {}

void AccessibileLavagna::Registra(QuadranteLavagna* quadrante)
{
    static const bool installata = (QAccessible::installFactory(Fabbrica), true);
    Q_UNUSED(installata);
    RinnovaInterfacciaAccessibile(quadrante);
}

QString AccessibileLavagna::text(QAccessible::Text t) const
{
    if (t == QAccessible::Description)
        return static_cast<const QuadranteLavagna*>(widget())->frase();
    return QAccessibleWidget::text(t);
}
