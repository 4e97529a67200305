#include "core/uhr.h"

namespace tlt {

namespace {
std::function<QDateTime()> &uhrRef()
{
    static std::function<QDateTime()> u;
    return u;
}
} // namespace

QDateTime jetzt()
{
    return uhrRef() ? uhrRef()() : QDateTime::currentDateTime();
}

void setUhr(std::function<QDateTime()> uhr)
{
    uhrRef() = std::move(uhr);
}

void resetUhr()
{
    uhrRef() = nullptr;
}

} // namespace tlt
