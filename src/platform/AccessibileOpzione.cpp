// SPDX-License-Identifier: GPL-3.0-or-later
#include "AccessibileOpzione.h"

#include <QAbstractButton>

#include "InterfacciaAccessibile.h"

namespace {

const char* const kOpzione = "tempolino_opzione";

QAccessibleInterface* Fabbrica(const QString&, QObject* oggetto)
{
    auto* pulsante = qobject_cast<QAbstractButton*>(oggetto);
    if (pulsante && pulsante->property(kOpzione).toBool())
        return new AccessibileOpzione(pulsante);
    return nullptr;
}

} // namespace

AccessibileOpzione::AccessibileOpzione(QAbstractButton* pulsante)
    : QAccessibleWidget(pulsante, QAccessible::RadioButton)
{
}

void AccessibileOpzione::Registra(QAbstractButton* pulsante)
{
    static const bool installata = (QAccessible::installFactory(Fabbrica), true);
    Q_UNUSED(installata);
    pulsante->setProperty(kOpzione, true);
    RinnovaInterfacciaAccessibile(pulsante);
}

QAbstractButton* AccessibileOpzione::pulsante() const
{
    return static_cast<QAbstractButton*>(widget());
}

QString AccessibileOpzione::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
        // The caption as it reads, without the mark of its shortcut key.
        QString testo = pulsante()->text();
        testo.replace(QLatin1String("&&"), QLatin1String("\x01"));
        testo.remove(QLatin1Char('&'));
        testo.replace(QLatin1Char('\x01'), QLatin1Char('&'));
        return testo;
    }
    return QAccessibleWidget::text(t);
}

QAccessible::State AccessibileOpzione::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    s.checkable = true;
    s.checked = pulsante()->isChecked();
    s.pressed = pulsante()->isDown();
    return s;
}

QStringList AccessibileOpzione::actionNames() const
{
    QStringList nomi = QAccessibleWidget::actionNames();
    if (widget()->isEnabled())
        nomi.prepend(toggleAction());
    return nomi;
}

void AccessibileOpzione::doAction(const QString& azione)
{
    // Choosing an option is a click on it; the one chosen already stays chosen.
    if ((azione == toggleAction() || azione == pressAction()) && widget()->isEnabled()) {
        if (!pulsante()->isChecked())
            pulsante()->click();
        return;
    }
    QAccessibleWidget::doAction(azione);
}
