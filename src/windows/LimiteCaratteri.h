// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A limit on the length of a text box in whole characters, as the child sees them:
// a letter with its accents, an emoji with its modifiers count as one and are never
// cut in half (QLineEdit's own limit counts UTF-16 code units, so it can split an
// emoji or part a letter from its combining accent, and a "�" reaches the sheet).
// Like QLineEdit's limit, typing into a full box adds nothing, and a pasted text is
// cut to what fits, keeping its beginning.

#include <QValidator>

class LimiteCaratteri : public QValidator {
    Q_OBJECT
public:
    LimiteCaratteri(int massimo, QObject* parent);

    // Cuts `testo` to at most `massimo` characters, taking out the characters that
    // end at the cursor `cursore` (the text just typed or pasted ends there), then,
    // if need be, the last ones. The cursor follows the cut.
    static void Taglia(QString& testo, int& cursore, int massimo);

    State validate(QString& input, int& pos) const override;

private:
    int m_massimo;
};
