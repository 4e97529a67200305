#include "ui/teilnehmersuche.h"

#include "core/cup.h"
#include "core/teilnehmerbefehle.h"
#include "ui/gitter.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace tlt::ui {

Teilnehmersuche::Teilnehmersuche(const Cup &cup, Gitter *gitter, QWidget *parent)
    : QWidget(parent), m_cup(cup), m_gitter(gitter)
{
    setObjectName(QStringLiteral("teilSuche"));
    auto *l = new QHBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    auto *t = new QLabel(QStringLiteral("Suchen:"), this);
    m_feld = new QLineEdit(this);
    m_feld->setObjectName(QStringLiteral("suche"));
    m_feld->setClearButtonEnabled(true);
    m_feld->setPlaceholderText(QStringLiteral("Startnummer oder Name"));
    m_feld->setToolTip(QStringLiteral("Eingabe: nächster Treffer, Escape: schließen"));
    t->setBuddy(m_feld);
    m_meldung = new QLabel(this);
    m_meldung->setObjectName(QStringLiteral("sucheMeldung"));
    l->addWidget(t);
    l->addWidget(m_feld, 1);
    l->addWidget(m_meldung, 1);
    m_feld->installEventFilter(this);
    // Each keystroke searches from the current participant on, so a longer text stays on a row
    // that still matches.
    connect(m_feld, &QLineEdit::textEdited, this, [this] { suchen(m_gitter->aktZeile()); });
    hide();
}

void Teilnehmersuche::oeffnen()
{
    show();
    m_feld->setFocus(Qt::ShortcutFocusReason);
    m_feld->selectAll();
}

void Teilnehmersuche::schliessen()
{
    hide();
    m_meldung->clear();
    m_gitter->setFocus(Qt::ShortcutFocusReason);
}

QString Teilnehmersuche::meldung() const
{
    return m_meldung->text();
}

void Teilnehmersuche::suchen(int ab)
{
    if (m_feld->text().trimmed().isEmpty()) {
        m_meldung->clear();
        return;
    }
    const int r = teilnehmerFinden(m_cup, m_feld->text(), ab);
    if (r < 0) {
        m_meldung->setText(QStringLiteral("nicht gefunden"));
        return;
    }
    m_meldung->clear();
    m_gitter->setAktuelleZelle(m_gitter->aktSpalte(), r);
}

bool Teilnehmersuche::eventFilter(QObject *o, QEvent *e)
{
    if (o == m_feld && e->type() == QEvent::KeyPress) {
        const int k = static_cast<QKeyEvent *>(e)->key();
        if (k == Qt::Key_Return || k == Qt::Key_Enter) {
            suchen(m_gitter->aktZeile() + 1);
            return true;
        }
        if (k == Qt::Key_Escape) {
            schliessen();
            return true;
        }
    }
    return QWidget::eventFilter(o, e);
}

} // namespace tlt::ui
