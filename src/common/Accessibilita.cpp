// SPDX-License-Identifier: GPL-3.0-or-later
#include "Accessibilita.h"

#include <QAbstractButton>
#include <QLabel>
#include <QWidget>

namespace Accessibilita {

void ImpostaNomi(QWidget* finestra)
{
    for (QWidget* w : finestra->findChildren<QWidget*>()) {
        const QString suggerimento = w->toolTip().trimmed();
        if (suggerimento.isEmpty())
            continue;
        // Buttons with a caption and labels are read by their text, which may change;
        // picture buttons, boxes and pictures are read by their tooltip.
        QString testo;
        if (auto* b = qobject_cast<QAbstractButton*>(w))
            testo = b->text();
        else if (auto* l = qobject_cast<QLabel*>(w))
            testo = l->text();
        if (w->accessibleName().isEmpty() && testo.isEmpty())
            w->setAccessibleName(suggerimento);
        if (w->accessibleDescription().isEmpty())
            w->setAccessibleDescription(suggerimento);
    }
}

} // namespace Accessibilita
