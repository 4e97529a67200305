#include "ui/bea_ag_unit.h"

#include "core/konvertierung.h"
#include "core/sortierung.h"
#include "core/spalten.h"
#include "ui/fensterhilfe.h"
#include "ui/main_unit.h"
#include "ui/meldung.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace tlt::ui {

BeaAg::BeaAg(MainUnit &w) : QDialog(&w), m_w(w)
{
    setObjectName(QStringLiteral("bea_ag"));
    setWindowTitle(QStringLiteral("Altersgruppe hinzufügen"));
    setModal(false);

    weib = new QLineEdit(this);
    weib->setObjectName(QStringLiteral("weib"));
    eingabeBegrenzen(weib, 9);
    mann = new QLineEdit(this);
    mann->setObjectName(QStringLiteral("mann"));
    eingabeBegrenzen(mann, 9);
    alterW = new QSpinBox(this);
    alterW->setObjectName(QStringLiteral("alterW"));
    alterW->setRange(1, 150);
    alterW->setValue(20);
    alterW->findChild<QLineEdit *>()->setReadOnly(true);
    alterW->setMinimumWidth(80);
    speichern = new QPushButton(QStringLiteral("Altersgruppe speichern"), this);
    speichern->setObjectName(QStringLiteral("speichern"));
    speichern->setDefault(true);

    auto *l = new QVBoxLayout(this);
    auto zeile = [&](const QString &text, const QString &n, QWidget *e) {
        auto *t = new QLabel(text, this);
        t->setObjectName(n);
        t->setBuddy(e);
        l->addWidget(t);
        l->addWidget(e);
    };
    zeile(QStringLiteral("Bezeichnungs dieser Altersgruppe (weiblich):"), QStringLiteral("weibT"), weib);
    zeile(QStringLiteral("Bezeichnungs dieser Altersgruppe (männlich):"), QStringLiteral("mannT"), mann);
    auto *alterZeile = new QHBoxLayout;
    auto *alterT = new QLabel(QStringLiteral("Maximalalter dieser Altersgruppe:"), this);
    alterT->setObjectName(QStringLiteral("alterT"));
    alterT->setBuddy(alterW);
    alterZeile->addWidget(alterT);
    alterZeile->addWidget(alterW);
    alterZeile->addStretch(1);
    l->addLayout(alterZeile);
    l->addSpacing(6);
    l->addWidget(speichern);
    l->addStretch(1);

    connect(speichern, &QPushButton::clicked, this, &BeaAg::speichernClick);
    resize(sizeHint().expandedTo(QSize(320, 215)));
}

void BeaAg::hinzufuegenOeffnen()
{
    m_bearbeiten = false;
    m_zeile = -1;
    setWindowTitle(QStringLiteral("Altersgruppe hinzufügen"));
    nichtModalZeigen(this);
    weib->setFocus();
}

void BeaAg::bearbeitenOeffnen(int r)
{
    const Tabelle &ag = m_w.cup().ag;
    m_bearbeiten = true;
    m_zeile = r;
    m_altWeib = ag.cell(Agspalte::Weiblich, r);
    m_altMann = ag.cell(Agspalte::Maennlich, r);
    setWindowTitle(QStringLiteral("Altersgruppe bearbeiten"));
    feldFuellen(weib, m_altWeib);
    feldFuellen(mann, m_altMann);
    int alter = 20;
    if (istInt(ag.cell(Agspalte::Maximalalter, r), &alter))
        alterW->setValue(alter);
    nichtModalZeigen(this);
    weib->setFocus();
}

void BeaAg::zeileEntfernt(int r)
{
    if (m_zeile == r)
        m_zeile = -1;
    else if (m_zeile > r)
        --m_zeile;
}

int BeaAg::zielzeile() const
{
    // The age group the dialog was opened for, found again by its labels if the table changed meanwhile.
    const Tabelle &ag = m_w.cup().ag;
    auto passt = [&](int r) {
        return ag.cell(Agspalte::Weiblich, r) == m_altWeib && ag.cell(Agspalte::Maennlich, r) == m_altMann;
    };
    if (m_zeile >= 1 && m_zeile < ag.rowCount() && passt(m_zeile))
        return m_zeile;
    for (int r = 1; r < ag.rowCount(); ++r)
        if (passt(r))
            return r;
    return -1;
}

void BeaAg::speichernClick()
{
    if (weib->text().isEmpty() || mann->text().isEmpty() || alterW->text().isEmpty())
        return;
    Cup &cup = m_w.cup();
    Tabelle &ag = cup.ag;
    const QString alter = QString::number(alterW->value());
    if (!m_bearbeiten) {
        for (int r = 1; r < ag.rowCount(); ++r) {
            if (ag.cell(Agspalte::Weiblich, r) == weib->text() || ag.cell(Agspalte::Maennlich, r) == mann->text() ||
                ag.cell(Agspalte::Maximalalter, r) == alter) {
                warnung(this, QStringLiteral("Es besteht eine Dopplung mit einer anderen Altersgruppe!"));
                return;
            }
        }
        const int r = ag.rowCount();
        ag.setRowCount(r + 1);
        ag.setCell(Agspalte::Weiblich, r, weib->text());
        ag.setCell(Agspalte::Maennlich, r, mann->text());
        ag.setCell(Agspalte::Maximalalter, r, alter);
        hide();
        try {
            agsort(ag);
        } catch (const Konvertierungsfehler &f) {
            fehler(&m_w, f.meldung());
        }
        cup.edit(1);
    } else {
        const int r = zielzeile();
        if (r < 1) {
            // The age group was deleted meanwhile: there is nothing left to change.
            hide();
            return;
        }
        const QString altW = ag.cell(Agspalte::Weiblich, r);
        const QString altM = ag.cell(Agspalte::Maennlich, r);
        ag.setCell(Agspalte::Weiblich, r, weib->text());
        ag.setCell(Agspalte::Maennlich, r, mann->text());
        ag.setCell(Agspalte::Maximalalter, r, alter);
        hide();
        try {
            agsort(ag);
        } catch (const Konvertierungsfehler &f) {
            fehler(&m_w, f.meldung());
        }
        for (int i = 1; i < cup.teil.rowCount(); ++i) {
            const QString &g = cup.teil.cell(Teilspalte::Altersgruppe, i);
            if (g == altW)
                cup.teil.setCell(Teilspalte::Altersgruppe, i, weib->text());
            else if (g == altM)
                cup.teil.setCell(Teilspalte::Altersgruppe, i, mann->text());
        }
        m_altWeib = weib->text();
        m_altMann = mann->text();
        cup.edit(1);
    }
    m_w.aktualisieren();
}

} // namespace tlt::ui
