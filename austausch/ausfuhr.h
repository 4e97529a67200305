#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace tlt {

class Cup;

// One cell of an exported list. Numbers and times stay numbers, so that a spreadsheet sorts them.
struct Ausfuhrzelle {
    enum class Art : unsigned char { Leer, Text, Zahl, Zeit };
    Art art = Art::Leer;
    QString text;   // Text
    qint64 wert = 0; // Zahl: the number; Zeit: hundredths of a second

    static Ausfuhrzelle leer() { return {}; }
    static Ausfuhrzelle ausText(const QString &t) { return {t.isEmpty() ? Art::Leer : Art::Text, t, 0}; }
    static Ausfuhrzelle zahl(qint64 n) { return {Art::Zahl, {}, n}; }
    static Ausfuhrzelle zeit(qint64 hundertstel) { return {Art::Zeit, {}, hundertstel}; }
};

// A list as rows of cells under one heading row.
struct Ausfuhrtabelle {
    QString blatt; // sheet name in an XLSX file
    QStringList kopf;
    QList<QList<Ausfuhrzelle>> zeilen;
};

// A stored result as a cell: a time as hundredths, a distance as metres, a code or anything
// else as its text.
Ausfuhrzelle ergebniszelle(const QString &eintrag);

// The participants table: Startnummer, Name, Vorname, Geburtsdatum, Jahrgang, Geschlecht, Verein,
// Altersgruppe, Cupvariante and one column per race (headed "Lauf n (Datum)"). In the table's order.
Ausfuhrtabelle teilnehmerTabelle(const Cup &cup);
// The result list of race k: every participant with an entry, grouped as the printed list (cup
// variation, age group, women's then men's label), best first: Platz (empty for codes), Name,
// Vorname, Jahrgang, Verein, Altersgruppe, Cupvariante, Startnummer, Ergebnis, Punkte.
Ausfuhrtabelle laufergebnisTabelle(const Cup &cup, int k);
// The overall standings after race n, grouped and ordered as the printed standings: Platz (the
// placing the printed standings show; empty where they rank nobody), Name, Vorname, Jahrgang,
// Verein, Altersgruppe, Cupvariante, Teilnahmen, Punkte, and the race points of races 1 … n.
// Throws Konvertierungsfehler as the printed standings do.
Ausfuhrtabelle gesamtTabelle(const Cup &cup, int n);

// CSV for a German spreadsheet: UTF-8 with BOM, ";" between fields, CR LF, fields quoted where
// needed; times as h:mm:ss,hh.
QByteArray csvInhalt(const Ausfuhrtabelle &t);
// The time text of the CSV: "0:21:05,30", hours not padded.
QString zeittext(qint64 hundertstel);

// Writes the CSV or an XLSX workbook (one sheet, bold frozen heading row, an autofilter, numbers as
// numbers, times as time cells [h]:mm:ss.00). Safe: the old file stays as it was on failure.
bool csvSchreiben(const Ausfuhrtabelle &t, const QString &pfad, QString *fehler);
bool xlsxSchreiben(const Ausfuhrtabelle &t, const QString &pfad, QString *fehler);
// Either of the two by the file's extension (.xlsx, else CSV).
bool tabelleSchreiben(const Ausfuhrtabelle &t, const QString &pfad, QString *fehler);

} // namespace tlt
