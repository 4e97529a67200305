#pragma once

#include <QString>

// Program name, version and our own maker's notice; every report foot, HTML page and the about box use these.
namespace tlt {
inline const QString kProgrammname = QStringLiteral("Tempolauftabellator");
inline const QString kVersion = QStringLiteral("3.1.9");
// The DLV event report prints the notice and the address in a 32-character margin after one blank:
// keep both at most 30 characters long.
inline const QString kHerstellerhinweis = QStringLiteral("(freie Software, TLT-Projekt)");
inline const QString kWebadresse = QStringLiteral("https://tempolauf.example.org");
} // namespace tlt
