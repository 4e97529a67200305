#include "core/uebersetzung.h"
#include "core/version.h"
#include "ui/autosicherung.h"
#include "ui/main_unit.h"

#include <QApplication>
#include <QFileInfo>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tempolauftabellator"));
    QApplication::setApplicationVersion(tlt::kVersion);
    tlt::deutscheQtTexte(app);
    // Lets the desktop match the window to its entry (name, icon) in the launcher and task bar.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Tempolauftabellator"));

    tlt::ui::MainUnit w;
    w.show();
    // Unsaved changes of a window that crashed come first; a cup file given on the command line
    // (e.g. by the file manager) is opened otherwise.
    const bool wiederhergestellt = w.autosicherung()->anbieten();
    const QStringList argumente = QApplication::arguments();
    if (argumente.size() > 1 && !wiederhergestellt)
        w.ladeDatei(QFileInfo(argumente.at(1)).absoluteFilePath());
    return QApplication::exec();
}
