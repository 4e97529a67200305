#pragma once

#include <QString>
#include <QStringList>

class QWidget;
class QPrinter;

namespace tlt::ui {

// Every question, refusal and file dialog of the program goes through here, so tests can
// script the answers instead of waiting on a modal box.
enum class Antwort { Ja, Nein, Ok, Abbrechen };

// "Warnung", warning icon, "&Ja"/"&Nein"; true only for "&Ja". vorgabe is the button that Enter
// presses: "&Nein" for questions whose "&Ja" throws work away.
bool frage(QWidget *parent, const QString &text, Antwort vorgabe = Antwort::Ja);
// "Warnung", warning icon, "OK".
void warnung(QWidget *parent, const QString &text);
// A piece of information: caption "Tempolauftabellator", information icon, "OK".
void hinweis(QWidget *parent, const QString &text);
// No icon, caption "Tempolauftabellator", "&Ja"/"&Nein"; true only for "&Ja".
bool frageOhneSymbol(QWidget *parent, const QString &text);
// A runtime failure (file, conversion): caption "Tempolauftabellator", error icon, "OK".
void fehler(QWidget *parent, const QString &text);

// A question with two named answers and a way out: caption titel, question icon, the buttons ja,
// nein and "&Abbrechen". Returns Ja or Nein for the named buttons, Abbrechen for the way out
// (also Escape and closing the box). Recorded as "frage".
Antwort frageMitKnoepfen(QWidget *parent, const QString &titel, const QString &text, const QString &ja,
                         const QString &nein);

struct Dateiauswahl {
    QString titel;
    QString filter;      // e.g. "Tempolauftabellator 3.*.* (*.tl3)"
    QString endung;      // default suffix without dot, e.g. "tl3"
    QString verzeichnis; // start folder or file
};
// Returns the chosen file name, empty when cancelled. Save dialogs ask before overwriting.
QString dateiOeffnen(QWidget *parent, const Dateiauswahl &a);
QString dateiSpeichern(QWidget *parent, const Dateiauswahl &a);
// A folder (titel and verzeichnis of the choice are used); empty when cancelled. Scripted by
// setNextFileName like the file dialogs (art "ordner").
QString ordnerWaehlen(QWidget *parent, const Dateiauswahl &a);

// The print dialog `drucken` for this printer; true when the user confirms it. Only the whole
// report is printed, on paper. A scripted answer (Ja/Ok prints) replaces it (art "drucken").
bool druckdialog(QWidget *parent, QPrinter *drucker);
// Asks for a whole number from min to max, proposing vorgabe; -1 when cancelled. A number queued
// with setNextNumber replaces the question (art "zahl").
int zahlFragen(QWidget *parent, const QString &titel, const QString &text, int vorgabe, int min, int max);

// The system's printer setup for this printer; false when cancelled. A scripted answer (Ja/Ok or
// Nein/Abbrechen) replaces the dialog in tests.
bool druckerEinrichten(QWidget *parent, QPrinter *drucker);
// Opens a web address in the default browser; in test mode it is only recorded (art "web").
void adresseOeffnen(const QString &adresse);

// Test hooks. Queued answers and file names are used, in order, instead of showing a dialog;
// every message shown while hooks are active is recorded.
void setNextAnswer(Antwort a);
void setNextFileName(const QString &name); // an empty name means "cancelled"
void setNextNumber(int zahl);              // a negative number means "cancelled"
struct Protokolleintrag {
    QString art; // "frage", "warnung", "hinweis", "ordner", "frageOhneSymbol", "fehler", "oeffnen", "speichern",
                 // "drucker", "drucken", "zahl", "web"
    QString titel;
    QString text;
    QString vorschlag; // file dialogs: the folder or file they proposed
};
const QList<Protokolleintrag> &protokoll();
// How many entries of that art the record holds.
int protokollAnzahl(const QString &art);
void resetTestHooks();
// When set, a dialog that has no scripted answer is a test failure: it is recorded with art "unerwartet"
// and answered "&Nein"/cancel instead of blocking.
void setTestmodus(bool an);

} // namespace tlt::ui
