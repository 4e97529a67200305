#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>
#include <functional>

namespace tlt::cli {

// Exit codes of tlt.
enum Ergebnis { Ok = 0, Fehler = 1, Aufruffehler = 2 };

struct Umgebung {
    QTextStream &out;
    QTextStream &err;
};

// A sub-command of tlt: its name, a usage line and the function that runs it with the remaining arguments.
struct Befehl {
    QString name;
    QString aufruf;
    QString beschreibung;
    std::function<int(const QStringList &args, Umgebung &u)> ausfuehren;
};

// Every command file registers its commands with a static Registrierung object.
struct Registrierung {
    explicit Registrierung(Befehl b);
};

const std::vector<Befehl> &befehle();

// Prints the usage of one command on stderr and returns Aufruffehler.
int aufruffehler(Umgebung &u, const QString &befehlsname);

// Small argument helper: takes "--name WERT" out of args; returns false when the option is given without value.
bool nimmOption(QStringList &args, const QString &name, QString *wert, bool *gefunden = nullptr);

} // namespace tlt::cli
