#include "ui/bea_pv_unit.h"

#include "core/cupbefehle.h"
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
    zahlfeldEinrichten(pzW);
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
    const int p = pzW->value();
    try {
        m_w.dokument().ausfuehren(QStringLiteral("Punktezahl %1 hinzufügen").arg(p),
                                  [p](Cup &c) { pvHinzufuegen(c, p); });
    } catch (const Konvertierungsfehler &f) {
        fehler(&m_w, f.text());
    }
}

} // namespace tlt::ui
