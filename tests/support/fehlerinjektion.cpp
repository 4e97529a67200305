#include "support/fehlerinjektion.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <algorithm>
#include <csignal>
#include <sys/resource.h>

namespace tlt::test {

struct Groessengrenze::Alt {
    rlimit grenze{};
    void (*signal)(int) = SIG_DFL;
};

Groessengrenze::Groessengrenze(qint64 bytes) : m_alt(new Alt)
{
    getrlimit(RLIMIT_FSIZE, &m_alt->grenze);
    m_alt->signal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit neu = m_alt->grenze;
    neu.rlim_cur = static_cast<rlim_t>(bytes);
    if (setrlimit(RLIMIT_FSIZE, &neu) != 0)
        qFatal("setrlimit(RLIMIT_FSIZE) schlug fehl");
}

Groessengrenze::~Groessengrenze()
{
    setrlimit(RLIMIT_FSIZE, &m_alt->grenze);
    std::signal(SIGXFSZ, m_alt->signal);
    delete m_alt;
}

std::vector<qint64> grenzen(qint64 groesse)
{
    std::vector<qint64> g{0, 1, 2, 100, 4095, 4096, 4097, 16383, 16384, 16385, 65536};
    for (int i = 1; i < 8; ++i)
        g.push_back(groesse * i / 8);
    for (qint64 d : {-2, -1, 0, 1, 4096, 100000})
        g.push_back(groesse + d);
    std::erase_if(g, [&](qint64 k) { return k < 0 || k > groesse + 100000; });
    std::sort(g.begin(), g.end());
    g.erase(std::unique(g.begin(), g.end()), g.end());
    return g;
}

QByteArray dateiBytes(const QString &pfad)
{
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void dateiSetzen(const QString &pfad, const QByteArray &inhalt)
{
    QFile f(pfad);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(inhalt) != inhalt.size())
        qFatal("Testdatei %s ließ sich nicht schreiben", qPrintable(pfad));
}

namespace {
QStringList ordnerInhalt(const QString &pfad)
{
    return QFileInfo(pfad).dir().entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}
} // namespace

int sweep(const Schreibfall &fall, const QByteArray &alt)
{
    const QString name = fall.name;
    auto scheitern = [&](const QString &was) {
        QTest::qFail(qPrintable(name + QStringLiteral(": ") + was), __FILE__, __LINE__);
        return 0;
    };

    // Without a limit: the complete file, whose size sets the limits.
    QFile::remove(fall.pfad);
    const QStringList vorher = ordnerInhalt(fall.pfad);
    QString meldung;
    if (!fall.schreiben(&meldung))
        return scheitern(QStringLiteral("ohne Grenze gescheitert: ") + meldung);
    const QByteArray ganz = dateiBytes(fall.pfad);
    if (!fall.vollstaendig(ganz))
        return scheitern(QStringLiteral("ohne Grenze unvollständig"));
    QStringList erwartet = vorher;
    erwartet << QFileInfo(fall.pfad).fileName();
    erwartet.sort();
    erwartet.removeDuplicates();

    int faelle = 0;
    for (const qint64 k : grenzen(ganz.size())) {
        dateiSetzen(fall.pfad, alt);
        meldung.clear();
        bool ok = false;
        {
            const Groessengrenze grenze(k);
            ok = fall.schreiben(&meldung);
        }
        const QByteArray danach = dateiBytes(fall.pfad);
        const QString fallname = QStringLiteral("Grenze %1 von %2 Bytes").arg(k).arg(ganz.size());
        const bool sicher = k >= ganz.size() + fall.toleranz || k < ganz.size() - fall.toleranz;
        if (sicher && ok != (k >= ganz.size()))
            return scheitern(fallname + (ok ? QStringLiteral(": Erfolg gemeldet") : QStringLiteral(": gescheitert: ") + meldung));
        if (ok && !fall.vollstaendig(danach))
            return scheitern(fallname + QStringLiteral(": Erfolg, aber die Datei ist unvollständig"));
        if (!ok && danach != alt)
            return scheitern(fallname + QStringLiteral(": die alte Datei ist verändert (%1 Bytes)").arg(danach.size()));
        if (!ok && meldung.isEmpty())
            return scheitern(fallname + QStringLiteral(": keine Meldung"));
        if (ordnerInhalt(fall.pfad) != erwartet)
            return scheitern(fallname + QStringLiteral(": Ordner enthält ") +
                             ordnerInhalt(fall.pfad).join(QStringLiteral(", ")));
        ++faelle;
    }
    return faelle;
}

} // namespace tlt::test
