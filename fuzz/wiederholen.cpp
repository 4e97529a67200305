// Runs a fuzz target over files and folders of inputs, for builds without libFuzzer: the ordinary
// test run replays the seed corpus and every input that once found a fault.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstddef>
#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);

namespace {

int eingaben = 0;

bool einmal(const QString &pfad)
{
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "kann %s nicht lesen\n", qPrintable(pfad));
        return false;
    }
    const QByteArray bytes = datei.readAll();
    std::fprintf(stderr, "%s\n", qPrintable(pfad));
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t *>(bytes.constData()),
                           static_cast<std::size_t>(bytes.size()));
    ++eingaben;
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    bool ok = true;
    for (int i = 1; i < argc; ++i) {
        const QString pfad = QString::fromLocal8Bit(argv[i]);
        if (QFileInfo(pfad).isDir()) {
            const QDir ordner(pfad);
            for (const QString &name : ordner.entryList(QDir::Files, QDir::Name))
                ok = einmal(ordner.filePath(name)) && ok;
        } else {
            ok = einmal(pfad) && ok;
        }
    }
    std::printf("%d Eingaben ohne Befund\n", eingaben);
    return ok && eingaben > 0 ? 0 : 1;
}
