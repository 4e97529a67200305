#pragma once

#include <QDateTime>
#include <functional>

namespace tlt {

// The one clock of the program; tests replace it to get fixed dates and times.
QDateTime jetzt();
void setUhr(std::function<QDateTime()> uhr);
void resetUhr();

} // namespace tlt
