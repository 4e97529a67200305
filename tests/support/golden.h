#pragma once

#include "reports/ausgabe.h"

#include <QByteArray>
#include <QString>

namespace tlt::test {

// The pane as golden text: one line per output line, "style|size|text".
QString paneltext(const Ausgabe &aus);

// Compares a text or bytes with a file of tests/data. With TLT_GOLDEN_UPDATE=1 in the environment
// the file is (re)written instead and the comparison passes; a missing file is an error otherwise.
// Returns an empty text on success, or a description of the first difference.
QString goldenVergleich(const QString &datei, const QByteArray &ist);

} // namespace tlt::test
