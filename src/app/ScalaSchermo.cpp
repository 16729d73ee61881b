// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScalaSchermo.h"

#include <QScreen>

#include "RapportoSchermo.h"

namespace {
const char kFattore[] = "QT_SCALE_FACTOR";
} // namespace

ScalaSchermo::ScalaSchermo(int argc, char* argv[]) : m_argcOriginale(argc), m_argvOriginale(argv)
{
    for (int i = 0; i < argc; ++i)
        m_argomenti.emplace_back(argv[i]);
}

std::optional<double> ScalaSchermo::FattoreRidotto()
{
    const QScreen* schermo = QGuiApplication::primaryScreen();
    if (!schermo)
        return std::nullopt;
    const double rapporto = schermo->devicePixelRatio();
    const QSize pixel = schermo->geometry().size() * rapporto;
    const double adatto = RapportoSchermo::Adatto(pixel, rapporto);
    if (adatto >= rapporto)
        return std::nullopt;
    bool letto = false;
    double globale = qEnvironmentVariable(kFattore).toDouble(&letto);
    if (!letto || globale <= 0)
        globale = 1.0;
    return globale * adatto / rapporto;
}

std::unique_ptr<QApplication> ScalaSchermo::CreaApplicazione()
{
    auto app = std::make_unique<QApplication>(m_argcOriginale, m_argvOriginale);
    const std::optional<double> fattore = FattoreRidotto();
    if (!fattore)
        return app;
    app.reset();
    // Qt reads its global scale factor as the application object is made; afterwards
    // the variable goes back to what it was, so the programs this one opens (a browser
    // for the help page) get the desktop's scale.
    const bool impostato = qEnvironmentVariableIsSet(kFattore);
    const QByteArray prima = qgetenv(kFattore);
    qputenv(kFattore, QByteArray::number(*fattore, 'g', 12));
    m_puntatori.clear();
    for (QByteArray& a : m_argomenti)
        m_puntatori.push_back(a.data());
    m_puntatori.push_back(nullptr);
    m_argc = static_cast<int>(m_argomenti.size());
    app = std::make_unique<QApplication>(m_argc, m_puntatori.data());
    if (impostato)
        qputenv(kFattore, prima);
    else
        qunsetenv(kFattore);
    return app;
}
