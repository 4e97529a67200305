#include "ui/listenbefehle.h"

#include "core/cup.h"
#include "core/konvertierung.h"
#include "reports/ausgabe.h"
#include "reports/listen.h"
#include "ui/berichtsbefehle.h"
#include "ui/main_unit.h"
#include "ui/meldung.h"

#include <QAction>
#include <QInputDialog>
#include <QMenu>
#include <deque>
#include <functional>

namespace tlt::ui {

namespace {

enum class Ziel { Vorschau, Drucken, Html, Pdf };

struct Hooks {
    std::deque<int> verbleibend;
    int unerwartet = 0;
};
Hooks &hooks()
{
    static Hooks h;
    return h;
}

// Builds the report into the pane and shows, prints or exports it, as the other reports do.
// The lists only read the cup. name: the file name an export proposes.
void ausfuehren(MainUnit &w, Ziel ziel, const std::function<void(const Cup &, Ausgabe &)> &bericht,
                const QString &name)
{
    if (ziel == Ziel::Drucken && !drucken(&w, w.drucker()))
        return;
    try {
        bericht(w.cup(), w.ausgabe());
    } catch (const Konvertierungsfehler &f) {
        // The lines written up to the failure stay in the pane; nothing is printed or exported.
        fehler(&w, f.text());
        return;
    }
    switch (ziel) {
    case Ziel::Vorschau:
        w.zeigeAusgabe();
        break;
    case Ziel::Drucken:
        druckeAusgabe(w);
        break;
    case Ziel::Html:
        ausgabe2html(w, name);
        break;
    case Ziel::Pdf:
        ausgabe2pdf(w, name);
        break;
    }
}

int laufAusLaufe(MainUnit &w)
{
    const int k = w.gewaehlterLauf();
    return k >= 1 && k <= w.cup().anzahlLaufe() ? k : 0;
}

// The number of races still to come; -1 when the user cancels.
int verbleibendFragen(MainUnit &w)
{
    Hooks &h = hooks();
    if (!h.verbleibend.empty()) {
        const int n = h.verbleibend.front();
        h.verbleibend.pop_front();
        return n;
    }
    ++h.unerwartet;
    bool ok = false;
    const int n = QInputDialog::getInt(&w, QStringLiteral("Wer kann noch gewinnen?"),
                                       QStringLiteral("Wie viele Läufe stehen noch aus?"), 1, 0, 100, 1, &ok);
    return ok ? n : -1;
}

void einlauf(MainUnit &w, Ziel ziel)
{
    const int k = laufAusLaufe(w);
    if (k > 0)
        ausfuehren(
            w, ziel, [k](const Cup &c, Ausgabe &a) { ausgabe_einlauf(c, a, k); },
            QStringLiteral("Lauf_%1_Einlaufliste").arg(k));
}

void ausfuehrlich(MainUnit &w, Ziel ziel)
{
    const int n = laufAusLaufe(w);
    if (n > 0)
        ausfuehren(
            w, ziel, [n](const Cup &c, Ausgabe &a) { ausgabe_gesamt_ausfuehrlich(c, a, n); },
            QStringLiteral("Gesamtwertung_ausfuehrlich_nach_Lauf_%1").arg(n));
}

void nochOffen(MainUnit &w, Ziel ziel)
{
    const int n = laufAusLaufe(w);
    if (n == 0)
        return;
    const int verbleibend = verbleibendFragen(w);
    if (verbleibend < 0)
        return;
    ausfuehren(
        w, ziel, [n, verbleibend](const Cup &c, Ausgabe &a) { ausgabe_noch_offen(c, a, n, verbleibend); },
        QStringLiteral("Wer_kann_noch_gewinnen_nach_Lauf_%1").arg(n));
}

// The statement after the race whose result column is selected, or after the last race.
void auskunft(MainUnit &w, Ziel ziel)
{
    const int r = w.gewaehlteZeile();
    const Cup &cup = w.cup();
    if (r < 1 || r > cup.anzahlTeilnehmer() || cup.anzahlLaufe() < 1)
        return;
    const int k = w.gewaehlterLaufTeil();
    const int n = k >= 1 && k <= cup.anzahlLaufe() ? k : cup.anzahlLaufe();
    ausfuehren(
        w, ziel, [r, n](const Cup &c, Ausgabe &a) { ausgabe_auskunft(c, a, r, n); },
        QStringLiteral("Cup-Auskunft_%1_nach_Lauf_%2").arg(cup.teil.cell(Teilspalte::Startnummer, r)).arg(n));
}

} // namespace

void listenAnschliessen(MainUnit &w)
{
    struct Liste {
        const char *menue;
        void (*befehl)(MainUnit &, Ziel);
    };
    const Liste listen[] = {
        {"laufe_pop_f", einlauf}, {"laufe_pop_x", ausfuehrlich}, {"laufe_pop_w", nochOffen}, {"teil_pop_c", auskunft}};
    const std::pair<const char *, Ziel> ziele[] = {
        {"_v", Ziel::Vorschau}, {"_d", Ziel::Drucken}, {"_h", Ziel::Html}, {"_p", Ziel::Pdf}};
    for (const Liste &l : listen) {
        QMenu *menu = w.menue(QLatin1String(l.menue));
        if (!menu) {
            qWarning("Untermenü %s fehlt", l.menue);
            continue;
        }
        auto *pdf = new QAction(QStringLiteral("&PDF-Export"), menu);
        pdf->setObjectName(QLatin1String(l.menue) + QStringLiteral("_p"));
        menu->addAction(pdf);
        for (const auto &[endung, ziel] : ziele) {
            const QString name = QLatin1String(l.menue) + QLatin1String(endung);
            QAction *a = menu->findChild<QAction *>(name);
            if (!a)
                a = w.aktion(name);
            if (!a) {
                qWarning("Menüpunkt %s fehlt", qPrintable(name));
                continue;
            }
            QObject::connect(a, &QAction::triggered, &w, [&w, befehl = l.befehl, ziel = ziel] { befehl(w, ziel); });
        }
    }
}

void setNextVerbleibend(int laeufe)
{
    hooks().verbleibend.push_back(laeufe);
}

int unerwarteteVerbleibendFragen()
{
    const int n = hooks().unerwartet;
    hooks().unerwartet = 0;
    return n;
}

} // namespace tlt::ui
