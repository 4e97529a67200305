#include "core/uebersetzung.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace tlt {

void deutscheQtTexte(QCoreApplication &app)
{
    // The program speaks German: without a real system locale (LANG unset, C or POSIX) dates and
    // numbers take the German forms, not "8 Dec 2026"; a real locale is followed as it is.
    if (QLocale::system().language() == QLocale::C)
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    auto *t = new QTranslator(&app);
    if (t->load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"), QStringLiteral("_"),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(t);
    else
        delete t;
}

} // namespace tlt
