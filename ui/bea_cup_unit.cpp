#include "ui/bea_cup_unit.h"

#include "core/konvertierung.h"
#include "core/pruefungen.h"
#include "core/sortierung.h"
#include "core/spalten.h"
#include "ui/fensterhilfe.h"
#include "ui/main_unit.h"
#include "ui/meldung.h"

#include <QEvent>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tlt::ui {

BeaCup::BeaCup(MainUnit &w) : QDialog(&w), m_w(w)
{
    setObjectName(QStringLiteral("bea_cup"));
    setWindowTitle(QStringLiteral("Cup-Variation hinzufügen"));
    setModal(false);

    auto feld = [this](const QString &n) {
        auto *e = new QLineEdit(this);
        e->setObjectName(n);
        eingabeBegrenzen(e, 31);
        e->installEventFilter(this);
        return e;
    };
    name = feld(QStringLiteral("name"));
    strecke = feld(QStringLiteral("strecke"));
    zeit = feld(QStringLiteral("zeit"));
    speichern = new QPushButton(QStringLiteral("Cup-Variation speichern"), this);
    speichern->setObjectName(QStringLiteral("speichern"));
    speichern->setDefault(true);

    auto *l = new QVBoxLayout(this);
    auto zeile = [&](const QString &text, const QString &n, QLineEdit *e) {
        auto *t = new QLabel(text, this);
        t->setObjectName(n);
        t->setBuddy(e);
        l->addWidget(t);
        l->addWidget(e);
    };
    zeile(QStringLiteral("Name der Cup-Variation:"), QStringLiteral("nameT"), name);
    zeile(QStringLiteral("Strecke für Zeitlauflauf (in xxxxxm):"), QStringLiteral("streckeT"), strecke);
    zeile(QStringLiteral("Zeit für Distanzlauf (in h:mm'ss,h\"):"), QStringLiteral("zeitT"), zeit);
    l->addSpacing(6);
    l->addWidget(speichern);
    l->addStretch(1);

    connect(speichern, &QPushButton::clicked, this, &BeaCup::speichernClick);
    setFixedSize(sizeHint().expandedTo(QSize(312, 181)));
}

void BeaCup::hinzufuegenOeffnen()
{
    m_bearbeiten = false;
    m_zeile = -1;
    setWindowTitle(QStringLiteral("Cup-Variation hinzufügen"));
    nichtModalZeigen(this);
    name->setFocus();
}

void BeaCup::bearbeitenOeffnen(int r)
{
    const Tabelle &cv = m_w.cup().cv;
    m_bearbeiten = true;
    m_zeile = r;
    m_altName = cv.cell(Cvspalte::Name, r);
    setWindowTitle(QStringLiteral("Cup-Variation bearbeiten"));
    feldFuellen(name, cv.cell(Cvspalte::Name, r));
    feldFuellen(strecke, cv.cell(Cvspalte::Strecke, r));
    feldFuellen(zeit, cv.cell(Cvspalte::Zeit, r));
    for (QLineEdit *e : {name, strecke, zeit})
        e->setModified(false);
    nichtModalZeigen(this);
    name->setFocus();
}

void BeaCup::zeileEntfernt(int r)
{
    if (m_zeile == r)
        m_zeile = -1;
    else if (m_zeile > r)
        --m_zeile;
}

void BeaCup::pruefen(QLineEdit *feld)
{
    // Only what the user typed is checked: a stored value the user left alone stays as it is
    // (the default times carry one decimal, which the time check would read as hundredths).
    if (!feld->isModified())
        return;
    if (feld == strecke)
        feld->setText(checkdist(feld->text()));
    else if (feld == zeit)
        feld->setText(checktime(feld->text()));
    feld->setModified(false);
}

bool BeaCup::eventFilter(QObject *o, QEvent *e)
{
    if (e->type() == QEvent::FocusOut && (o == strecke || o == zeit))
        pruefen(static_cast<QLineEdit *>(o));
    return QDialog::eventFilter(o, e);
}

int BeaCup::zielzeile() const
{
    // The row the dialog was opened for, found again by its name if the table changed meanwhile.
    const Tabelle &cv = m_w.cup().cv;
    if (m_zeile >= 1 && m_zeile < cv.rowCount() && cv.cell(Cvspalte::Name, m_zeile) == m_altName)
        return m_zeile;
    for (int r = 1; r < cv.rowCount(); ++r)
        if (cv.cell(Cvspalte::Name, r) == m_altName)
            return r;
    return -1;
}

void BeaCup::speichernClick()
{
    pruefen(strecke);
    pruefen(zeit);
    if (name->text().isEmpty() || strecke->text().isEmpty() || zeit->text().isEmpty())
        return;
    Cup &cup = m_w.cup();
    Tabelle &cv = cup.cv;
    if (!m_bearbeiten) {
        if (cv.rowCount() <= 1 && cup.anzahlLaufe() >= 1) {
            if (!frage(this, QStringLiteral("Es sind bereits Läufe eingetragen!\n\rSollen die "
                                            "Zeit/Distanz-Eintragungen gelöscht werden!")))
                return;
            for (int c = 1; c <= cup.anzahlLaufe(); ++c)
                cup.laufe.setCell(c, Laufzeile::Zeitdistanz, QString());
        }
        const int r = cv.rowCount();
        cv.setRowCount(r + 1);
        cv.setCell(Cvspalte::Name, r, name->text());
        cv.setCell(Cvspalte::Strecke, r, strecke->text());
        cv.setCell(Cvspalte::Zeit, r, zeit->text());
        hide();
        cvsort(cv);
        cup.edit(1);
    } else {
        const int r = zielzeile();
        if (r < 1) {
            // The variation was deleted meanwhile: there is nothing left to change.
            hide();
            return;
        }
        const QString alt = m_altName;
        const QString neuerName = name->text();
        cv.setCell(Cvspalte::Name, r, neuerName);
        cv.setCell(Cvspalte::Strecke, r, strecke->text());
        cv.setCell(Cvspalte::Zeit, r, zeit->text());
        hide();
        cvsort(cv);
        for (int i = 1; i < cup.teil.rowCount(); ++i)
            if (cup.teil.cell(Teilspalte::Cupvariation, i) == alt)
                cup.teil.setCell(Teilspalte::Cupvariation, i, neuerName);
        m_altName = neuerName;
        cup.edit(1);
    }
    m_w.aktualisieren();
}

} // namespace tlt::ui
