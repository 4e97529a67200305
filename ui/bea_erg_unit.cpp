#include "ui/bea_erg_unit.h"

#include "core/cup.h"
#include "core/cupdokument.h"
#include "core/laufbefehle.h"
#include "core/pruefungen.h"
#include "core/teilnehmerbefehle.h"
#include "ui/fensterhilfe.h"
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
bool weiterTaste(QEvent *e)
{
    if (e->type() != QEvent::KeyPress)
        return false;
    const int k = static_cast<QKeyEvent *>(e)->key();
    return k == Qt::Key_Tab || k == Qt::Key_Backtab || k == Qt::Key_Return || k == Qt::Key_Enter;
}

const QString kNichtGefunden = QStringLiteral("Startnummer nicht gefunden");

// The place the entry window was designed for, at the lower right of a large screen.
const QPoint kEntwurfsposition(1028, 765);
} // namespace

BeaErg::BeaErg(CupDokument &dok, QWidget *parent) : QDialog(parent), m_dok(dok), m_cup(dok.cup())
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
    // Races added, deleted or re-dated elsewhere change this race's number: the label follows.
    connect(&m_dok, &CupDokument::tabelleGeaendert, this, [this](Tabellenteil t, bool) {
        if (t == Tabellenteil::Laufe && m_lauf != 0)
            beschriften();
    });
    connect(&m_dok, &CupDokument::ersetzt, this, [this] {
        if (m_lauf != 0)
            beschriften();
    });
}

int BeaErg::lauf() const
{
    const int c = m_cup.laufe.colOf(m_lauf);
    return c >= 1 ? c : -1;
}

void BeaErg::beschriften()
{
    const int r = lauf();
    if (r < 1)
        m_ergT->setText(QStringLiteral("Ergebnis in diesem Lauf (gelöscht):"));
    else
        m_ergT->setText(QStringLiteral("Ergebnis in Lauf %1 - ").arg(r) + m_cup.lauftyp(r));
}

bool BeaErg::laufWeg()
{
    if (lauf() >= 1)
        return false;
    warnung(this, QStringLiteral("Der Lauf, für den die Ergebniseingabe geöffnet wurde, ist nicht mehr vorhanden."));
    return true;
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
    m_lauf = m_cup.laufe.colId(r);
    beschriften();
    positionieren();
    show();
    raise();
    activateWindow();
    fokus(m_sn);
    snEnter();
}

int BeaErg::gefundeneZeile() const
{
    return m_teilnehmer != 0 ? m_cup.teil.rowOf(m_teilnehmer) : -1;
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
    m_teilnehmer = 0;
    m_gefunden.clear();
}

BeaErg::Weiter BeaErg::snExit()
{
    QString sn;
    const bool zahl = startnummerLesen(m_sn->text(), &sn);
    if (!zahl && m_sn->text().isEmpty())
        return Weiter::Ende;
    const int s = zahl ? startnummerSuchen(m_cup, sn) : -1;
    if (s < 0) {
        // Said where the name would appear, so a typing error is seen before the result is typed.
        m_name->setText(kNichtGefunden);
        m_name->setToolTip(QString());
        m_erg->clear();
        m_teilnehmer = 0;
        m_gefunden.clear();
        return Weiter::Bleiben;
    }
    if (laufWeg())
        return Weiter::Ende;
    const int r = lauf();
    m_teilnehmer = m_cup.teil.rowId(s);
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
    const int r = lauf();
    const QString typ = r > 0 ? m_cup.lauftyp(r) : QString();
    const QString neu = ergebnisNormalisieren(m_erg->text(), typ);
    m_erg->setText(neu);
    if (m_sn->text().isEmpty() || m_teilnehmer == 0)
        return;
    // The race or the participant may have gone while the result was typed: then nothing is written.
    if (laufWeg())
        return;
    if (gefundeneZeile() < 0) {
        warnung(this, QStringLiteral("Der Teilnehmer mit der Startnummer %1 ist nicht mehr vorhanden.").arg(m_gefunden));
        return;
    }
    if (neu != m_alt && !m_alt.isEmpty() && !frage(this, ueberschreibenFrage(m_alt, neu)))
        return;
    // Found again after the question: the table may have changed while it was open.
    const int s = gefundeneZeile();
    const int c = lauf();
    if (s < 0 || c < 1)
        return;
    m_dok.ausfuehren(QStringLiteral("Ergebnis %1 in Lauf %2").arg(m_gefunden).arg(c),
                     [&](Cup &cup) { ergebnisEintragen(cup, s, c, neu); });
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
                    m_name->setText(kNichtGefunden);
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
