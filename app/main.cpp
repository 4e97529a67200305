#include <QApplication>
#include <QLabel>

// Placeholder until the main window exists.
int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tempolauftabellator"));
    QLabel l(QStringLiteral("Tempolauftabellator 3.1.9"));
    l.show();
    return QApplication::exec();
}
