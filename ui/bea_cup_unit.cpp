#include "ui/bea_cup_unit.h"

#include "core/cupbefehle.h"
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
    m_hinweis = dialogfuss(this, l, speichern);

    connect(speichern, &QPushButton::clicked, this, &BeaCup::speichernClick);
    setFixedSize(sizeHint().expandedTo(QSize(312, 181)));
}

void BeaCup::hinzufuegenOeffnen()
{
    m_bearbeiten = false;
    m_id = 0;
    zumHinzufuegenZeigen(this, QStringLiteral("Cup-Variation hinzufügen"), m_hinweis, name);
}

void BeaCup::bearbeitenOeffnen(int r)
{
    const Tabelle &cv = m_w.cup().cv;
    m_bearbeiten = true;
    m_id = cv.rowId(r);
    setWindowTitle(QStringLiteral("Cup-Variation bearbeiten"));
    feldFuellen(name, cv.cell(Cvspalte::Name, r));
    feldFuellen(strecke, cv.cell(Cvspalte::Strecke, r));
    feldFuellen(zeit, cv.cell(Cvspalte::Zeit, r));
    for (QLineEdit *e : {name, strecke, zeit})
        e->setModified(false);
    m_hinweis->clear();
    nichtModalZeigen(this);
    name->setFocus();
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
    // Only a move of the focus within the dialog leaves the field; the dialog losing its activation
    // or a context menu opening leaves the typed text as it is until then or the save.
    if (e->type() == QEvent::FocusOut && echterWechsel(e) && (o == strecke || o == zeit))
        pruefen(static_cast<QLineEdit *>(o));
    return QDialog::eventFilter(o, e);
}

void BeaCup::speichernClick()
{
    pruefen(strecke);
    pruefen(zeit);
    for (auto [feld, text] : {std::pair{name, QStringLiteral("Name der Cup-Variation")},
                              std::pair{strecke, QStringLiteral("Strecke")}, std::pair{zeit, QStringLiteral("Zeit")}})
        if (feld->text().isEmpty()) {
            fehlendesFeld(m_hinweis, feld, text);
            return;
        }
    m_hinweis->clear();
    CupDokument &dok = m_w.dokument();
    const Cup &cup = dok.cup();
    if (!m_bearbeiten) {
        const bool leeren = cvErsteMitLaeufen(cup);
        if (leeren && !frage(this, cvZeitDistanzFrage()))
            return;
        hide();
        dok.ausfuehren(QStringLiteral("Cup-Variation %1 hinzufügen").arg(name->text()),
                       [&](Cup &c) { cvHinzufuegen(c, name->text(), strecke->text(), zeit->text(), leeren); });
        return;
    }
    const int r = cup.cv.rowOf(m_id);
    if (r < 1) {
        // Deleted meanwhile: nothing is written; the typed entries stay in the dialog.
        warnung(this, QStringLiteral("Die Cup-Variation, die bearbeitet werden sollte, ist nicht mehr vorhanden."));
        return;
    }
    const QString nein = cvAendernVerweigert(cup, r, name->text());
    if (!nein.isEmpty()) {
        warnung(this, nein);
        return;
    }
    hide();
    dok.ausfuehren(QStringLiteral("Cup-Variation %1 bearbeiten").arg(cup.cv.cell(Cvspalte::Name, r)),
                   [&](Cup &c) { cvAendern(c, r, name->text(), strecke->text(), zeit->text()); });
}

} // namespace tlt::ui
