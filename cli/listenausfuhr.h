#pragma once

#include "cli/befehl.h"

#include <functional>

namespace tlt {
struct Ausfuhrtabelle;
}

namespace tlt::cli {

// Where a list goes as a table: a CSV file, an XLSX file, or both.
struct Listenziel {
    QString csv;
    QString xlsx;
    bool gesetzt() const { return !csv.isEmpty() || !xlsx.isEmpty(); }
};

// Takes "--csv DATEI" and "--xlsx DATEI" out of args; false with a reason when a value is missing.
bool nimmListenziel(QStringList &args, Listenziel &ziel, QString *grund);

// When a target is set: builds the list, writes it and sets *rc (Ok or Fehler, message printed);
// returns true. Without a target it does nothing and returns false.
bool listeSchreiben(const Listenziel &ziel, const std::function<Ausfuhrtabelle()> &liste, Umgebung &u, int *rc);

} // namespace tlt::cli
