#include "ui/teil_wahl_unit.h"

#include "core/spalten.h"
#include "core/tabelle.h"
#include "ui/fensterhilfe.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace tlt::ui {

QStringList textsortiert(QStringList texte)
{
    std::stable_sort(texte.begin(), texte.end(), [](const QString &a, const QString &b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    return texte;
}

TeilWahlUnit::TeilWahlUnit(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("teil_wahl"));
    setWindowTitle(kTeilWahlLauf);
    setModal(false);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    m_box = new QComboBox(this);
    m_box->setObjectName(QStringLiteral("teil_wahl_box"));
    m_box->setEditable(true);
    // Typed text only chooses; it never becomes an item of the list.
    m_box->setInsertPolicy(QComboBox::NoInsert);
    // The typed text is the start number, as typed: "3" must not become "30" from the list.
    m_box->setCompleter(nullptr);
    m_box->setMinimumWidth(233);

    m_klick = new QPushButton(QStringLiteral("Auswählen"), this);
    m_klick->setObjectName(QStringLiteral("klick"));
    m_klick->setMinimumWidth(233);
    m_klick->setDefault(true);
    connect(m_klick, &QPushButton::clicked, this, &TeilWahlUnit::klickClick);

    auto *l = new QVBoxLayout(this);
    l->addWidget(m_box);
    l->addWidget(m_klick);
    resize(256, 98);
}

void TeilWahlUnit::oeffnen(const QString &titel, const Tabelle &teil)
{
    setWindowTitle(titel);
    QStringList nummern;
    for (int r = 1; r < teil.rowCount(); ++r)
        nummern << teil.cell(Teilspalte::Startnummer, r);
    m_box->clear();
    m_box->addItems(textsortiert(nummern));
    m_box->setCurrentIndex(-1);
    m_box->setEditText(QStringLiteral("bitte wählen ..."));
    m_box->lineEdit()->selectAll();
    nichtModalZeigen(this);
    m_box->setFocus();
}

void TeilWahlUnit::klickClick()
{
    hide();
    emit gewaehlt(windowTitle(), m_box->currentText());
}

} // namespace tlt::ui
