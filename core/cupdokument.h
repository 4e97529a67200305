#pragma once

#include "core/cup.h"
#include "core/tabelle.h"

#include <QObject>
#include <QSharedPointer>
#include <QString>
#include <array>
#include <functional>
#include <optional>

namespace tlt {

// The five tables of a cup, in the order of Cup's members.
enum class Tabellenteil { Cv, Ag, Pv, Laufe, Teil };
Tabelle &tabelle(Cup &cup, Tabellenteil t);

// The settings of page "Cup", as one value.
struct Einstellungen {
    QString name;
    QString veranstalter;
    int kategorie = 0;
    int min = 1;
    int max = 1;
    bool operator==(const Einstellungen &) const = default;
};
Einstellungen einstellungenLesen(const Cup &cup);
void einstellungenSchreiben(Cup &cup, const Einstellungen &e);

// One command as it changed the cup: what each table recorded and the settings before and after.
// It takes the change back and does it again without a copy of the cup.
struct Schritt {
    QString text;
    std::array<Tabellenprotokoll, 5> tabellen;
    std::optional<Einstellungen> vorher, nachher;
    // Only the order of rows changed (sorting by a column): the cup's content is the same.
    bool nurOrdnung = false;
    // Steps with the same non-zero key that follow each other become one (typing a setting).
    int verschmelzen = 0;
    bool leer() const;
};

// The cup document: owns the cup, and every change of the cup goes through it as one step. It
// records what a command changed, tells the undo stack about the step, and tells every view which
// table changed (or that the whole cup was replaced, or that the file name or changed flag did).
//
// Rows and columns carry identities (Tabelle::rowId/colId): a race is the identity of its column of
// laufe (its result column in teil moves with it), a participant the identity of its row of teil.
class CupDokument : public QObject {
    Q_OBJECT
public:
    enum class Art { Inhalt, Ordnung };

    explicit CupDokument(QObject *parent = nullptr);
    // A document over a cup that someone else owns (tests, tools); it must outlive the document.
    explicit CupDokument(Cup &fremd, QObject *parent = nullptr);

    Cup &cup() { return m_cup; }
    const Cup &cup() const { return m_cup; }

    // Runs a command on the cup as one step named text. Returns whether it changed anything. A command
    // that throws leaves the cup as it was before (the recorded part is taken back), then rethrows.
    // Art::Ordnung marks a step that only reorders rows: it does not make the cup changed.
    bool ausfuehren(const QString &text, const std::function<void(Cup &)> &befehl, Art art = Art::Inhalt,
                    int verschmelzen = 0);
    // Takes a step back, or does it again (the undo stack calls these).
    void rueckgaengig(const Schritt &s);
    void wiederholen(const Schritt &s);

    // New and Load: the whole cup is replaced; there is nothing to take back any more.
    void ersetzen(Cup &&neu);
    // After a direct replacement of cup() (tests, older callers): tells the views.
    void ersetztMelden();

    bool geaendert() const { return m_cup.geaendert; }
    void setGeaendert(bool geaendert);
    void setDateiname(const QString &pfad);

signals:
    // A step was done; the undo stack takes it.
    void schrittAufgezeichnet(QSharedPointer<tlt::Schritt> schritt);
    // A table changed; form: rows or columns were added, removed or moved (else only cells changed).
    void tabelleGeaendert(tlt::Tabellenteil teil, bool form);
    void einstellungenGeaendert();
    // The whole cup was replaced (New, Load).
    void ersetzt();
    // The file name or the changed flag.
    void zustandGeaendert();

private:
    void melden(const Schritt &s);
    void abspielen(const Schritt &s, bool rueckwaerts);

    Cup m_eigen;
    Cup &m_cup;
    bool m_zeichnetAuf = false;
};

} // namespace tlt

Q_DECLARE_METATYPE(QSharedPointer<tlt::Schritt>)
Q_DECLARE_METATYPE(tlt::Tabellenteil)
