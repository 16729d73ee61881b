// SPDX-License-Identifier: GPL-3.0-or-later
#include "SceltaPiattaforma.h"

#include <QtGlobal>

namespace {
const char kPiattaforma[] = "QT_QPA_PLATFORM";
} // namespace

QByteArray SceltaPiattaforma::Scelta(const QStringList& argomenti, const QByteArray& qtQpaPlatform,
                                     const QByteArray& waylandDisplay, const QByteArray& tipoSessione)
{
    if (!qtQpaPlatform.isEmpty() || argomenti.contains(QLatin1String("-platform"))
        || argomenti.contains(QLatin1String("--platform")))
        return {};
    if (!waylandDisplay.isEmpty() || tipoSessione == "wayland")
        return QByteArrayLiteral("wayland;xcb");
    return {};
}

SceltaPiattaforma::SceltaPiattaforma(const QStringList& argomenti)
{
    const QByteArray scelta = Scelta(argomenti, qgetenv(kPiattaforma), qgetenv("WAYLAND_DISPLAY"),
                                     qgetenv("XDG_SESSION_TYPE"));
    if (scelta.isEmpty())
        return;
    qputenv(kPiattaforma, scelta);
    m_impostata = true;
}

SceltaPiattaforma::~SceltaPiattaforma()
{
    if (m_impostata)
        qunsetenv(kPiattaforma);
}
