// Prints the MIME type that Qt's MIME database (shared-mime-info) gives each file named on the
// command line, one per line. The desktop test points XDG_DATA_DIRS at a private data folder.
#include <QCoreApplication>
#include <QMimeDatabase>
#include <QTextStream>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const QMimeDatabase db;
    for (const QString &datei : QCoreApplication::arguments().mid(1))
        out << db.mimeTypeForFile(datei).name() << '\n';
    return 0;
}
