#include "ui/bea_pv_unit.h"

#include "core/konvertierung.h"
#include "core/sortierung.h"
#include "core/spalten.h"
#include "ui/fensterhilfe.h"
#include "ui/main_unit.h"
#include "ui/meldung.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace tlt::ui {

BeaPv::BeaPv(MainUnit &w) : QDialog(&w), m_w(w)
{
    setObjectName(QStringLiteral("bea_pv"));
    setWindowTitle(QStringLiteral("Punktezahl hinzufügen"));
    setModal(false);

    pzW = new QSpinBox(this);
    pzW->setObjectName(QStringLiteral("pzW"));
    pzW->setRange(1, 1000);
    pzW->setValue(1);
    pzW->findChild<QLineEdit *>()->setReadOnly(true);
    pzW->setMinimumWidth(80);
    hinzufugen = new QPushButton(QStringLiteral("Hinzufügen"), this);
    hinzufugen->setObjectName(QStringLiteral("hinzufugen"));
    hinzufugen->setDefault(true);

    auto *l = new QVBoxLayout(this);
    auto *z = new QHBoxLayout;
    auto *t = new QLabel(QStringLiteral("Punktezahl:"), this);
    t->setObjectName(QStringLiteral("pzT"));
    t->setBuddy(pzW);
    z->addWidget(t);
    z->addWidget(pzW, 1);
    l->addLayout(z);
    l->addWidget(hinzufugen);

    connect(hinzufugen, &QPushButton::clicked, this, &BeaPv::hinzufugenClick);
    setFixedSize(sizeHint().expandedTo(QSize(152, 86)));
}

void BeaPv::zeigen()
{
    nichtModalZeigen(this);
    pzW->setFocus();
}

void BeaPv::hinzufugenClick()
{
    Cup &cup = m_w.cup();
    Tabelle &pv = cup.pv;
    const int p = pzW->value();
    bool vorhanden = false;
    for (int r = 1; r < pv.rowCount() && !vorhanden; ++r) {
        int wert = 0;
        vorhanden = istInt(pv.cell(Pvspalte::Punkte, r), &wert) && wert == p;
    }
    if (!vorhanden) {
        const int r = pv.rowCount();
        pv.setRowCount(r + 1);
        pv.setCell(Pvspalte::Platz, r, QString::number(r));
        pv.setCell(Pvspalte::Punkte, r, QString::number(p));
    }
    try {
        pvsort(pv);
    } catch (const Konvertierungsfehler &f) {
        fehler(&m_w, f.meldung());
    }
    if (!vorhanden)
        cup.edit(1);
    m_w.aktualisieren();
}

} // namespace tlt::ui
