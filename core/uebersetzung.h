#pragma once

class QCoreApplication;

namespace tlt {

// Loads Qt's own German texts (file errors, standard buttons), so that every message the
// user sees is German. Quietly does nothing when the translation files are not installed.
void deutscheQtTexte(QCoreApplication &app);

} // namespace tlt
