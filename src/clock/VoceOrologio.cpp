// SPDX-License-Identifier: GPL-3.0-or-later
#include "VoceOrologio.h"

#include <QEvent>
#include <QShortcut>
#include <QToolButton>
#include <cmath>

#include "OraInParole.h"
#include "QuadranteOrologio.h"
#include "Risorse.h"
#include "TempoMostrato.h"
#include "modTempolino.h"

namespace {
constexpr int kLato = 24;   // the loudspeaker's size
constexpr int kMargine = 4; // from the face's left and bottom edges
} // namespace

VoceOrologio::VoceOrologio(QuadranteOrologio* quadrante, std::function<float()> tempo)
    : QObject(quadrante), p1(quadrante), m_tempo(std::move(tempo))
{
    setObjectName(QStringLiteral("voceOrologio"));

    cmdAscoltaOra = new QToolButton(p1);
    cmdAscoltaOra->setObjectName(QStringLiteral("cmdAscoltaOra"));
    cmdAscoltaOra->resize(kLato, kLato);
    cmdAscoltaOra->setIconSize(QSize(kLato - 2, kLato - 2));
    cmdAscoltaOra->setIcon(
        QIcon(QPixmap::fromImage(Risorse::figura(QStringLiteral("cmdAscoltaOra"), QSize(kLato - 2, kLato - 2), 2.0))));
    cmdAscoltaOra->setToolTip(QStringLiteral("Ascolta l'ora (tasto P)"));
    cmdAscoltaOra->setAutoRaise(true);
    cmdAscoltaOra->setStyleSheet(QStringLiteral("QToolButton{background:transparent;border:none;}"));
    // A click leaves the focus on the face, where the key works too.
    cmdAscoltaOra->setFocusPolicy(Qt::NoFocus);
    connect(cmdAscoltaOra, &QToolButton::clicked, this, &VoceOrologio::DiciOra);

    tastoParla = new QShortcut(QKeySequence(Qt::Key_P), p1);
    tastoParla->setObjectName(QStringLiteral("tastoParla"));
    tastoParla->setContext(Qt::WidgetShortcut);
    connect(tastoParla, &QShortcut::activated, this, &VoceOrologio::DiciOra);

    // The face changes size when its dial is drawn for another size factor.
    p1->installEventFilter(this);
    Posiziona();
}

void VoceOrologio::Abilita(bool abilita)
{
    m_abilitata = abilita;
    tastoParla->setEnabled(abilita);
    cmdAscoltaOra->setVisible(abilita);
}

QString VoceOrologio::Frase() const
{
    const CampiOra c = DerivaCampi(m_tempo());
    return OraInParole(static_cast<int>(std::floor(c.ore)), static_cast<int>(std::floor(c.minuti)));
}

void VoceOrologio::DiciOra()
{
    if (m_abilitata)
        modTempolino::DiciAVoce(Frase());
}

bool VoceOrologio::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == p1 && event->type() == QEvent::Resize)
        Posiziona();
    return QObject::eventFilter(watched, event);
}

void VoceOrologio::Posiziona()
{
    cmdAscoltaOra->move(kMargine, p1->height() - kLato - kMargine);
}
