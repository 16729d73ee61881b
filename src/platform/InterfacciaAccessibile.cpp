// SPDX-License-Identifier: GPL-3.0-or-later
#include "InterfacciaAccessibile.h"

#include <QAccessible>

void RinnovaInterfacciaAccessibile(QObject* oggetto)
{
    if (QAccessibleInterface* vecchia = QAccessible::queryAccessibleInterface(oggetto))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(vecchia));
}
