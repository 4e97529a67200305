#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <vector>

namespace tlt::test {

// Lowers the file size limit of this process to the given number of bytes, with SIGXFSZ ignored,
// so that a write beyond it fails with EFBIG the way a full disk fails; restores both on destruction.
class Groessengrenze {
public:
    explicit Groessengrenze(qint64 bytes);
    ~Groessengrenze();
    Groessengrenze(const Groessengrenze &) = delete;
    Groessengrenze &operator=(const Groessengrenze &) = delete;

private:
    struct Alt;
    Alt *m_alt;
};

// The limits a sweep tries for a file of the given size: 0, 1, a spread across the file including
// the edges of common buffer sizes, size - 1, size and past the end. Sorted, each once.
std::vector<qint64> grenzen(qint64 groesse);

// One writer under the sweep. schreiben writes the new file at pfad and returns whether it reports
// success (with its message in *meldung otherwise). vollstaendig tells whether the bytes of the
// file are the complete new file.
struct Schreibfall {
    QString name;
    QString pfad;
    std::function<bool(QString *meldung)> schreiben;
    std::function<bool(const QByteArray &datei)> vollstaendig;
    // How far the size may differ from run to run (a PDF carries the time it was made); within
    // this distance of the size, either outcome is right as long as it is whole.
    qint64 toleranz = 0;
};

// Runs the writer once without limit to learn the file's size, then at every limit of grenzen():
// before each run the target holds alt; afterwards either the writer succeeded and the file is
// complete, or it failed with a message and the target holds alt byte for byte. The writer must
// succeed exactly when the limit is at least the file's size. No other file may appear in the
// target's folder. Reports a failure through QTest; returns the number of cases run.
int sweep(const Schreibfall &fall, const QByteArray &alt = QByteArray("alte Fassung\r\n"));

// Reads a whole file; empty when it does not exist.
QByteArray dateiBytes(const QString &pfad);
void dateiSetzen(const QString &pfad, const QByteArray &inhalt);

} // namespace tlt::test
