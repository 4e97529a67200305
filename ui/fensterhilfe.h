#pragma once

class QComboBox;
class QEvent;
class QLabel;
class QPushButton;
class QVBoxLayout;
class QLineEdit;
class QSize;
class QSpinBox;
class QString;
class QWidget;

namespace tlt::ui {

// Centres a window on the screen it is on (or the primary screen).
void zentrieren(QWidget *fenster);
// Shows a non-modal dialog on top of its main window, centred the first time.
void nichtModalZeigen(QWidget *fenster);
// A dialog is at least this large (its layout may ask for more) and is centred the first time it shows.
void mindestgroesse(QWidget *fenster, const QSize &groesse);

// A focus event that moves the focus inside the window: the window losing its activation, a popup
// menu or a message box taking the focus is no leaving of the field.
bool echterWechsel(const QEvent *e);

// Limits what the user can type into a field; a longer text filled in by feldFuellen stays whole
// and may be shortened, but typing never makes a text longer than the limit. Caret, selection and
// the field's undo history are left alone.
void eingabeBegrenzen(QLineEdit *feld, int laenge);
// Shows a stored text in a limited field without cutting it, caret at the start.
void feldFuellen(QLineEdit *feld, const QString &text);

// A number field that takes typed digits within its range as well as the arrows.
void zahlfeldEinrichten(QSpinBox *feld);

// A drop-down list wide enough for its longest item, closed and open. Call again after the items change.
void listenbreiteAnpassen(QComboBox *liste);

// The line of a dialog that says why a save did not happen.
QLabel *hinweiszeile(QWidget *dialog);
// The foot of a small edit dialog (cup variation, age group): the save button and below it the hint
// line, two lines high so that the dialog does not grow when it speaks. Returns the hint line.
QLabel *dialogfuss(QWidget *dialog, QVBoxLayout *layout, QPushButton *speichern);
// Opens a small edit dialog for adding: its title, no hint left from before, the focus in the first field.
void zumHinzufuegenZeigen(QWidget *dialog, const QString &titel, QLabel *hinweis, QWidget *erstesFeld);
// Names the field that is missing in the hint line and puts the focus there.
void fehlendesFeld(QLabel *zeile, QWidget *feld, const QString &name);

} // namespace tlt::ui
