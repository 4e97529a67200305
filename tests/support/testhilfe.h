#pragma once

#include <QDateTime>
#include <QString>

namespace tlt::test {

// Pins the locale to German and the clock to 08.12.2026 14:30:05, for reproducible report output.
void deutschUndFesteUhr();

// Reads a file of tests/data as UTF-8 text.
QString testdaten(const QString &name);
QString testdatenPfad(const QString &name);

} // namespace tlt::test
