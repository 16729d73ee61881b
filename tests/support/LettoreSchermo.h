// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Stands in for a screen reader: while it lives, Qt's accessibility is switched on as
// a running screen reader switches it on, and every description-change event about
// one object is heard, with the description the object has at that moment. One at a time.

#include <QAccessible>
#include <QStringList>

class LettoreSchermo {
public:
    explicit LettoreSchermo(QObject* ascoltato);
    ~LettoreSchermo();
    LettoreSchermo(const LettoreSchermo&) = delete;
    LettoreSchermo& operator=(const LettoreSchermo&) = delete;

    // The descriptions announced so far, in order.
    QStringList annunci() const;

private:
    QAccessible::UpdateHandler m_precedente;
};
