#pragma once

#include "certificates/leinwand.h"

#include <QString>
#include <QStringList>

namespace tlt {

class Cup;

inline const QString kUrkundenschrift = QStringLiteral("Times New Roman");
inline const QString kUrkundendokument = QStringLiteral("TLT Ausdruck");
// What the window and tlt say when a certificate command would draw nothing; %1 is the style's name.
inline const QString kKeineUrkunde = QStringLiteral("Es gibt keine Urkunde zu drucken.");
inline const QString kKeineGesamturkunde =
    QStringLiteral("Der Urkundenstil \"%1\" hat keine Urkunde für die Gesamtwertung.\r\n"
                   "Es gibt keine Urkunde zu drucken.");

// The item texts of the style choice, index 0-2.
const QStringList &urkundenstile();

// The two signature lines of the certificate settings. They live as long as the program runs and
// are read when each certificate is drawn.
struct Unterschriften {
    QString unter1;
    QString unter2;
};

// Values of one race certificate, all as printed.
struct Laufurkundendaten {
    QString platz;
    QString lauf;
    QString altersgruppe;
    QString variation; // empty in a cup without cup variations
    QString strecke;   // the variation's distance; empty without cup variations
    QString person;    // first name, blank, surname
    QString verein;
    QString ergebnis;
};

// Values of one overall certificate.
struct Gesamturkundendaten {
    QString platz; // the stored overall placing; "0" when the standings did not place the participant
    QString altersgruppe;
    QString variation;
    QString person;
    QString verein;
    QString punkte;
};

// Draws text as one line centred in [x1, x2] with its top at y. The cell height starts at a fifth
// of the box width (at most hoechstens pixels, when given) and shrinks to the largest height at
// which the text fits (it stops at 1 pixel). A text of more than 10,000 characters, unreadable at
// any height, is drawn only up to there.
void urkundenzeile(Leinwand &l, const QString &text, double x1, double y, double x2, int hoechstens = 0);

// Whether a style draws race certificates (0, 1, 2) and overall certificates (0, 1); any other
// style draws nothing, and no page is started for it.
bool zeichnetLaufurkunden(int stil);
bool zeichnetGesamturkunden(int stil);

// One print job of certificates: one document "TLT Ausdruck", one certificate per page.
class Urkundendruck {
public:
    Urkundendruck(Leinwand &leinwand, const Cup &cup, const Unterschriften &unterschriften);

    // Sets the page counter to 1. The document itself starts with the first certificate that is
    // drawn: a job that would draw nothing never reaches the printer.
    void beginne();
    void beende();
    // The device could not be opened when the first certificate was to be drawn.
    bool fehlgeschlagen() const { return m_fehler; }

    // Each draws one certificate, on the job's first page or a new one, in the cup's certificate style.
    // laufurkunde also reads the place of race `lauf` ("Ort:") for style 2.
    void laufurkunde(const Laufurkundendaten &d);
    void gesamturkunde(const Gesamturkundendaten &d);

    // Number of the next certificate within the job.
    int urkundenseite() const { return m_urkundenseite; }
    // Certificates drawn in this job (one page each).
    int anzahl() const { return m_urkundenseite - 1; }

private:
    // Starts the document or a new page; false when the device could not be opened.
    bool seitenschritt();
    void rahmenOben(int stil);
    void rahmenUnten(int stil);
    void koerper(int stil, const QString &zeile1, const QString &zeile2, const QString &zeile3,
                 const Laufurkundendaten *lauf, const Gesamturkundendaten *gesamt,
                 const QString &belegte = QStringLiteral("belegte"));
    void laufurkundeStil2(const Laufurkundendaten &d);
    // Left and right edge of the text column of styles 0 and 1, moved in by `einzug`.
    double spalteLinks(int einzug) const;
    double spalteRechts(int einzug) const;

    Leinwand &m_l;
    const Cup &m_cup;
    const Unterschriften &m_unterschriften;
    int m_urkundenseite = 1;
    bool m_aktiv = false;
    bool m_fehler = false;
};

} // namespace tlt
