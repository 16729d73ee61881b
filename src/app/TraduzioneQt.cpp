// SPDX-License-Identifier: GPL-3.0-or-later
#include "TraduzioneQt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QString>
#include <QTranslator>

namespace TraduzioneQt {

QString File()
{
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_it.qm");
}

bool Carica()
{
    auto* traduzione = new QTranslator(QCoreApplication::instance());
    if (!traduzione->load(File())) {
        delete traduzione;
        return false;
    }
    return QCoreApplication::installTranslator(traduzione);
}

} // namespace TraduzioneQt
