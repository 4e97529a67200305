#include "ui/urkunden_unit.h"

#include "certificates/bilder.h"
#include "certificates/druckerleinwand.h"
#include "certificates/urkundenbefehle.h"
#include "certificates/urkundenpdf.h"
#include "core/cup.h"
#include "core/konvertierung.h"
#include "reports/gesamt.h"
#include "ui/fensterhilfe.h"
#include "ui/main_unit.h"
#include "ui/meldung.h"
#include "ui/teil_wahl_unit.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPrinter>
#include <QScrollArea>
#include <QVBoxLayout>

namespace tlt::ui {

// ---------------------------------------------------------------- dialog

UrkundenUnit::UrkundenUnit(Cup &cup, QWidget *parent) : QDialog(parent), m_cup(cup)
{
    setObjectName(QStringLiteral("urkunden"));
    setWindowTitle(QStringLiteral("Urkunden Einstellungen"));
    setModal(false);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint, true);

    auto *stilT = new QLabel(QStringLiteral("Wählen Sie einen Stil für die zu druckenden Urkunden aus:"), this);
    stilT->setObjectName(QStringLiteral("stilT"));
    m_stil = new QComboBox(this);
    m_stil->setObjectName(QStringLiteral("stil"));
    m_stil->setEditable(true);
    m_stil->setInsertPolicy(QComboBox::NoInsert);
    m_stil->addItems(urkundenstile());
    m_stil->setFixedWidth(409);
    stilT->setBuddy(m_stil);
    connect(m_stil, &QComboBox::currentIndexChanged, this, &UrkundenUnit::stilChange);
    // Choosing the item that was current before some typing does not change the index; it still counts.
    connect(m_stil, &QComboBox::activated, this, &UrkundenUnit::stilChange);
    connect(m_stil->lineEdit(), &QLineEdit::textEdited, this, &UrkundenUnit::stilGetippt);

