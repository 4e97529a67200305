#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace tlt {

class Cup;

// One participant as the participant dialog collects it.
struct Teilnehmerdaten {
    QString name, vorname, geb, ges, verein, alt, sn, cup;
    QStringList ergebnisse; // entry i: the result in race i + 1
};

// Columns 0-7 and the results of participant row s.
Teilnehmerdaten teilnehmerLesen(const Cup &cup, int s);

// The required fields, in the order the dialog checks them; with cup variations one must be chosen,
// without them the field must be empty.
bool teilnehmerVollstaendig(const Cup &cup, const Teilnehmerdaten &d);
// The column (Teilspalte) of the first required field that is missing, in the order the dialog
// checks them, or -1 when the record is complete.
int teilnehmerFehlendeSpalte(const Cup &cup, const Teilnehmerdaten &d);

// Appends the participant, re-sorts by surname and marks the cup changed. Returns its row afterwards.
int teilnehmerHinzufuegen(Cup &cup, const Teilnehmerdaten &d);
// Overwrites row s, re-sorts by surname and marks the cup changed. Returns the row afterwards.
int teilnehmerAendern(Cup &cup, int s, const Teilnehmerdaten &d);

QString teilnehmerLoeschenFrage(const Cup &cup, int s);
// Removes row s and marks the cup changed.
void teilnehmerLoeschen(Cup &cup, int s);

// "2) 12.05.2001 (ZL)": race number, date and (ZL) for a time run, (DL) otherwise.
QString laufbezeichnung(const Cup &cup, int r);

// What identifies a participant while a dialog is open: columns 0-7.
QStringList teilnehmerkennung(const Cup &cup, int s);
// The row of that participant now: the remembered row if it still matches, else the only row with the
// same start number and name, else the first row equal in columns 0-7; -1 when it is gone.
int teilnehmerFinden(const Cup &cup, const QStringList &kennung, int bisherigeZeile);

// Results typed in a table that listed the races laufkennungen (identities at opening, see
// laufkennung) moved onto the races that exist now. A race that was not listed gets its entry from
// ohneEintrag (index = race - 1; missing entries mean empty). gleicheForm tells that no race was added
// or removed meanwhile: then a race changed in place keeps the entry of its position.
QStringList ergebnisseZuordnen(const Cup &cup, const QList<QStringList> &laufkennungen, const QStringList &eingaben,
                               const QStringList &ohneEintrag, bool gleicheForm);

// Quick entry: a start number typed as a whole number, zero-padded to three digits ("7" -> "007").
// Returns false when the text is no whole number.
bool startnummerLesen(const QString &text, QString *gepolstert);
// First participant row whose start number is exactly that text, or -1.
int startnummerSuchen(const Cup &cup, const QString &startnummer);

// The search of the participants page: the first row from `ab` on (going round to row 1) whose
// start number is the typed number (digits only: 7 finds 007) or whose surname or first name
// contains the typed text, case-insensitive. -1 when none matches or the text is blank.
int teilnehmerFinden(const Cup &cup, const QString &text, int ab);
// Writes a result of race r for row s and marks the cup changed.
void ergebnisEintragen(Cup &cup, int s, int r, const QString &ergebnis);
// The question before an existing result is replaced.
QString ueberschreibenFrage(const QString &alt, const QString &neu);

} // namespace tlt
