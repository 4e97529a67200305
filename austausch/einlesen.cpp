#include "austausch/einlesen.h"

#include "austausch/tabellendatei.h"
#include "austausch/werte.h"
#include "core/cup.h"
#include "core/spalten.h"
#include "core/konvertierung.h"
#include "core/laufbefehle.h"
#include "core/pruefungen.h"
#include "core/sortierung.h"

#include <QHash>

#include <algorithm>
#include <limits>

namespace tlt {

namespace {

const QString kVeraltet =
    QStringLiteral("Der Cup wurde seit dem Einlesen der Datei geändert; bitte die Datei erneut einlesen.");

QString faltung(const QString &s)
{
    return s.trimmed().toCaseFolded();
}

// Surname, first name and the birth date (or only its year) as one matching key.
QString personenschluessel(const QString &name, const QString &vorname, const QString &geb, bool nurJahr)
{
    return faltung(name) + QChar(0x1F) + faltung(vorname) + QChar(0x1F) + (nurJahr ? geb.mid(6, 4) : geb);
}

int snWert(const QString &sn)
{
    int n = 0;
    return istInt(sn, &n) ? n : 0;
}

// The label of an age group as the cup spells it, and the sex it belongs to (0 women, 1 men); empty
// when the cup has no such label.
QString gruppeSuchen(const Cup &cup, const QString &text, int *geschlecht)
{
    const QString f = faltung(text);
    for (int r = 1; r < cup.ag.rowCount(); ++r)
        for (int g = 0; g < 2; ++g)
            if (faltung(cup.ag.cell(g, r)) == f) {
                *geschlecht = g;
                return cup.ag.cell(g, r);
            }
    return {};
}

QString varianteSuchen(const Cup &cup, const QString &text)
{
    const QString f = faltung(text);
    for (int r = 1; r < cup.cv.rowCount(); ++r)
        if (faltung(cup.cv.cell(Cvspalte::Name, r)) == f)
            return cup.cv.cell(Cvspalte::Name, r);
    return {};
}

QString text(const Rohzeile &r, const Zuordnung &z, Feld f)
{
    const int s = z.spalte(f);
    return s < 0 ? QString() : r.zelle(s).text.trimmed();
}

} // namespace

QString Teilnehmerimport::zusammenfassung() const
{
    QString s = QStringLiteral("%1 neu, %2 geändert, %3 %4 mit Problemen")
                    .arg(neu.size())
                    .arg(geaendert.size())
                    .arg(probleme.size())
                    .arg(probleme.size() == 1 ? QStringLiteral("Zeile") : QStringLiteral("Zeilen"));
    if (unveraendert > 0)
        s += QStringLiteral(", %1 unverändert").arg(unveraendert);
    return s;
}

Teilnehmerimport teilnehmerImportPlanen(const Cup &cup, const Rohtabelle &t, const Zuordnung &z,
                                        const QSet<int> &nurZeilen)
{
    Teilnehmerimport plan;
    plan.revision = cup.teil.revision();
    if (!z.hat(Feld::Name) || !z.hat(Feld::Vorname)) {
        plan.fehler = QStringLiteral("Die Datei braucht eine Spalte für den Namen und eine für den Vornamen.");
        return plan;
    }
    const Tabelle &teil = cup.teil;
    const bool varianten = hatCupVariationen(cup);
    const bool nurJahr = !z.hat(Feld::Geburtsdatum) && z.hat(Feld::Jahrgang);

    // The participants by start number value and by person.
    QHash<int, int> nachNummer;
    QHash<QString, QList<int>> nachPerson;
    int hoechste = 0;
    for (int s = 1; s < teil.rowCount(); ++s) {
        const int n = snWert(teil.cell(Teilspalte::Startnummer, s));
        if (n > 0) {
            nachNummer.insert(n, s);
            hoechste = std::max(hoechste, n);
        }
        nachPerson[personenschluessel(teil.cell(Teilspalte::Name, s), teil.cell(Teilspalte::Vorname, s), teil.cell(Teilspalte::Geburtsdatum, s), nurJahr)].append(s);
    }

    // Every start number the file names, also in rows that are left out: a number proposed for a
    // row without one must not collide when the file is corrected and imported again.
    for (int i = z.kopfzeile + 1; i < t.zeilen.size() && z.hat(Feld::Startnummer); ++i) {
        QString sn, grund;
        if (startnummerZelle(t.zeilen.at(i).zelle(z.spalte(Feld::Startnummer)), &sn, &grund))
            hoechste = std::max(hoechste, snWert(sn));
    }

    QHash<int, int> nummerInDatei;      // start number -> file line
    QHash<int, int> zeileVergeben;      // participant row -> file line that updates it
    QHash<QString, int> personInDatei; // person key of new participants -> file line
    QList<int> ohneNummer;              // indexes into plan.neu

    for (int i = z.kopfzeile + 1; i < t.zeilen.size(); ++i) {
        const Rohzeile &r = t.zeilen.at(i);
        if (!nurZeilen.isEmpty() && !nurZeilen.contains(r.zeile))
            continue;
        auto problem = [&](const QString &grund) { plan.probleme.append({r.zeile, grund}); };
        auto zelle = [&](Feld f) -> const Zelle & { return r.zelle(z.spalte(f)); };

        QString grund;
        Teilnehmerdaten d;
        d.name = text(r, z, Feld::Name);
        d.vorname = text(r, z, Feld::Vorname);
        if (d.name.isEmpty()) {
            problem(QStringLiteral("Name fehlt"));
            continue;
        }
        if (d.vorname.isEmpty()) {
            problem(QStringLiteral("Vorname fehlt"));
            continue;
        }
        if (z.hat(Feld::Geburtsdatum) ? !datumLesen(zelle(Feld::Geburtsdatum), &d.geb, &grund)
                                      : !jahrgangLesen(zelle(Feld::Jahrgang), &d.geb, &grund)) {
            problem(grund);
            continue;
        }
        if (!geschlechtLesen(zelle(Feld::Geschlecht), &d.ges, &grund) ||
            !startnummerZelle(zelle(Feld::Startnummer), &d.sn, &grund)) {
            problem(grund);
            continue;
        }
        d.verein = text(r, z, Feld::Verein);
        const QString gruppentext = text(r, z, Feld::Altersgruppe);
        if (!gruppentext.isEmpty()) {
            int g = 0;
            d.alt = gruppeSuchen(cup, gruppentext, &g);
            if (d.alt.isEmpty()) {
                problem(QStringLiteral("Altersgruppe '%1' gibt es im Cup nicht").arg(gruppentext));
                continue;
            }
            const QString geschlecht = g == 0 ? QStringLiteral("weiblich") : QStringLiteral("männlich");
            if (!d.ges.isEmpty() && d.ges != geschlecht) {
                problem(QStringLiteral("Altersgruppe '%1' passt nicht zum Geschlecht '%2'").arg(d.alt, d.ges));
                continue;
            }
            if (d.ges.isEmpty())
                d.ges = geschlecht;
        }
        const QString variantentext = text(r, z, Feld::Cup);
        if (!variantentext.isEmpty()) {
            if (!varianten) {
                problem(QStringLiteral("Der Cup hat keine Cupvarianten, die Zeile nennt '%1'").arg(variantentext));
                continue;
            }
            d.cup = varianteSuchen(cup, variantentext);
            if (d.cup.isEmpty()) {
                problem(QStringLiteral("Cupvariante '%1' gibt es im Cup nicht").arg(variantentext));
                continue;
            }
        }

        // Which participant the row means.
        const int nummer = snWert(d.sn);
        if (nummer > 0) {
            if (nummerInDatei.contains(nummer)) {
                problem(QStringLiteral("Startnummer %1 doppelt (wie Zeile %2)").arg(d.sn).arg(nummerInDatei.value(nummer)));
                continue;
            }
        }
        int zeile = nummer > 0 ? nachNummer.value(nummer, -1) : -1;
        const QString person = personenschluessel(d.name, d.vorname, d.geb, nurJahr);
        if (nummer == 0) {
            const QList<int> treffer = d.geb.isEmpty() ? QList<int>() : nachPerson.value(person);
            if (treffer.size() > 1) {
                problem(QStringLiteral("%1 Teilnehmer heißen %2, %3 mit diesem Geburtsdatum; bitte mit Startnummer")
                            .arg(treffer.size())
                            .arg(d.name, d.vorname));
                continue;
            }
            zeile = treffer.value(0, -1);
        }
        // A start number that belongs to someone of another surname and first name is rather a typing
        // error in the file than a renaming.
        if (nummer > 0 && zeile > 0 && faltung(teil.cell(Teilspalte::Name, zeile)) != faltung(d.name) &&
            faltung(teil.cell(Teilspalte::Vorname, zeile)) != faltung(d.vorname)) {
            problem(QStringLiteral("Startnummer %1 gehört %2, %3").arg(d.sn, teil.cell(Teilspalte::Name, zeile), teil.cell(Teilspalte::Vorname, zeile)));
            continue;
        }
        if (zeile > 0 && zeileVergeben.contains(zeile)) {
            problem(QStringLiteral("%1, %2 doppelt (wie Zeile %3)").arg(d.name, d.vorname).arg(zeileVergeben.value(zeile)));
            continue;
        }
        if (zeile < 0 && personInDatei.contains(person) && !d.geb.isEmpty() && nummer == 0) {
            problem(QStringLiteral("%1, %2 doppelt (wie Zeile %3)").arg(d.name, d.vorname).arg(personInDatei.value(person)));
            continue;
        }

        if (zeile > 0) {
            // An update: the file's non-empty fields over the stored ones. It never empties a field, so a
            // record that was complete stays complete.
            Teilnehmerdaten neu = teilnehmerLesen(cup, zeile);
            const Teilnehmerdaten alt = neu;
            neu.name = d.name;
            neu.vorname = d.vorname;
            if (!d.geb.isEmpty() && !(nurJahr && alt.geb.mid(6, 4) == d.geb.mid(6, 4)))
                neu.geb = d.geb;
            if (!d.ges.isEmpty())
                neu.ges = d.ges;
            if (!d.verein.isEmpty())
                neu.verein = d.verein;
            if (!d.cup.isEmpty())
                neu.cup = d.cup;
            if (!d.alt.isEmpty()) {
                neu.alt = d.alt;
            } else if (neu.geb != alt.geb || neu.ges != alt.ges) {
                const QString vorschlag = checkaltgr(cup, neu.geb, neu.ges == QStringLiteral("männlich") ? 1 : 0);
                if (!vorschlag.isEmpty())
                    neu.alt = vorschlag;
            }
            if (!d.sn.isEmpty())
                neu.sn = d.sn;
            zeileVergeben.insert(zeile, r.zeile);
            if (nummer > 0)
                nummerInDatei.insert(nummer, r.zeile);
            if (teilnehmerkennung(cup, zeile) ==
                QStringList{neu.name, neu.vorname, neu.geb, neu.ges, neu.verein, neu.alt, neu.sn, neu.cup})
                ++plan.unveraendert;
            else
                plan.geaendert.append({r.zeile, zeile, neu});
            continue;
        }

        // A new participant must be complete as the participant dialog requires.
        if (d.geb.isEmpty()) {
            problem(z.hat(Feld::Geburtsdatum) || !z.hat(Feld::Jahrgang) ? QStringLiteral("Geburtsdatum fehlt")
                                                                          : QStringLiteral("Jahrgang fehlt"));
            continue;
        }
        if (d.ges.isEmpty()) {
            problem(QStringLiteral("Geschlecht fehlt"));
            continue;
        }
        if (d.verein.isEmpty()) {
            problem(QStringLiteral("Verein fehlt"));
            continue;
        }
        if (d.alt.isEmpty()) {
            d.alt = checkaltgr(cup, d.geb, d.ges == QStringLiteral("männlich") ? 1 : 0);
            if (d.alt.isEmpty()) {
                problem(QStringLiteral("Keine Altersgruppe passt zum Geburtsdatum %1").arg(d.geb));
                continue;
            }
        }
        if (varianten && d.cup.isEmpty()) {
            problem(QStringLiteral("Cupvariante fehlt"));
            continue;
        }
        if (nummer > 0) {
            nummerInDatei.insert(nummer, r.zeile);
            hoechste = std::max(hoechste, nummer);
        } else {
            ohneNummer.append(int(plan.neu.size()));
        }
        personInDatei.insert(person, r.zeile);
        plan.neu.append({r.zeile, -1, d});
    }

    // The next free start numbers, in file order, above every number in use or in the file.
    for (int i : ohneNummer) {
        if (hoechste >= std::numeric_limits<int>::max()) {
            plan.probleme.append({plan.neu[i].dateizeile, QStringLiteral("Keine freie Startnummer mehr")});
            continue;
        }
        plan.neu[i].daten.sn = startnummer(++hoechste);
    }
    plan.neu.removeIf([](const Teilnehmerimport::Eintrag &e) { return e.daten.sn.isEmpty(); });
    std::sort(plan.probleme.begin(), plan.probleme.end(),
              [](const Importproblem &a, const Importproblem &b) { return a.zeile < b.zeile; });
    return plan;
}

bool teilnehmerImportAnwenden(Cup &cup, const Teilnehmerimport &plan, QString *fehler)
{
    if (!plan.fehler.isEmpty()) {
        *fehler = plan.fehler;
        return false;
    }
    if (cup.teil.revision() != plan.revision) {
        *fehler = kVeraltet;
        return false;
    }
    if (plan.neu.isEmpty() && plan.geaendert.isEmpty())
        return true;
    Tabelle &t = cup.teil;
    auto schreiben = [&t](int s, const Teilnehmerdaten &d) {
        const QString felder[Teilspalte::Anzahl] = {d.name, d.vorname, d.geb, d.ges, d.verein, d.alt, d.sn, d.cup};
        for (int c = 0; c < Teilspalte::Anzahl; ++c)
            t.setCell(c, s, felder[c]);
    };
    for (const auto &e : plan.geaendert)
        schreiben(e.zeile, e.daten);
    const int erste = t.rowCount();
    t.setRowCount(erste + int(plan.neu.size()));
    const int spalten = Cup::ergebnisspalte(cup.anzahlLaufe()) + 1;
    if (t.colCount() < spalten)
        t.setColCount(spalten);
    for (int i = 0; i < plan.neu.size(); ++i)
        schreiben(erste + i, plan.neu.at(i).daten);
    teilsort(cup, Richtung::Aufsteigend, 0);
    cup.edit(Cup::Stand::Geaendert);
    return true;
}

// ------------------------------------------------------------------------------------------ results

QString Ergebnisimport::zusammenfassung() const
{
    QString s = QStringLiteral("%1 neue Ergebnisse, %2 abweichend von gespeicherten, %3 unbekannte Startnummern, "
                               "%4 %5 mit Problemen")
                    .arg(neu.size())
                    .arg(konflikte.size())
                    .arg(unbekannt.size())
                    .arg(probleme.size())
                    .arg(probleme.size() == 1 ? QStringLiteral("Zeile") : QStringLiteral("Zeilen"));
    if (unveraendert > 0)
        s += QStringLiteral(", %1 unverändert").arg(unveraendert);
    if (ohneErgebnis > 0)
        s += QStringLiteral(", %1 ohne Ergebnis").arg(ohneErgebnis);
    return s;
}

QSet<int> Ergebnisimport::unbekannteZeilen() const
{
    QSet<int> s;
    for (const auto &u : unbekannt)
        s.insert(u.dateizeile);
    return s;
}

Ergebnisimport ergebnisImportPlanen(const Cup &cup, int lauf, const Rohtabelle &t, const Zuordnung &z)
{
    Ergebnisimport plan;
    plan.lauf = lauf;
    plan.revision = cup.teil.revision();
    if (lauf < 1 || lauf > cup.anzahlLaufe()) {
        plan.fehler = QStringLiteral("Einen Lauf %1 gibt es nicht.").arg(lauf);
        return plan;
    }
    if (!z.hat(Feld::Ergebnis)) {
        plan.fehler = QStringLiteral("Die Datei hat keine Spalte für das Ergebnis (Zeit, Ergebnis, Distanz …).");
        return plan;
    }
    const bool mitNummer = z.hat(Feld::Startnummer);
    if (!mitNummer && (!z.hat(Feld::Name) || !z.hat(Feld::Vorname))) {
        plan.fehler = QStringLiteral("Die Datei braucht eine Spalte für die Startnummer, oder für Name und Vorname.");
        return plan;
    }
    const Tabelle &teil = cup.teil;
    const int spalte = Cup::ergebnisspalte(lauf);
    const QString &typ = cup.lauftyp(lauf);
    const bool mitDatum = z.hat(Feld::Geburtsdatum);

    QHash<int, int> nachNummer;
    QHash<QString, QList<int>> nachPerson;
    for (int s = 1; s < teil.rowCount(); ++s) {
        const int n = snWert(teil.cell(Teilspalte::Startnummer, s));
        if (n > 0)
            nachNummer.insert(n, s);
        nachPerson[personenschluessel(teil.cell(Teilspalte::Name, s), teil.cell(Teilspalte::Vorname, s), mitDatum ? teil.cell(Teilspalte::Geburtsdatum, s) : QString(), false)]
            .append(s);
    }
    QHash<int, int> vergeben; // participant row -> file line

    for (int i = z.kopfzeile + 1; i < t.zeilen.size(); ++i) {
        const Rohzeile &r = t.zeilen.at(i);
        auto problem = [&](const QString &grund) { plan.probleme.append({r.zeile, grund}); };
        QString grund, ergebnis, sn;
        if (!ergebnisLesen(r.zelle(z.spalte(Feld::Ergebnis)), typ, &ergebnis, &grund)) {
            problem(grund);
            continue;
        }
        const QString name = text(r, z, Feld::Name);
        const QString vorname = text(r, z, Feld::Vorname);
        const QString anzeigename = name.isEmpty() && vorname.isEmpty() ? QString() : name + QStringLiteral(", ") + vorname;
        int zeile = -1;
        if (mitNummer) {
            if (!startnummerZelle(r.zelle(z.spalte(Feld::Startnummer)), &sn, &grund)) {
                problem(grund);
                continue;
            }
            if (sn.isEmpty()) {
                problem(QStringLiteral("Startnummer fehlt"));
                continue;
            }
            zeile = nachNummer.value(snWert(sn), -1);
        } else {
            QString geb;
            if (mitDatum && !datumLesen(r.zelle(z.spalte(Feld::Geburtsdatum)), &geb, &grund)) {
                problem(grund);
                continue;
            }
            if (name.isEmpty() || vorname.isEmpty()) {
                problem(name.isEmpty() ? QStringLiteral("Name fehlt") : QStringLiteral("Vorname fehlt"));
                continue;
            }
            const QList<int> treffer = nachPerson.value(personenschluessel(name, vorname, geb, false));
            if (treffer.size() > 1) {
                problem(QStringLiteral("%1 Teilnehmer heißen %2; bitte mit Startnummer").arg(treffer.size()).arg(anzeigename));
                continue;
            }
            zeile = treffer.value(0, -1);
        }
        if (ergebnis.isEmpty()) {
            ++plan.ohneErgebnis;
            continue;
        }
        if (zeile < 0) {
            plan.unbekannt.append({r.zeile, sn, anzeigename, ergebnis});
            continue;
        }
        if (vergeben.contains(zeile)) {
            problem(mitNummer ? QStringLiteral("Startnummer %1 doppelt (wie Zeile %2)").arg(sn).arg(vergeben.value(zeile))
                              : QStringLiteral("%1 doppelt (wie Zeile %2)").arg(anzeigename).arg(vergeben.value(zeile)));
            continue;
        }
        vergeben.insert(zeile, r.zeile);
        const QString &bisher = teil.cell(spalte, zeile);
        if (bisher == ergebnis)
            ++plan.unveraendert;
        else if (bisher.isEmpty())
            plan.neu.append({r.zeile, zeile, ergebnis, {}});
        else
            plan.konflikte.append({r.zeile, zeile, ergebnis, bisher});
    }
    return plan;
}

bool ergebnisImportAnwenden(Cup &cup, const Ergebnisimport &plan, const QList<bool> &ueberschreiben, QString *fehler)
{
    if (!plan.fehler.isEmpty()) {
        *fehler = plan.fehler;
        return false;
    }
    if (cup.teil.revision() != plan.revision || plan.lauf > cup.anzahlLaufe()) {
        *fehler = kVeraltet;
        return false;
    }
    const int spalte = Cup::ergebnisspalte(plan.lauf);
    bool geschrieben = false;
    for (const auto &e : plan.neu) {
        cup.teil.setCell(spalte, e.zeile, e.ergebnis);
        geschrieben = true;
    }
    for (int i = 0; i < plan.konflikte.size(); ++i) {
        if (ueberschreiben.value(i, false)) {
            cup.teil.setCell(spalte, plan.konflikte.at(i).zeile, plan.konflikte.at(i).ergebnis);
            geschrieben = true;
        }
    }
    if (geschrieben)
        cup.edit(Cup::Stand::Geaendert);
    return true;
}

} // namespace tlt
