#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class QIODevice;

namespace tlt {

// One cell of a foreign table as its file stores it.
struct Zelle {
    enum class Art : unsigned char {
        Leer,
        Text,
        Zahl,  // a number without a date or time style
        Datum, // a number with a date or time style: days since 30.12.1899, the fraction is the time of day
    };
    Art art = Art::Leer;
    QString text; // the text; for numbers the value written out
    double zahl = 0;

    static Zelle ausText(const QString &t);
    static Zelle ausZahl(double z, bool datum);
    bool leer() const { return art == Art::Leer || (art == Art::Text && text.trimmed().isEmpty()); }
};

// One non-empty row and its number in the file (line of a CSV file, row of a sheet; from 1).
struct Rohzeile {
    int zeile = 0;
    QList<Zelle> zellen;
    const Zelle &zelle(int spalte) const;
};

// The rows of one sheet or text file; empty rows are left out.
struct Rohtabelle {
    QList<Rohzeile> zeilen;
    QString beschreibung; // how the file was read, e.g. "UTF-8, Trennzeichen ;"
};

// CSV or TXT: UTF-8 (with or without BOM), UTF-16 with BOM, else Windows-1252; separator ";", "," or tab,
// whichever the first record holds most often; fields in double quotes may hold separators, quotes ("")
// and line breaks.
bool csvLesen(const QByteArray &daten, Rohtabelle *t, QString *fehler);
// The separator csvLesen chooses for these bytes.
QChar trennzeichenErkennen(const QString &text);

// XLSX and ODS from a device: the sheet named blatt, or the first when blatt is empty.
bool xlsxLesen(QIODevice *geraet, const QString &blatt, Rohtabelle *t, QString *fehler);
bool odsLesen(QIODevice *geraet, const QString &blatt, Rohtabelle *t, QString *fehler);
// The sheet names of an XLSX or ODS file in their order.
QStringList xlsxBlaetter(QIODevice *geraet, QString *fehler);
QStringList odsBlaetter(QIODevice *geraet, QString *fehler);

// Any of the above by the file's extension (.csv, .txt, .xlsx, .ods). Messages name the file.
bool tabelleLesen(const QString &pfad, const QString &blatt, Rohtabelle *t, QString *fehler);
// The sheets of a spreadsheet file; empty for CSV/TXT.
QStringList blaetterLesen(const QString &pfad, QString *fehler);

// The largest foreign file that is read at all.
inline constexpr qint64 kHoechstgroesse = qint64(256) * 1024 * 1024;

} // namespace tlt
