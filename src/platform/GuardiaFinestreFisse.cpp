// SPDX-License-Identifier: GPL-3.0-or-later
#include "GuardiaFinestreFisse.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace {
const char kSorvegliata[] = "_tempolino_guardia";
// A compositor that does not maximize the window after all sends no maximized state:
// the size is fixed again after this many milliseconds.
constexpr int kAttesaMassima = 2000;
} // namespace

GuardiaFinestreFisse::GuardiaFinestreFisse(QObject* parent) : QObject(parent)
{
    QCoreApplication::instance()->installEventFilter(this);
}

GuardiaFinestreFisse::~GuardiaFinestreFisse()
{
    if (QCoreApplication* app = QCoreApplication::instance())
        app->removeEventFilter(this);
}

bool GuardiaFinestreFisse::Necessaria()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

bool GuardiaFinestreFisse::eventFilter(QObject* oggetto, QEvent* evento)
{
    if (evento->type() == QEvent::Show && oggetto->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(oggetto);
        if (widget->isWindow() && !widget->property(kSorvegliata).toBool())
            Sorveglia(widget);
    } else if (evento->type() == QEvent::WindowStateChange && oggetto->isWindowType() && evento->spontaneous()) {
        // What the window system has applied: the native window's state.
        auto* nativa = static_cast<QWindow*>(oggetto);
        for (auto it = m_sospese.cbegin(); it != m_sospese.cend(); ++it)
            if (it.key()->windowHandle() == nativa) {
                StatoCambiato(it.key(), nativa);
                break;
            }
    }
    return QObject::eventFilter(oggetto, evento);
}

void GuardiaFinestreFisse::Sorveglia(QWidget* finestra)
{
    QWindow* nativa = finestra->windowHandle();
    if (!nativa)
        return;
    finestra->setProperty(kSorvegliata, true);
    // Emitted as the request leaves for the window system, before it answers.
    connect(nativa, &QWindow::windowStateChanged, finestra,
            [this, finestra](Qt::WindowState stato) { StatoRichiesto(finestra, stato); });
    connect(finestra, &QObject::destroyed, this, [this, finestra] { m_sospese.remove(finestra); });
}

void GuardiaFinestreFisse::StatoRichiesto(QWidget* finestra, Qt::WindowState stato)
{
    if (stato != Qt::WindowMaximized && stato != Qt::WindowFullScreen)
        return;
    if (m_sospese.contains(finestra) || finestra->minimumSize() != finestra->maximumSize())
        return;
    // The window may take the size the compositor gives it, for as long as it is maximized.
    m_sospese.insert(finestra, {finestra->maximumSize(), false});
    finestra->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    QTimer::singleShot(kAttesaMassima, finestra, [this, finestra] {
        if (m_sospese.contains(finestra) && !m_sospese.value(finestra).richiestoNormale)
            Rifissa(finestra);
    });
}

void GuardiaFinestreFisse::StatoCambiato(QWidget* finestra, QWindow* nativa)
{
    Sospesa& sospesa = m_sospese[finestra];
    if (nativa->windowStates() & (Qt::WindowMaximized | Qt::WindowFullScreen)) {
        // Maximized by the compositor: back to the normal state, once Qt has finished
        // with this change.
        if (sospesa.richiestoNormale)
            return;
        sospesa.richiestoNormale = true;
        QTimer::singleShot(0, finestra, [finestra] { finestra->setWindowState(Qt::WindowNoState); });
    } else if (sospesa.richiestoNormale) {
        Rifissa(finestra);
    }
}

void GuardiaFinestreFisse::Rifissa(QWidget* finestra)
{
    const QSize fissa = m_sospese.take(finestra).fissa;
    finestra->setFixedSize(fissa);
}
