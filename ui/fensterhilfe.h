#pragma once

class QLineEdit;
class QString;
class QWidget;

namespace tlt::ui {

// Centres a window on the screen it is on (or the primary screen).
void zentrieren(QWidget *fenster);
// Shows a non-modal dialog on top of its main window, centred the first time.
void nichtModalZeigen(QWidget *fenster);

// Limits what the user can type into a field; a longer text filled in by feldFuellen stays whole
// and may be shortened, but typing never makes a text longer than the limit.
void eingabeBegrenzen(QLineEdit *feld, int laenge);
// Shows a stored text in a limited field without cutting it, caret at the start.
void feldFuellen(QLineEdit *feld, const QString &text);

} // namespace tlt::ui
