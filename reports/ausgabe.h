#pragma once

#include <QDate>
#include <QString>
#include <QTime>
#include <functional>
#include <vector>

namespace tlt {

class Cup;
class Tabelle;

// Line styles, added together.
enum Stil { Normal = 0, Fett = 1, Kursiv = 2, Unterstrichen = 4 };

struct Ausgabezeile {
    QString text;
    int farbe = 0;
    int stil = Normal;
    int groesse = 9;
    bool operator==(const Ausgabezeile &o) const = default;
};

// The output pane as data: one report at a time, line by line.
class Ausgabe {
public:
    const std::vector<Ausgabezeile> &zeilen() const { return m_zeilen; }
    int anzahl() const { return static_cast<int>(m_zeilen.size()); }
    const Ausgabezeile &zeile(int i) const { return m_zeilen[static_cast<size_t>(i)]; }
    bool leer() const { return m_zeilen.empty(); }

    void clear();
    // Appends one line.
    void p(int farbe, int stil, int groesse, const QString &text);
    // n < 0: removes the last |n| lines; otherwise removes line n.
    void d(int n);
    void leerzeile();
    void doppellinie();
    void einfachlinie();
    // The shared head: organiser (bold 14), cup name (14), a blank line; clears the pane first.
    void berichtskopf(const Cup &cup);
    // The shared foot: blank line, double line, date and time, program and web address.
    void berichtsfuss();

    // All line texts joined with "\n".
    QString text() const;

    // Called after every change so that a view can refresh.
    std::function<void()> beiAenderung;

private:
    void geaendert();
    std::vector<Ausgabezeile> m_zeilen;
};

// The date in the locale's short format with a four-digit year, and the time with seconds.
QString kurzesDatum(const QDate &datum);
QString langeZeit(const QTime &zeit);

// The age-group blocks shared by the race list and the overall standings: per age group a blank
// line and the underlined column heading, then the women's and the men's label, each after a blank
// line ("Altergruppe F30 (30-39)") and followed by the lines gruppe(label) writes. A label without
// lines is taken back, and so is the heading of an age group without any. Returns the number of
// participant lines; a maximum age that is no integer throws Konvertierungsfehler.
int altersgruppenBloecke(Ausgabe &aus, const Tabelle &ag, const QString &spaltenkopf,
                         const std::function<int(const QString &label)> &gruppe);

// Surname, first name and the last two digits of the birth year of participant row r:
// "Muster, Erika ('85)".
QString namensfeld(const Tabelle &teil, int r);

// The text right-aligned in a field of w characters (cut at its end when longer).
QString rechtsbuendig(const QString &text, int w);
// The text left-aligned in a field of w characters (cut at its end when longer).
QString linksbuendig(const QString &text, int w);

} // namespace tlt
