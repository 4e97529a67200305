#pragma once

class QCoreApplication;

namespace tlt {

// Loads Qt's own German texts (file errors, standard buttons), so that every message the
// user sees is German. Quietly does nothing when the translation files are not installed.
// Without a real system locale (C, POSIX, LANG unset) dates and numbers take the German formats.
void deutscheQtTexte(QCoreApplication &app);

} // namespace tlt
