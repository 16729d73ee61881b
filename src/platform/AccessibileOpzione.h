// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How screen readers see an option button of an option group: a radio button, checked
// or not, whatever kind of button draws it. The group switches Qt's own exclusivity
// off to keep its semantics, and Qt would then report its buttons as check boxes.

#include <QAccessibleWidget>

class QAbstractButton;

class AccessibileOpzione : public QAccessibleWidget {
public:
    explicit AccessibileOpzione(QAbstractButton* pulsante);

    // Makes a button of an option group be reported as a radio button from now on.
    static void Registra(QAbstractButton* pulsante);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& azione) override;

private:
    QAbstractButton* pulsante() const;
};
