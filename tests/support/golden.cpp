#include "support/golden.h"

#include "support/testhilfe.h"

#include <QFile>
#include <QList>

namespace tlt::test {

QString paneltext(const Ausgabe &aus)
{
    QString s;
    for (const Ausgabezeile &z : aus.zeilen())
        s += QStringLiteral("%1|%2|%3\n").arg(z.stil).arg(z.groesse).arg(z.text);
    return s;
}

QString goldenVergleich(const QString &datei, const QByteArray &ist)
{
    const QString pfad = testdatenPfad(datei);
    if (qEnvironmentVariable("TLT_GOLDEN_UPDATE") == QLatin1String("1")) {
        QFile f(pfad);
        if (!f.open(QIODevice::WriteOnly))
            return QStringLiteral("kann %1 nicht schreiben").arg(pfad);
        f.write(ist);
        return {};
    }
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly))
        return QStringLiteral("%1 fehlt (TLT_GOLDEN_UPDATE=1 legt sie an)").arg(pfad);
    const QByteArray soll = f.readAll();
    if (soll == ist)
        return {};
    const QList<QByteArray> a = soll.split('\n'), b = ist.split('\n');
    for (qsizetype i = 0; i < qMax(a.size(), b.size()); ++i) {
        const QByteArray x = i < a.size() ? a.at(i) : QByteArray("<Ende>");
        const QByteArray y = i < b.size() ? b.at(i) : QByteArray("<Ende>");
        if (x != y)
            return QStringLiteral("%1, Zeile %2:\n soll: %3\n ist:  %4")
                .arg(datei)
                .arg(i + 1)
                .arg(QString::fromUtf8(x), QString::fromUtf8(y));
    }
    return QStringLiteral("%1 unterscheidet sich").arg(datei);
}

} // namespace tlt::test
