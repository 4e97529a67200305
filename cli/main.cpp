#include "cli/befehl.h"
#include "core/uebersetzung.h"
#include "core/version.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLocale>
#include <cerrno>
#include <cstdio>
#include <unistd.h>

namespace tlt::cli {

namespace {
std::vector<Befehl> &liste()
{
    static std::vector<Befehl> l;
    return l;
}

void nutzung(QTextStream &s)
{
    s << "Aufruf: tlt BEFEHL [ARGUMENTE]\n\nBefehle:\n";
    for (const auto &b : befehle())
        s << "  " << b.aufruf << "\n      " << b.beschreibung << "\n";
    s << "  tlt --version\n      Versionsnummer von tlt\n";
}
} // namespace

Registrierung::Registrierung(Befehl b)
{
    liste().push_back(std::move(b));
}

const std::vector<Befehl> &befehle()
{
    return liste();
}

int aufruffehler(Umgebung &u, const QString &befehlsname)
{
    for (const auto &b : befehle())
        if (b.name == befehlsname)
            u.err << "Aufruf: " << b.aufruf << "\n";
    u.err.flush();
    return Aufruffehler;
}

bool nimmOption(QStringList &args, const QString &name, QString *wert, bool *gefunden)
{
    if (gefunden)
        *gefunden = false;
    const int i = static_cast<int>(args.indexOf(name));
    if (i < 0)
        return true;
    if (gefunden)
        *gefunden = true;
    if (i + 1 >= args.size())
        return false;
    if (wert)
        *wert = args.at(i + 1);
    args.remove(i, 2);
    return true;
}

} // namespace tlt::cli

namespace {
// A report that did not fully reach stdout (a full disk, a file size limit, /dev/full) is a failure:
// the caller must not take a cut-off list for the whole one.
int ausgabeAbschliessen(QTextStream &out, QTextStream &err, int rc)
{
    out.flush();
    const bool ok = out.status() == QTextStream::Ok && std::fflush(stdout) == 0 && !std::ferror(stdout);
    const int grund = errno;
    if (!ok) {
        err << "Die Ausgabe konnte nicht vollständig geschrieben werden: " << qt_error_string(grund) << "\n";
        rc = rc == tlt::cli::Ok ? tlt::cli::Fehler : rc;
    }
    err.flush();
    return rc;
}
} // namespace

int main(int argc, char **argv)
{
    // Drawing text (PDF output, certificates) needs a GUI application, but never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Without a desktop session Qt would warn about the missing runtime folder on every call.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QByteArray dir = QDir::tempPath().toLocal8Bit() + "/tlt-runtime-" + QByteArray::number(getuid());
        if (QDir().mkpath(QString::fromLocal8Bit(dir)) &&
            QFile::setPermissions(QString::fromLocal8Bit(dir),
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner))
            qputenv("XDG_RUNTIME_DIR", dir);
    }
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("tlt"));
    tlt::deutscheQtTexte(app);

    QTextStream out(stdout);
    QTextStream err(stderr);
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);
    tlt::cli::Umgebung u{out, err};

    QStringList args = QGuiApplication::arguments().mid(1);
    if (args.isEmpty() || args.first() == QLatin1String("--help") || args.first() == QLatin1String("-h")) {
        tlt::cli::nutzung(args.isEmpty() ? err : out);
        return ausgabeAbschliessen(out, err, args.isEmpty() ? tlt::cli::Aufruffehler : tlt::cli::Ok);
    }
    if (args.first() == QLatin1String("--version")) {
        out << "tlt " << tlt::kVersion << "\n";
        return tlt::cli::Ok;
    }
    const QString name = args.takeFirst();
    for (const auto &b : tlt::cli::befehle()) {
        if (b.name == name) {
            const int rc = b.ausfuehren(args, u);
            return ausgabeAbschliessen(out, err, rc);
        }
    }
    err << "Unbekannter Befehl: " << name << "\n";
    tlt::cli::nutzung(err);
    return tlt::cli::Aufruffehler;
}
