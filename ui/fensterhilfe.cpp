#include "ui/fensterhilfe.h"

#include <QLineEdit>
#include <QVariant>
#include <algorithm>

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace tlt::ui {

namespace {
const char *const kLaenge = "tltLaenge";
}

void eingabeBegrenzen(QLineEdit *feld, int laenge)
{
    feld->setMaxLength(laenge);
    feld->setProperty(kLaenge, laenge);
    // Setting the limit resets the field's modified flag, so it is only touched when it must shrink.
    QObject::connect(feld, &QLineEdit::textEdited, feld, [feld, laenge](const QString &text) {
        const int grenze = std::max(laenge, static_cast<int>(text.size()));
        if (grenze != feld->maxLength())
            feld->setMaxLength(grenze);
    });
}

void feldFuellen(QLineEdit *feld, const QString &text)
{
    const QVariant laenge = feld->property(kLaenge);
    if (laenge.isValid())
        feld->setMaxLength(std::max(laenge.toInt(), static_cast<int>(text.size())));
    feld->setText(text);
    feld->setCursorPosition(0);
}


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
