// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Windows of fixed size stay whole whatever the window system asks of them.
//
// Under Wayland, Qt draws the title bars itself and offers a maximize button on every
// window, fixed or not. A fixed window that the compositor has maximized keeps its own
// size, which the compositor takes as a broken promise: it cuts the connection and the
// program ends. The guard sees the request as it leaves, lets such a window take the
// maximized size for a moment, asks for its normal state back as soon as the
// compositor has maximized it, and fixes its size again once it is back.

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSize>

class QWidget;
class QWindow;

class GuardiaFinestreFisse : public QObject {
    Q_OBJECT
public:
    // Watches every window of the program shown from now on (an event filter of the
    // application object).
    explicit GuardiaFinestreFisse(QObject* parent = nullptr);
    ~GuardiaFinestreFisse() override;

    // True where the window system needs the guard: Wayland.
    static bool Necessaria();

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    void Sorveglia(QWidget* finestra);
    void StatoRichiesto(QWidget* finestra, Qt::WindowState stato);
    void StatoCambiato(QWidget* finestra, QWindow* nativa);
    void Rifissa(QWidget* finestra);

    struct Sospesa {
        QSize fissa;
        bool richiestoNormale = false;
    };
    QHash<QWidget*, Sospesa> m_sospese;
};
