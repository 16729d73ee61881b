// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How screen readers see the clock face: a dial named "Orologio" whose description is
// what the face shows (the time, or during the exercises where the hands point),
// read-only while the hands cannot be moved. The description follows the face without
// telling anyone; only the changes the child makes are announced, so the running clock
// does not talk every minute.

#include <QAccessibleWidget>

class QuadranteOrologio;

class AccessibileQuadrante : public QAccessibleWidget {
public:
    explicit AccessibileQuadrante(QuadranteOrologio* quadrante);

    // Makes the face be seen through this interface from now on.
    static void Registra(QuadranteOrologio* quadrante);
    // Tells screen readers that the face's description has changed.
    static void Annuncia(QuadranteOrologio* quadrante);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;

private:
    const QuadranteOrologio* quadrante() const;
};