    auto *label1 = new QLabel(QStringLiteral("Geben Sie hier den Text für die Unterzeichnende Person ein:"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    m_unter1 = new QLineEdit(this);
    m_unter1->setObjectName(QStringLiteral("unter1"));
    m_unter1->setFixedWidth(409);
    m_unter2 = new QLineEdit(this);
    m_unter2->setObjectName(QStringLiteral("unter2"));
    m_unter2->setFixedWidth(409);
    label1->setBuddy(m_unter1);
    connect(m_unter1, &QLineEdit::textChanged, this, [this](const QString &t) { m_unter.unter1 = t; });
    connect(m_unter2, &QLineEdit::textChanged, this, [this](const QString &t) { m_unter.unter2 = t; });

    m_pdf = new QCheckBox(QStringLiteral("Urkunden als PDF speichern"), this);
    m_pdf->setObjectName(QStringLiteral("alsPdf"));
    m_pdf->setToolTip(QStringLiteral("Die Urkunden werden nicht gedruckt, sondern in eine PDF-Datei geschrieben, "
                                     "die beim Drucken erfragt wird."));

    auto *l = new QVBoxLayout(this);
    l->setSpacing(4);
    l->addWidget(stilT);
    l->addWidget(m_stil);
    l->addSpacing(4);
    l->addWidget(label1);
    l->addWidget(m_unter1);
    l->addWidget(m_unter2);
    l->addSpacing(4);
    l->addWidget(m_pdf);
    l->setSizeConstraint(QLayout::SetFixedSize);
    stilAnzeigen();
}

void UrkundenUnit::zeigen()
{
    nichtModalZeigen(this);
}

void UrkundenUnit::showEvent(QShowEvent *e)
{
    stilAnzeigen();
    QDialog::showEvent(e);
}

void UrkundenUnit::stilAnzeigen()
{
    const QSignalBlocker sperre(m_stil);
    const int i = m_cup.urkundenstil;
    m_stil->setCurrentIndex(i >= 0 && i < m_stil->count() ? i : -1);
    if (m_stil->currentIndex() < 0)
        m_stil->setEditText(QString());
}

void UrkundenUnit::stilChange(int index)
{
    m_cup.urkundenstil = index;
}

void UrkundenUnit::stilGetippt(const QString &text)
{
    // Typed text selects an item only when it is that item's text; otherwise no style is chosen and
    // every certificate comes out as an empty page.
    m_cup.urkundenstil = static_cast<int>(urkundenstile().indexOf(text));
}

bool UrkundenUnit::alsPdf() const
{
    return m_pdf->isChecked();
}

// ---------------------------------------------------------------- commands

namespace {

UrkundenUnit *einstellungen(MainUnit &w)
{
    return w.dialoge().urkunden;
}

// The overall certificates leave the standings they follow in the pane (the page is not switched).
void standInAusgabe(MainUnit &w, int n)
{
    if (n >= 1 && n <= w.cup().anzahlLaufe())
        ausgabe_gesamt(w.cup(), w.ausgabe(), n);
}

// Runs one certificate command on the window's printer, or into a PDF file when the settings ask
// for it. Conversion failures and printer failures are shown.
// A command that would draw nothing starts no print job and writes no file; the user is told so.
enum class Art { Lauf, Gesamt };
void ausfuehren(MainUnit &w, Art art, const std::function<int(Leinwand &, const Unterschriften &)> &befehl)
{
    UrkundenUnit *e = einstellungen(w);
    static const Unterschriften keine;
    const Unterschriften &unter = e ? e->unterschriften() : keine;
    int gezeichnet = -1;
    try {
        if (e && e->alsPdf()) {
            Dateiauswahl a;
            a.titel = QStringLiteral("Urkunden als PDF speichern");
            a.filter = QStringLiteral("PDF-Dateien (*.pdf)");
            a.endung = QStringLiteral("pdf");
            a.verzeichnis = w.cup().dateiname.isEmpty() ? QString() : QFileInfo(w.cup().dateiname).absolutePath();
            const QString pfad = dateiSpeichern(&w, a);
            if (!pfad.isEmpty()) {
                QString text;
                gezeichnet = urkundenAlsPdf(
                    pfad, [&](Leinwand &l) { return befehl(l, unter); }, &text, w.cup().dateiname);
                if (gezeichnet < 0)
                    fehler(&w, text);
            }
        } else {
            DruckerLeinwand leinwand(&w.drucker());
            gezeichnet = befehl(leinwand, unter);
            if (gezeichnet < 0)
                fehler(&w, QStringLiteral("Der Druckauftrag konnte nicht gestartet werden. Bitte prüfen Sie den "
                                          "Drucker unter \"Druckereinstellungen\" oder speichern Sie die Urkunden "
                                          "als PDF (\"Urkunden Einstellungen\")."));
        }
    } catch (const Konvertierungsfehler &f) {
        fehler(&w, f.text());
    }
    // The commands re-sort the participants and may fill the pane.
    w.aktualisieren();
    if (gezeichnet == 0) {
        const int stil = w.cup().urkundenstil;
        if (art == Art::Gesamt && !zeichnetGesamturkunden(stil) && stil >= 0 && stil < urkundenstile().size())
            warnung(&w, kKeineGesamturkunde.arg(urkundenstile().at(stil)));
        else
            warnung(&w, kKeineUrkunde);
    }
}

} // namespace

void m_e_uClick(MainUnit &w)
{
    if (UrkundenUnit *e = einstellungen(w))
        e->zeigen();
}

void laufe_pop_u_slClick(MainUnit &w)
{
    const int k = w.gewaehlterLauf();
    ausfuehren(w, Art::Lauf, [&](Leinwand &l, const Unterschriften &u) {
        return siegerurkunde(w.cup(), k, l, u, [&](const QString &frage) { return frageOhneSymbol(&w, frage); });
    });
}

void laufe_pop_tlClick(MainUnit &w)
{
    if (TeilWahlUnit *t = w.dialoge().teil_wahl)
        t->oeffnen(kTeilWahlLauf, w.cup().teil);
}

void laufe_pop_u_gClick(MainUnit &w)
{
    const int n = w.gewaehlterLauf();
    ausfuehren(w, Art::Gesamt, [&](Leinwand &l, const Unterschriften &u) {
        standInAusgabe(w, n);
        return gesamtsiegerurkunde(w.cup(), n, l, u);
    });
}

void laufe_pop_u_uClick(MainUnit &w)
{
    if (TeilWahlUnit *t = w.dialoge().teil_wahl)
        t->oeffnen(kTeilWahlGesamt, w.cup().teil);
}

void klickClick(MainUnit &w, const QString &titel, const QString &s)
{
    // The race is the one current now, not the one current when the dialog was opened.
    const int k = w.gewaehlterLauf();
    if (titel == kTeilWahlLauf) {
        ausfuehren(w, Art::Lauf,
                   [&](Leinwand &l, const Unterschriften &u) { return teilnehmerurkunde(w.cup(), k, s, l, u); });
    } else if (titel == kTeilWahlGesamt) {
        ausfuehren(w, Art::Gesamt, [&](Leinwand &l, const Unterschriften &u) {
            standInAusgabe(w, k);
            return gesamtteilnehmerurkunde(w.cup(), k, s, l, u);
        });
    }
}

// ---------------------------------------------------------------- wiring

namespace {

// The page "Bilder": every certificate picture in its own size, with its name.
void bilderZeigen(MainUnit &w)
{
    QWidget *seite = w.bilderSeite();
    if (!seite || seite->findChild<QLabel *>(bildname(Bild::Laufer)))
        return;
    auto *flaeche = new QScrollArea(seite);
    flaeche->setObjectName(QStringLiteral("bilderFlaeche"));
    auto *inhalt = new QWidget;
    auto *gitter = new QGridLayout(inhalt);
    int spalte = 0, zeile = 0;
    for (Bild b : alleBilder()) {
        auto *bild = new QLabel(inhalt);
        bild->setObjectName(bildname(b));
        bild->setPixmap(QPixmap::fromImage(bildBitmap(b)));
        bild->setToolTip(bildname(b));
        auto *name = new QLabel(bildname(b), inhalt);
        gitter->addWidget(bild, zeile * 2, spalte, Qt::AlignLeft | Qt::AlignBottom);
        gitter->addWidget(name, zeile * 2 + 1, spalte, Qt::AlignLeft | Qt::AlignTop);
        if (++spalte == 3) {
            spalte = 0;
            ++zeile;
        }
    }
    flaeche->setWidget(inhalt);
    if (QLayout *l = seite->layout())
        l->addWidget(flaeche);
}

} // namespace

void urkundenAnschliessen(MainUnit &w)
{
    if (einstellungen(w))
        return;
    auto *urkunden = new UrkundenUnit(w.cup(), &w);
    auto *teilWahl = new TeilWahlUnit(&w);
    w.dialoge().urkunden = urkunden;
    w.dialoge().teil_wahl = teilWahl;
    QObject::connect(teilWahl, &TeilWahlUnit::gewaehlt, &w,
                     [&w](const QString &titel, const QString &s) { klickClick(w, titel, s); });
    // A new or loaded cup brings its own style; an open dialog shows it at once.
    const Menuepunkte &p = w.punkte();
    for (QAction *a : {p.m_d_n, p.m_d_l})
        QObject::connect(a, &QAction::triggered, urkunden, &UrkundenUnit::stilAnzeigen);
    bilderZeigen(w);

    const std::pair<QAction *, void (*)(MainUnit &)> befehle[] = {
        {p.m_e_u, m_e_uClick},
        {p.laufe_pop_u_sl, laufe_pop_u_slClick},
        {p.laufe_pop_tl, laufe_pop_tlClick},
        {p.laufe_pop_u_g, laufe_pop_u_gClick},
        {p.laufe_pop_u_u, laufe_pop_u_uClick},
    };
    for (const auto &[aktion, befehl] : befehle)
        QObject::connect(aktion, &QAction::triggered, &w, [&w, befehl = befehl] { befehl(w); });
}

} // namespace tlt::ui
