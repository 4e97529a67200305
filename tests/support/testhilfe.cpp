#include "support/testhilfe.h"

#include "core/uhr.h"

#include <QFile>
#include <QLocale>

namespace tlt::test {

void deutschUndFesteUhr()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    setUhr([] { return QDateTime(QDate(2026, 12, 8), QTime(14, 30, 5)); });
}

QString testdatenPfad(const QString &name)
{
    return QStringLiteral(TLT_TESTDATA "/") + name;
}

QString testdaten(const QString &name)
{
    QFile f(testdatenPfad(name));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll());
}

} // namespace tlt::test
