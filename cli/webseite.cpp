// tlt webseite: the results site of a cup, written into a folder.
#include "cli/befehl.h"

#include "core/cup.h"
#include "core/cupdatei.h"
#include "core/konvertierung.h"
#include "webseite/webseite.h"

#include <QDir>

namespace tlt::cli {

namespace {

int webseite(const QStringList &argumente, Umgebung &u)
{
    const QString name = QStringLiteral("webseite");
    QStringList args = argumente;
    QString lauftext;
    bool mitLauf = false;
    if (!nimmOption(args, QStringLiteral("--nach-lauf"), &lauftext, &mitLauf)) {
        u.err << "Einer Option fehlt ihr Wert.\n";
        return aufruffehler(u, name);
    }
    if (args.size() != 2) {
        if (args.size() > 2)
            u.err << "Zu viele Argumente.\n";
        return aufruffehler(u, name);
    }
    Cup cup;
    QString fehler;
    if (!ladenDatei(cup, args.at(0), &fehler)) {
        u.err << fehler << '\n';
        return Fehler;
    }
    int lauf = -1;
    if (mitLauf && (!istInt(lauftext, &lauf) || lauf < 1 || lauf > cup.anzahlLaufe())) {
        if (cup.anzahlLaufe() == 0)
            u.err << "Der Cup hat keinen Lauf.\n";
        else
            u.err << QStringLiteral("Einen Lauf \"%1\" gibt es nicht; der Cup hat die Läufe 1 bis %2.\n")
                         .arg(lauftext)
                         .arg(cup.anzahlLaufe());
        return aufruffehler(u, name);
    }
    if (!webseiteErzeugen(cup, args.at(1), lauf, &fehler)) {
        u.err << fehler << '\n';
        return Fehler;
    }
    u.out << "Ergebnisseiten geschrieben: " << QDir::toNativeSeparators(QDir(args.at(1)).absoluteFilePath(QStringLiteral("index.html")))
          << '\n';
    return Ok;
}

const Registrierung befehl{Befehl{QStringLiteral("webseite"), QStringLiteral("tlt webseite CUP.tl3 ORDNER [--nach-lauf N]"),
                                  QStringLiteral("Ergebnisseiten für Handy und Web (HTML5) in einen Ordner schreiben"),
                                  webseite}};

} // namespace

} // namespace tlt::cli
