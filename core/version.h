#pragma once

#include <QString>

// Program name, version and our own maker's notice; every report foot, HTML page and the about box use these.
namespace tlt {
inline const QString kProgrammname = QStringLiteral("Tempolauftabellator");
inline const QString kVersion = QStringLiteral("3.1.9");
inline const QString kHerstellerhinweis = QStringLiteral("(freie Software des TLT-Projekts)");
inline const QString kWebadresse = QStringLiteral("https://tempolauftabellator.example.org");
} // namespace tlt
