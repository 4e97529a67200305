// Feeds arbitrary bytes to the cup file reader. A file that loads must write out again, and writing
// and loading must settle: the second file written equals the third.

#include "fuzz/zusicherung.h"

#include "core/cup.h"
#include "core/cupdatei.h"

#include <QBuffer>
#include <QByteArray>

#include <cstddef>
#include <cstdint>

using namespace tlt;

namespace {

bool ladeBytes(Cup &cup, const QByteArray &bytes, QString *fehler)
{
    QByteArray kopie = bytes;
    QBuffer puffer(&kopie);
    return laden(cup, puffer, fehler);
}

void pruefeForm(const Cup &cup)
{
    TLT_ZUSICHERN(cup.laufe.colCount() >= 1, "Lauftabelle ohne Beschriftungsspalte");
    TLT_ZUSICHERN(cup.teil.colCount() == cup.laufe.colCount() + 7, "Ergebnisspalten passen nicht zu den Läufen");
    TLT_ZUSICHERN(cup.teil.rowCount() >= 1 && cup.ag.rowCount() >= 1 && cup.cv.rowCount() >= 1 &&
                      cup.pv.rowCount() >= 1,
                  "Tabelle ohne Überschriftenzeile");
    TLT_ZUSICHERN(!cup.geaendert, "geladener Cup gilt als geändert");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray eingabe(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));

    Cup cup;
    cup.dateiname = QStringLiteral("/vorher/cup.tl3");
    cup.name = QStringLiteral("vorher");
    const QByteArray vorher = dateiinhalt(cup);

    QString fehler;
    if (!ladeBytes(cup, eingabe, &fehler)) {
        // A file that fails leaves the previous cup as it was and says why.
        TLT_ZUSICHERN(!fehler.isEmpty(), "Fehlschlag ohne Meldung");
        TLT_ZUSICHERN(cup.dateiname == QStringLiteral("/vorher/cup.tl3"), "Dateiname nach Fehlschlag geändert");
        TLT_ZUSICHERN(dateiinhalt(cup) == vorher, "Cup nach Fehlschlag verändert");
        return 0;
    }
    TLT_ZUSICHERN(cup.dateiname == QStringLiteral("/vorher/cup.tl3"), "laden() hat den Dateinamen geändert");
    pruefeForm(cup);

    // What the program writes, it must read again. The first round may still drop outer blanks,
    // control characters and characters outside the code page; after that nothing may change.
    const QByteArray eins = dateiinhalt(cup);
    Cup zwei;
    TLT_ZUSICHERN(ladeBytes(zwei, eins, &fehler), "geschriebene Datei lädt nicht");
    pruefeForm(zwei);
    TLT_ZUSICHERN(zwei.anzahlLaufe() == cup.anzahlLaufe(), "Zahl der Läufe geändert");
    TLT_ZUSICHERN(zwei.anzahlTeilnehmer() == cup.anzahlTeilnehmer(), "Zahl der Teilnehmer geändert");
    const QByteArray zweiBytes = dateiinhalt(zwei);
    Cup drei;
    TLT_ZUSICHERN(ladeBytes(drei, zweiBytes, &fehler), "zweimal geschriebene Datei lädt nicht");
    TLT_ZUSICHERN(dateiinhalt(drei) == zweiBytes, "Schreiben und Laden kommen nicht zur Ruhe");
    return 0;
}
