#include "ui/bea_ag_unit.h"

#include "core/cupbefehle.h"
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
    zahlfeldEinrichten(alterW);
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
    m_hinweis = dialogfuss(this, l, speichern);

    connect(speichern, &QPushButton::clicked, this, &BeaAg::speichernClick);
    resize(sizeHint().expandedTo(QSize(320, 215)));
}

void BeaAg::hinzufuegenOeffnen()
{
    m_bearbeiten = false;
    m_id = 0;
    zumHinzufuegenZeigen(this, QStringLiteral("Altersgruppe hinzufügen"), m_hinweis, weib);
}

void BeaAg::bearbeitenOeffnen(int r)
{
    const Tabelle &ag = m_w.cup().ag;
    m_bearbeiten = true;
    m_id = ag.rowId(r);
    setWindowTitle(QStringLiteral("Altersgruppe bearbeiten"));
    feldFuellen(weib, ag.cell(Agspalte::Weiblich, r));
    feldFuellen(mann, ag.cell(Agspalte::Maennlich, r));
    int alter = 20;
    if (istInt(ag.cell(Agspalte::Maximalalter, r), &alter))
        alterW->setValue(alter);
    m_hinweis->clear();
    nichtModalZeigen(this);
    weib->setFocus();
}

void BeaAg::speichernClick()
{
    if (weib->text().isEmpty()) {
        fehlendesFeld(m_hinweis, weib, QStringLiteral("Bezeichnung (weiblich)"));
        return;
    }
    if (mann->text().isEmpty()) {
        fehlendesFeld(m_hinweis, mann, QStringLiteral("Bezeichnung (männlich)"));
        return;
    }
    if (alterW->text().isEmpty()) {
        fehlendesFeld(m_hinweis, alterW, QStringLiteral("Maximalalter"));
        return;
    }
    m_hinweis->clear();
    CupDokument &dok = m_w.dokument();
    const Cup &cup = dok.cup();
    const QString alter = QString::number(alterW->value());
    const QString w = weib->text();
    const QString m = mann->text();
    int r = -1;
    QString nein;
    if (!m_bearbeiten) {
        nein = agHinzufuegenVerweigert(cup, w, m, alter);
    } else {
        r = cup.ag.rowOf(m_id);
        if (r < 1) {
            // Deleted meanwhile: nothing is written; the typed entries stay in the dialog.
            warnung(this, QStringLiteral("Die Altersgruppe, die bearbeitet werden sollte, ist nicht mehr vorhanden."));
            return;
        }
        nein = agAendernVerweigert(cup, r, w, m);
    }
    if (!nein.isEmpty()) {
        warnung(this, nein);
        return;
    }
    hide();
    try {
        if (!m_bearbeiten)
            dok.ausfuehren(QStringLiteral("Altersgruppe %1/%2 hinzufügen").arg(w, m),
                           [&](Cup &c) { agHinzufuegen(c, w, m, alter); });
        else
            dok.ausfuehren(QStringLiteral("Altersgruppe %1/%2 bearbeiten").arg(cup.ag.cell(Agspalte::Weiblich, r), cup.ag.cell(Agspalte::Maennlich, r)),
                           [&](Cup &c) { agAendern(c, r, w, m, alter); });
    } catch (const Konvertierungsfehler &f) {
        fehler(&m_w, f.text());
    }
}

} // namespace tlt::ui
