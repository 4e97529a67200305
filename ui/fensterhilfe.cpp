#include "ui/fensterhilfe.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace tlt::ui {

void zentrieren(QWidget *fenster)
{
    QScreen *s = fenster->screen() ? fenster->screen() : QGuiApplication::primaryScreen();
    if (!s)
        return;
    // A window that set its own size keeps it (grown where its layout needs more); the others take
    // the size their layout asks for.
    if (fenster->testAttribute(Qt::WA_Resized))
        fenster->resize(fenster->size().expandedTo(fenster->sizeHint()));
    else
        fenster->adjustSize();
    QRect r = fenster->frameGeometry();
    r.moveCenter(s->availableGeometry().center());
    fenster->move(r.topLeft());
}

void nichtModalZeigen(QWidget *fenster)
{
    if (!fenster->isVisible() && !fenster->property("tltZentriert").toBool()) {
        zentrieren(fenster);
        fenster->setProperty("tltZentriert", true);
    }
    fenster->show();
    fenster->raise();
    fenster->activateWindow();
}

} // namespace tlt::ui
