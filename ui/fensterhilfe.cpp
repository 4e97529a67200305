#include "ui/fensterhilfe.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QStyle>
#include <QVBoxLayout>
#include <QValidator>
#include <QVariant>
#include <QWidget>
#include <algorithm>

namespace tlt::ui {

namespace {
const char *const kLaenge = "tltLaenge";

// Rejects an edit that makes the text longer than the limit and longer than it was before, so a
// stored text above the limit can be corrected in place. Unlike changing maxLength while typing,
// a rejected edit is simply undone: caret, selection and undo history stay as they were.
class Laengengrenze : public QValidator {
public:
    Laengengrenze(QLineEdit *feld, int grenze) : QValidator(feld), m_grenze(grenze)
    {
        connect(feld, &QLineEdit::textChanged, this, [this](const QString &t) { m_bisher = int(t.size()); });
    }
    State validate(QString &text, int &) const override
    {
        return text.size() <= std::max(m_grenze, m_bisher) ? Acceptable : Invalid;
    }
    void setBisher(int n) { m_bisher = n; }

private:
    int m_grenze;
    int m_bisher = 0;
};
} // namespace

bool echterWechsel(const QEvent *e)
{
    if (e->type() != QEvent::FocusIn && e->type() != QEvent::FocusOut)
        return false;
    const auto grund = static_cast<const QFocusEvent *>(e)->reason();
    return grund != Qt::ActiveWindowFocusReason && grund != Qt::PopupFocusReason;
}

void eingabeBegrenzen(QLineEdit *feld, int laenge)
{
    feld->setMaxLength(laenge);
    feld->setProperty(kLaenge, laenge);
    feld->setValidator(new Laengengrenze(feld, laenge));
}

void feldFuellen(QLineEdit *feld, const QString &text)
{
    const QVariant laenge = feld->property(kLaenge);
    if (laenge.isValid()) {
        const int n = std::max(laenge.toInt(), static_cast<int>(text.size()));
        if (feld->maxLength() != n)
            feld->setMaxLength(n);
        // Known before the text arrives, so the stored text counts as valid input.
        if (auto *g = const_cast<Laengengrenze *>(dynamic_cast<const Laengengrenze *>(feld->validator())))
            g->setBisher(int(text.size()));
    }
    feld->setText(text);
    feld->setCursorPosition(0);
}

void zahlfeldEinrichten(QSpinBox *feld)
{
    // Digits beyond the range are not taken; a field left empty gets its number back.
    if (QLineEdit *e = feld->findChild<QLineEdit *>())
        e->setReadOnly(false);
    feld->setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
}

void listenbreiteAnpassen(QComboBox *liste)
{
    liste->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    int breite = 0;
    const QFontMetrics fm = liste->view()->fontMetrics();
    for (int i = 0; i < liste->count(); ++i)
        breite = std::max(breite, fm.horizontalAdvance(liste->itemText(i)));
    liste->view()->setMinimumWidth(breite + 2 * liste->view()->frameWidth() +
                                   liste->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 12);
    // Laid out beside a field with a stretch factor, the list gets only its minimum width.
    liste->setMinimumWidth(0);
    liste->setMinimumWidth(liste->sizeHint().width());
}

QLabel *hinweiszeile(QWidget *dialog)
{
    auto *l = new QLabel(dialog);
    l->setObjectName(QStringLiteral("hinweis"));
    l->setWordWrap(true);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, QColor(0xa0, 0, 0));
    l->setPalette(p);
    return l;
}

QLabel *dialogfuss(QWidget *dialog, QVBoxLayout *layout, QPushButton *speichern)
{
    layout->addSpacing(6);
    layout->addWidget(speichern);
    QLabel *hinweis = hinweiszeile(dialog);
    hinweis->setMinimumHeight(2 * hinweis->fontMetrics().height());
    layout->addWidget(hinweis);
    layout->addStretch(1);
    return hinweis;
}

void zumHinzufuegenZeigen(QWidget *dialog, const QString &titel, QLabel *hinweis, QWidget *erstesFeld)
{
    dialog->setWindowTitle(titel);
    hinweis->clear();
    nichtModalZeigen(dialog);
    erstesFeld->setFocus();
}

void fehlendesFeld(QLabel *zeile, QWidget *feld, const QString &name)
{
    zeile->setText(QStringLiteral("Nicht gespeichert: Bitte füllen Sie „%1“ aus.").arg(name));
    if (feld && feld->isEnabled())
        feld->setFocus(Qt::OtherFocusReason);
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

void mindestgroesse(QWidget *fenster, const QSize &groesse)
{
    const QSize mindestens = groesse.expandedTo(fenster->minimumSizeHint());
    fenster->setMinimumSize(mindestens);
    fenster->resize(fenster->sizeHint().expandedTo(mindestens));
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
