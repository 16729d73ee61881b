// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Qt's own texts in Italian: the file dialog's labels, the standard buttons of the
// message boxes, the context menus of the text boxes. Qt's Italian translation comes
// with Debian's qt6-translations-l10n and lives in Qt's translations folder.

class QString;

namespace TraduzioneQt {

// Installs Qt's Italian translation on the application object, which keeps it.
// False when the translation is not there: Qt then speaks English as before.
bool Carica();

// The file of Qt's Italian translation, where Qt keeps its translations.
QString File();

} // namespace TraduzioneQt
