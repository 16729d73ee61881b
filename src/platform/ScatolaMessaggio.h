// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Qt's message box, which without a parent window stands at the centre of the
// program's screen, the primary one, not of the screen the pointer happens to be on.

#include <QMessageBox>

class ScatolaMessaggio : public QMessageBox {
public:
    explicit ScatolaMessaggio(QWidget* parent);

protected:
    void showEvent(QShowEvent* event) override;
};
