#pragma once

#include <QString>

namespace tlt {

class Cup;

// The rules of the cup-variation, age-group and points dialogs and of their deletions. A refusal
// is the German text to show (empty: allowed); the changing functions re-sort their table, carry a
// renamed label or name into the participants' rows and mark the cup changed.

// Adding the first cup variation while races exist empties the time/distance entry of every race:
// this question is asked first.
bool cvErsteMitLaeufen(const Cup &cup);
QString cvZeitDistanzFrage();
// Appends a variation (emptying the races' time/distance entries when leeren). Returns its row.
int cvHinzufuegen(Cup &cup, const QString &name, const QString &strecke, const QString &zeit, bool leeren);
// Renaming to a name that another variation has would merge their participants for good.
QString cvAendernVerweigert(const Cup &cup, int r, const QString &name);
// Overwrites row r and renames the variation in every participant row. Returns its row afterwards.
int cvAendern(Cup &cup, int r, const QString &name, const QString &strecke, const QString &zeit);
QString cvLoeschenVerweigert(const Cup &cup, int r);
QString cvLoeschenFrage(const Cup &cup, int r);
void cvLoeschen(Cup &cup, int r);

// Adding: a group whose female label, male label or maximum age another group has is a duplicate.
// Changing row r: a label that another group uses (as either label) is a duplicate.
QString agHinzufuegenVerweigert(const Cup &cup, const QString &weib, const QString &mann, const QString &alter);
QString agAendernVerweigert(const Cup &cup, int r, const QString &weib, const QString &mann);
int agHinzufuegen(Cup &cup, const QString &weib, const QString &mann, const QString &alter);
// Overwrites row r and carries both labels into the participants' rows. Returns its row afterwards.
int agAendern(Cup &cup, int r, const QString &weib, const QString &mann, const QString &alter);
QString agLoeschenVerweigert(const Cup &cup, int r);
QString agLoeschenFrage();
void agLoeschen(Cup &cup, int r);

// Adds the points value p unless it is there already (then only re-sorts). Returns whether it was added.
bool pvHinzufuegen(Cup &cup, int p);
QString pvLoeschenVerweigert(const Cup &cup, int r);
QString pvLoeschenFrage(const Cup &cup, int r);
void pvLoeschen(Cup &cup, int r);

// The spinners of page "Cup": neither above the number of races (but not below 1); raising the
// minimum pushes the maximum up, lowering the maximum pulls the minimum down.
void minSetzen(Cup &cup, int wert);
void maxSetzen(Cup &cup, int wert);

} // namespace tlt
