#pragma once

#include "certificates/leinwand.h"

#include <QString>
#include <functional>

namespace tlt {

// Runs a certificate command on a PDF page (A4 portrait, 600 dpi, a narrow unprintable rim like a
// printer's) and saves the file through the safe writer only when the command completed: an
// existing file stays byte-identical when it fails or throws. Returns the command's result
// (certificates drawn), or -1 with a German message in *fehler when the file could not be written.
// When no certificate was drawn (0) no file is written. Exceptions of the command pass through.
// eingabe (the cup file) is never overwritten.
int urkundenAlsPdf(const QString &pfad, const std::function<int(Leinwand &)> &befehl, QString *fehler,
                   const QString &eingabe = {});

} // namespace tlt
