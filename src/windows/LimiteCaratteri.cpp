// SPDX-License-Identifier: GPL-3.0-or-later
#include "LimiteCaratteri.h"

#include <QTextBoundaryFinder>
#include <QVector>

LimiteCaratteri::LimiteCaratteri(int massimo, QObject* parent) : QValidator(parent), m_massimo(massimo) {}

void LimiteCaratteri::Taglia(QString& testo, int& cursore, int massimo)
{
    // Where the whole characters begin and end: confini[k] is the start of character k.
    QVector<int> confini{0};
    QTextBoundaryFinder trova(QTextBoundaryFinder::Grapheme, testo);
    while (trova.toNextBoundary() != -1)
        confini.append(static_cast<int>(trova.position()));
    const int caratteri = static_cast<int>(confini.size()) - 1;
    if (caratteri <= massimo)
        return;
    int troppi = caratteri - massimo;

    // The character in which the cursor stands belongs to what was just put in.
    cursore = qBound(0, cursore, static_cast<int>(testo.size()));
    int fine = 0;
    while (confini[fine] < cursore)
        ++fine;
    const int inizio = qMax(0, fine - troppi);
    testo.remove(confini[inizio], confini[fine] - confini[inizio]);
    cursore = confini[inizio];
    troppi -= fine - inizio;
    if (troppi > 0) {
        // The cursor was too near the start: the rest comes off the end.
        const int taglio = confini[caratteri - troppi] - (confini[fine] - confini[inizio]);
        testo.truncate(taglio);
        cursore = qMin(cursore, taglio);
    }
}

QValidator::State LimiteCaratteri::validate(QString& input, int& pos) const
{
    Taglia(input, pos, m_massimo);
    return Acceptable;
}
