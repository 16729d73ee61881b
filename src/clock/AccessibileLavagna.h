// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How screen readers see the class clock's face: as the main face, a dial named
// "Orologio" whose description is the shown time; the changes the teacher makes are
// announced, the running clock is not.

#include <QAccessibleWidget>

class QuadranteLavagna;

class AccessibileLavagna : public QAccessibleWidget {
public:
    explicit AccessibileLavagna(QuadranteLavagna* quadrante);

    // Makes the face be seen through this interface from now on.
    static void Registra(QuadranteLavagna* quadrante);

    QString text(QAccessible::Text t) const override;
};
