#include "ui/bea_erg_unit.h"

#include "core/cup.h"
#include "core/laufbefehle.h"
#include "core/pruefungen.h"
#include "core/teilnehmerbefehle.h"
#include "ui/meldung.h"

#include <QFocusEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTimer>

namespace tlt::ui {

namespace {
bool echterWechsel(QEvent *e)
{
    const auto grund = static_cast<QFocusEvent *>(e)->reason();
    return grund != Qt::ActiveWindowFocusReason && grund != Qt::PopupFocusReason;
}

bool weiterTaste(QEvent *e)
{
    if (e->type() != QEvent::KeyPress)
        return false;
    const int k = static_cast<QKeyEvent *>(e)->key();
    return k == Qt::Key_Tab || k == Qt::Key_Backtab || k == Qt::Key_Return || k == Qt::Key_Enter;
}

// The place the entry window was designed for, at the lower right of a large screen.
const QPoint kEntwurfsposition(1028, 765);
} // namespace

BeaErg::BeaErg(Cup &cup, QWidget *parent) : QDialog(parent), m_cup(cup)
{
    setObjectName(QStringLiteral("bea_erg"));
    setWindowTitle(QStringLiteral("Schnelle Ergebniseingabe"));

    m_sn = new QLineEdit(this);
    m_sn->setObjectName(QStringLiteral("sn"));
    m_name = new QLabel(this);
    m_name->setObjectName(QStringLiteral("name"));
    m_name->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_name->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_name->setFocusPolicy(Qt::NoFocus);
    // A long name must not widen the window; the full name is in the tooltip.
    m_name->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_name->setMinimumHeight(m_sn->sizeHint().height());
    m_erg = new QLineEdit(this);
    m_erg->setObjectName(QStringLiteral("erg"));
    m_ergT = new QLabel(QStringLiteral("Ergebnis in diesem Lauf:"), this);
    m_ergT->setObjectName(QStringLiteral("ergT"));
    m_ergT->setBuddy(m_erg);
    auto *snT = new QLabel(QStringLiteral("Geben Sie ein Startnummer ein:"), this);
    snT->setBuddy(m_sn);

    auto *g = new QGridLayout(this);
    g->addWidget(snT, 0, 0, 1, 2);
    g->addWidget(m_sn, 1, 0, 1, 2);
    g->addWidget(new QLabel(QStringLiteral("Name:"), this), 2, 0);
    g->addWidget(m_name, 2, 1);
    g->addWidget(m_ergT, 3, 0, 1, 2);
    g->addWidget(m_erg, 4, 0, 1, 2);
    g->setColumnStretch(1, 1);
    g->setSizeConstraint(QLayout::SetFixedSize);
    // Wide enough for the longest label ("Ergebnis in Lauf 99 - Distanzlauf (fixe Zeit)").
    const int breite = std::max(
        232, fontMetrics().horizontalAdvance(QStringLiteral("Ergebnis in Lauf 99 - Distanzlauf (fixe Zeit)")) + 24);
    m_sn->setMinimumWidth(breite - 24);

    setTabOrder(m_sn, m_erg);
    m_sn->installEventFilter(this);
    m_erg->installEventFilter(this);
}

QPoint BeaErg::sichtbarePosition(QPoint wunsch, QSize groesse, const QRect &frei)
{
    const int x = std::max(frei.left(), std::min(wunsch.x(), frei.right() + 1 - groesse.width()));
    const int y = std::max(frei.top(), std::min(wunsch.y(), frei.bottom() + 1 - groesse.height()));
    return {x, y};
}

void BeaErg::positionieren()
{
    QScreen *bildschirm = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (!bildschirm)
        return;
    const QRect frei = bildschirm->availableGeometry();
    adjustSize();
    // Before the first showing the window frame is not known yet; allow for a usual title bar.
    QSize aussen = frameGeometry().size();
    if (!isVisible())
        aussen += QSize(8, 32);
    const QPoint wunsch = m_positioniert ? pos() : frei.topLeft() + kEntwurfsposition;
    move(sichtbarePosition(wunsch, aussen, frei));
    m_positioniert = true;
}

void BeaErg::oeffnen(int r)
{
    if (r < 1 || r > m_cup.anzahlLaufe())
        return;
    m_lauf = r;
    m_laufkennung = laufkennung(m_cup, r);
    m_laufform = m_cup.laufe.shapeRevision();
    m_ergT->setText(QStringLiteral("Ergebnis in Lauf %1 - ").arg(r) + m_cup.lauftyp(r));
    positionieren();
    show();
    raise();
    activateWindow();
    fokus(m_sn);
    snEnter();
}

void BeaErg::laufBearbeitet(const QStringList &bisher, int c)
{
    if (m_lauf < 1 || bisher != m_laufkennung || c < 1 || c > m_cup.anzahlLaufe())
        return;
    m_lauf = c;
    m_laufkennung = laufkennung(m_cup, c);
    m_laufform = m_cup.laufe.shapeRevision();
    m_ergT->setText(QStringLiteral("Ergebnis in Lauf %1 - ").arg(c) + m_cup.lauftyp(c));
}

int BeaErg::aktuellerLauf() const
{
    const int anzahl = m_cup.laufe.shapeRevision() == m_laufform ? m_cup.anzahlLaufe() : -1;
    return laufFinden(m_cup, m_laufkennung, m_lauf, anzahl);
}

int BeaErg::gefundeneZeile() const
{
    if (m_gefunden.isEmpty())
        return -1;
    if (m_cup.teil.cell(Teilspalte::Startnummer, m_zeile) == m_gefunden)
        return m_zeile;
    // The table was re-sorted meanwhile: start numbers are unique, look it up again.
    return startnummerSuchen(m_cup, m_gefunden);
}

void BeaErg::fokus(QWidget *w)
{
    m_intern = true;
    w->setFocus(Qt::TabFocusReason);
    m_intern = false;
}

void BeaErg::snEnter()
{
    m_sn->clear();
    m_name->clear();
    m_name->setToolTip(QString());
    m_erg->clear();
    m_zeile = -1;
    m_gefunden.clear();
}

BeaErg::Weiter BeaErg::snExit()
{
    QString sn;
    if (!startnummerLesen(m_sn->text(), &sn))
        return m_sn->text().isEmpty() ? Weiter::Ende : Weiter::Bleiben;
    const int s = startnummerSuchen(m_cup, sn);
    if (s < 0)
        return Weiter::Bleiben;
    const int r = aktuellerLauf();
    if (r < 0) {
        warnung(this,
                QStringLiteral("Der Lauf, für den die Ergebniseingabe geöffnet wurde, ist nicht mehr vorhanden."));
        return Weiter::Ende;
    }
    m_zeile = s;
    m_gefunden = sn;
    m_sn->setText(sn);
    const QString name =
        m_cup.teil.cell(Teilspalte::Name, s) + QStringLiteral(", ") + m_cup.teil.cell(Teilspalte::Vorname, s);
    m_name->setText(name);
    m_name->setToolTip(name);
    m_erg->setText(m_cup.teil.cell(Cup::ergebnisspalte(r), s));
    if (beiTreffer)
        beiTreffer(s);
    return Weiter::Ergebnis;
}

void BeaErg::ergEnter()
{
    m_alt = m_erg->text();
}

void BeaErg::ergExit()
{
    const int r = aktuellerLauf();
    const QString typ = r > 0 ? m_cup.lauftyp(r) : QString();
    const QString neu = ergebnisNormalisieren(m_erg->text(), typ);
    m_erg->setText(neu);
    if (m_sn->text().isEmpty())
        return;
    const int s = gefundeneZeile();
    if (s < 0 || r < 0)
        return;
    if (neu != m_alt && !m_alt.isEmpty() && !frage(this, ueberschreibenFrage(m_alt, neu)))
        return;
    ergebnisEintragen(m_cup, s, r, neu);
    if (nachAenderung)
        nachAenderung(s);
}

bool BeaErg::eventFilter(QObject *o, QEvent *e)
{
    if (o == m_sn) {
        if (e->type() == QEvent::FocusIn && echterWechsel(e)) {
            snEnter();
        } else if (weiterTaste(e)) {
            switch (snExit()) {
            case Weiter::Ergebnis:
                fokus(m_erg);
                ergEnter();
                break;
            case Weiter::Bleiben:
                m_sn->selectAll();
                break;
            case Weiter::Ende:
                hide();
                break;
            }
            return true;
        } else if (e->type() == QEvent::FocusOut && echterWechsel(e) && !m_intern) {
            // Left with the mouse: the same steps, the focus comes back when the number is not found.
            switch (snExit()) {
            case Weiter::Ergebnis:
                break;
            case Weiter::Bleiben:
                QTimer::singleShot(0, this, [this, text = m_sn->text()] {
                    fokus(m_sn);
                    m_sn->setText(text);
                    m_sn->selectAll();
                });
                break;
            case Weiter::Ende:
                QTimer::singleShot(0, this, &QWidget::hide);
                break;
            }
        }
    } else if (o == m_erg) {
        if (e->type() == QEvent::FocusIn && echterWechsel(e)) {
            ergEnter();
        } else if (weiterTaste(e)) {
            ergExit();
            fokus(m_sn);
            snEnter();
            return true;
        } else if (e->type() == QEvent::FocusOut && echterWechsel(e) && !m_intern) {
            ergExit();
        }
    }
    return QDialog::eventFilter(o, e);
}

} // namespace tlt::ui
