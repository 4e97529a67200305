#include "ui/bea_lauf_unit.h"

#include "core/cup.h"
#include "core/cupdokument.h"
#include "core/konvertierung.h"
#include "core/pruefungen.h"
#include "ui/fensterhilfe.h"
#include "ui/meldung.h"

#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace tlt::ui {

namespace {
const QString kJa = QStringLiteral("ja");

QLabel *beschriftung(const QString &text, QWidget *feld)
{
    auto *l = new QLabel(text);
    l->setBuddy(feld);
    return l;
}

QHBoxLayout *zeile(std::initializer_list<QWidget *> teile)
{
    auto *h = new QHBoxLayout;
    h->setContentsMargins(0, 0, 0, 0);
    for (QWidget *w : teile)
        h->addWidget(w, qobject_cast<QLabel *>(w) ? 0 : 1);
    return h;
}
} // namespace

QLineEdit *BeaLauf::textfeld(const char *name, int laenge)
{
    auto *e = new QLineEdit(this);
    e->setObjectName(QString::fromLatin1(name));
    eingabeBegrenzen(e, laenge);
    return e;
}

QSpinBox *BeaLauf::zahlfeld(const char *name, int von, int bis, int start)
{
    auto *s = new QSpinBox(this);
    s->setObjectName(QString::fromLatin1(name));
    s->setRange(von, bis);
    s->setValue(start);
    s->setAlignment(Qt::AlignRight);
    zahlfeldEinrichten(s);
    return s;
}

BeaLauf::BeaLauf(CupDokument &dok, QWidget *parent) : QDialog(parent), m_dok(dok), m_cup(dok.cup())
{
    setObjectName(QStringLiteral("bea_lauf"));
    setWindowTitle(QStringLiteral("Lauf hinzufügen"));

    m_lauftyp = new QComboBox(this);
    m_lauftyp->setObjectName(QStringLiteral("lauftyp"));
    m_lauftyp->addItems({kDistanzlauf, kZeitlauf});
    m_lauftyp->setPlaceholderText(QStringLiteral("bitte Lauftyp wählen"));
    m_lauftyp->setCurrentIndex(-1);
    m_datum = textfeld("datum", 15);
    m_datum->setText(kKeinDatum);
    m_zeitdistanz = textfeld("zeitdistanz", 80);
    m_zeitdistanz->setToolTip(
        QStringLiteral("Distanzlauf: feste Laufzeit (h:mm'ss,hh\"), Zeitlauf: feste Strecke (in m); "
                       "mit Cup-Variationen kommt beides aus der Cup-Variation des Teilnehmers (\"ja\")"));
    m_vereinsname = textfeld("vereinsname", 31);
    for (int i = 0; i < 3; ++i)
        m_anschrift[i] = textfeld(QStringLiteral("anschrift%1").arg(i + 1).toLatin1().constData(), 31);
    m_fon = textfeld("fon", 25);
    m_fax = textfeld("fax", 25);
    m_ort = textfeld("ort", 21);
    m_kreis = textfeld("kreis", 21);
    m_bezirk = textfeld("bezirk", 21);
    m_land = textfeld("land", 21);
    m_wettkampf[0] = textfeld("wettkampf1", 62);
    m_wettkampf[1] = textfeld("wettkampf2", 62);
    m_kampfrichter = zahlfeld("kampfrichterW", 0, 100, 0);
    m_helfer = zahlfeld("helferW", 0, 100, 0);
    m_mitarbeiter = zahlfeld("mitarbeiterW", 0, 100, 0);
    m_zeitmessung = textfeld("zeitmessung", 29);
    m_windmessung = textfeld("windmessung", 29);
    m_geratekontrolle = textfeld("geratekontrolle", 29);
    m_wettkampfleiter = textfeld("wettkampfleiter", 80);
    m_wlfon = textfeld("wlfon", 21);
    m_wlfax = textfeld("wlfax", 21);
    m_verbandsaufsicht = textfeld("verbandsaufsicht", 80);
    m_vafon = textfeld("vafon", 21);
    m_vafax = textfeld("vafax", 21);
    for (int i = 0; i < 3; ++i)
        m_bemerkung[i] = textfeld(QStringLiteral("bemerkung%1").arg(i + 1).toLatin1().constData(), 80);
    m_dlvnr = textfeld("dlvnr", 15);
    m_speichern = new QPushButton(QStringLiteral("Laufdaten speichern"), this);
    m_speichern->setObjectName(QStringLiteral("speichern"));
    m_speichern->setDefault(true);
    m_lauffaktor = zahlfeld("lauffaktorW", 1, 5, 1);
    m_laufsummand = zahlfeld("laufsummandW", 0, 20, 0);

    // Two columns: the race and its organiser on the left, officials and remarks on the right.
    auto *links = new QGridLayout;
    int z = 0;
    links->addWidget(beschriftung(QStringLiteral("Lauftyp:"), m_lauftyp), z, 0);
    links->addWidget(m_lauftyp, z++, 1);
    links->addWidget(beschriftung(QStringLiteral("Datum:"), m_datum), z, 0);
    links->addWidget(m_datum, z++, 1);
    links->addWidget(beschriftung(QStringLiteral("Cup-Lauf bzw. Zeit/Distanz:"), m_zeitdistanz), z, 0);
    links->addWidget(m_zeitdistanz, z++, 1);
    links->addWidget(beschriftung(QStringLiteral("Name des Veranstalters / austragenden Vereins:"), m_vereinsname), z++,
                     0, 1, 2);
    links->addWidget(m_vereinsname, z++, 0, 1, 2);
    links->addWidget(beschriftung(QStringLiteral("Anschrift:"), m_anschrift[0]), z, 0);
    for (int i = 0; i < 3; ++i)
        links->addWidget(m_anschrift[i], z++, 1);
    links->addWidget(beschriftung(QStringLiteral("Fon:"), m_fon), z, 0);
    links->addLayout(zeile({m_fon, beschriftung(QStringLiteral("Fax:"), m_fax), m_fax}), z++, 1);
    links->addWidget(beschriftung(QStringLiteral("Ort:"), m_ort), z, 0);
    links->addLayout(zeile({m_ort, beschriftung(QStringLiteral("Kreis:"), m_kreis), m_kreis}), z++, 1);
    links->addWidget(beschriftung(QStringLiteral("Bezirk:"), m_bezirk), z, 0);
    links->addLayout(zeile({m_bezirk, beschriftung(QStringLiteral("Land:"), m_land), m_land}), z++, 1);
    links->addWidget(beschriftung(QStringLiteral("Wettkampfstätte:"), m_wettkampf[0]), z, 0);
    links->addWidget(m_wettkampf[0], z++, 1);
    links->addWidget(m_wettkampf[1], z++, 1);
    links->addWidget(
        beschriftung(QStringLiteral("Anzahl Kampfrichter / Helfer / Mitarbeiter (Büro/EDV):"), m_kampfrichter), z++, 0,
        1, 2);
    links->addLayout(zeile({m_kampfrichter, m_helfer, m_mitarbeiter}), z++, 0, 1, 2);
    links->setRowStretch(z, 1);

    // Right column: officials and remarks, long labels above their fields.
    auto *rechts = new QGridLayout;
    z = 0;
    auto oben = [&](const QString &text, QLineEdit *feld) {
        rechts->addWidget(beschriftung(text, feld), z++, 0, 1, 2);
        rechts->addWidget(feld, z++, 0, 1, 2);
    };
    auto daneben = [&](const QString &text, QLayout *l) {
        rechts->addWidget(new QLabel(text, this), z, 0);
        rechts->addLayout(l, z++, 1);
    };
    oben(QStringLiteral("Zeitmessung (allgemeine Angaben):"), m_zeitmessung);
    oben(QStringLiteral("Windmessung (allgemeine Angaben):"), m_windmessung);
    oben(QStringLiteral("Gerätekontrolle (allgemeine Angaben):"), m_geratekontrolle);
    rechts->addWidget(beschriftung(QStringLiteral("Wettkampfleiter:"), m_wettkampfleiter), z, 0);
    rechts->addWidget(m_wettkampfleiter, z++, 1);
    daneben(QStringLiteral("Fon:"), zeile({m_wlfon, beschriftung(QStringLiteral("Fax:"), m_wlfax), m_wlfax}));
    rechts->addWidget(beschriftung(QStringLiteral("Verbandsaufsicht:"), m_verbandsaufsicht), z, 0);
    rechts->addWidget(m_verbandsaufsicht, z++, 1);
    daneben(QStringLiteral("Fon:"), zeile({m_vafon, beschriftung(QStringLiteral("Fax:"), m_vafax), m_vafax}));
    rechts->addWidget(beschriftung(QStringLiteral("Bemerkungen (allgemeine Angaben):"), m_bemerkung[0]), z++, 0, 1, 2);
    for (int i = 0; i < 3; ++i)
        rechts->addWidget(m_bemerkung[i], z++, 0, 1, 2);
    rechts->addWidget(beschriftung(QStringLiteral("DLV-Veranstaltungsnummer:"), m_dlvnr), z, 0);
    rechts->addWidget(m_dlvnr, z++, 1);
    rechts->setRowStretch(z++, 1);
    auto *bonus = new QHBoxLayout;
    bonus->addWidget(beschriftung(QStringLiteral("Bonusfaktor:"), m_lauffaktor));
    bonus->addWidget(m_lauffaktor);
    bonus->addStretch(1);
    bonus->addWidget(beschriftung(QStringLiteral("Bonussummand:"), m_laufsummand));
    bonus->addWidget(m_laufsummand);
    rechts->addLayout(bonus, z++, 0, 1, 2);

    auto *spalten = new QHBoxLayout;
    spalten->addLayout(links, 1);
    spalten->addSpacing(16);
    spalten->addLayout(rechts, 1);
    auto *knopf = new QHBoxLayout;
    knopf->addStretch(1);
    knopf->addWidget(m_speichern);
    auto *haupt = new QVBoxLayout(this);
    haupt->addLayout(spalten, 1);
    m_hinweis = hinweiszeile(this);
    knopf->insertWidget(0, m_hinweis, 1);
    haupt->addLayout(knopf);
    // Fields take their width from the layout, not from their own size hints, so the dialog stays
    // about as compact as the form it is modelled on.
    const int zeichen = fontMetrics().averageCharWidth();
    for (QLineEdit *e : findChildren<QLineEdit *>()) {
        if (qobject_cast<QSpinBox *>(e->parentWidget()))
            continue;
        e->setSizePolicy(QSizePolicy::Ignored, e->sizePolicy().verticalPolicy());
        e->setMinimumWidth(zeichen * 15);
    }
    for (QLineEdit *e : {m_datum, m_zeitdistanz, m_vereinsname, m_wettkampfleiter, m_verbandsaufsicht, m_dlvnr})
        e->setMinimumWidth(zeichen * 30);
    // Paired fields show a phone number or a district name whole.
    for (QLineEdit *e : {m_fon, m_fax, m_ort, m_kreis, m_bezirk, m_land, m_wlfon, m_wlfax, m_vafon, m_vafax})
        e->setMinimumWidth(zeichen * 19);
    m_lauftyp->setMinimumWidth(zeichen * 30);

    // The tab order follows the fields as they are stored, the button before the bonus spinners.
    QList<QWidget *> reihe{m_lauftyp,         m_datum,           m_zeitdistanz,  m_vereinsname,  m_anschrift[0],
                           m_anschrift[1],    m_anschrift[2],    m_fon,          m_fax,          m_ort,
                           m_kreis,           m_bezirk,          m_land,         m_wettkampf[0], m_wettkampf[1],
                           m_kampfrichter,    m_helfer,          m_mitarbeiter,  m_zeitmessung,  m_windmessung,
                           m_geratekontrolle, m_wettkampfleiter, m_wlfon,        m_wlfax,        m_verbandsaufsicht,
                           m_vafon,           m_vafax,           m_bemerkung[0], m_bemerkung[1], m_bemerkung[2],
                           m_dlvnr,           m_speichern,       m_lauffaktor,   m_laufsummand};
    for (int i = 0; i + 1 < reihe.size(); ++i)
        setTabOrder(reihe[i], reihe[i + 1]);

    using namespace Laufzeile;
    m_textfelder = {{Datum, m_datum},
                    {Vereinsname, m_vereinsname},
                    {Anschrift1, m_anschrift[0]},
                    {Anschrift2, m_anschrift[1]},
                    {Anschrift3, m_anschrift[2]},
                    {Fon, m_fon},
                    {Fax, m_fax},
                    {Ort, m_ort},
                    {Kreis, m_kreis},
                    {Bezirk, m_bezirk},
                    {Land, m_land},
                    {Wettkampf1, m_wettkampf[0]},
                    {Wettkampf2, m_wettkampf[1]},
                    {Zeitmessung, m_zeitmessung},
                    {Windmessung, m_windmessung},
                    {Geraetekontrolle, m_geratekontrolle},
                    {Wettkampfleiter, m_wettkampfleiter},
                    {WlFon, m_wlfon},
                    {WlFax, m_wlfax},
                    {Verbandsaufsicht, m_verbandsaufsicht},
                    {VaFon, m_vafon},
                    {VaFax, m_vafax},
                    {Bemerkung1, m_bemerkung[0]},
                    {Bemerkung2, m_bemerkung[1]},
                    {Bemerkung3, m_bemerkung[2]},
                    {DlvNr, m_dlvnr}};
    m_zahlfelder = {{Kampfrichter, m_kampfrichter, 0},
                    {Helfer, m_helfer, 0},
                    {Mitarbeiter, m_mitarbeiter, 0},
                    {Bonusfaktor, m_lauffaktor, 1},
                    {Bonussummand, m_laufsummand, 0}};

    m_datum->installEventFilter(this);
    m_zeitdistanz->installEventFilter(this);
    connect(m_lauftyp, &QComboBox::currentIndexChanged, this, [this] { lauftypChange(); });
    connect(m_speichern, &QPushButton::clicked, this, &BeaLauf::speichernClick);
    mindestgroesse(this, QSize(617, 484));
}

bool BeaLauf::eventFilter(QObject *o, QEvent *e)
{
    if (e->type() == QEvent::FocusOut && echterWechsel(e)) {
        if (o == m_datum)
            datumExit();
        else if (o == m_zeitdistanz)
            zeitdistanzExit();
    }
    return QDialog::eventFilter(o, e);
}

void BeaLauf::datumExit()
{
    m_datum->setText(checkdate(m_datum->text()));
}

void BeaLauf::zeitdistanzExit()
{
    // Locking the field while it has the focus moves the focus on; a locked "ja" stays as it is.
    if (!m_zeitdistanz->isEnabled())
        return;
    m_zeitdistanz->setText(zeitdistanzPruefen(m_lauftyp->currentIndex(), m_zeitdistanz->text()));
}

void BeaLauf::lauftypChange()
{
    if (m_zeitdistanz->isEnabled())
        zeitdistanzExit();
}

void BeaLauf::zeigen()
{
    m_hinweis->clear();
    nichtModalZeigen(this);
}

void BeaLauf::hinzufuegen()
{
    m_bearbeiten = false;
    m_id = 0;
    setWindowTitle(QStringLiteral("Lauf hinzufügen"));
    m_datum->setText(kKeinDatum);
    if (hatCupVariationen(m_cup)) {
        m_zeitdistanz->setText(kJa);
        m_zeitdistanz->setEnabled(false);
    } else {
        m_zeitdistanz->setEnabled(true);
        m_zeitdistanz->clear();
    }
    zeigen();
    m_lauftyp->setFocus(Qt::OtherFocusReason);
}

void BeaLauf::bearbeiten(int c)
{
    if (c < 1 || c > m_cup.anzahlLaufe())
        return;
    m_bearbeiten = true;
    m_id = m_cup.laufe.colId(c);
    setWindowTitle(QStringLiteral("Lauf bearbeiten"));
    const Tabelle &l = m_cup.laufe;
    {
        // Filling the fields is no change of the race type by the user.
        const QSignalBlocker sperre(m_lauftyp);
        m_lauftyp->setCurrentIndex(l.cell(c, Laufzeile::Lauftyp) == kZeitlauf ? 1 : 0);
    }
    for (const Textfeld &t : m_textfelder)
        feldFuellen(t.feld, l.cell(c, t.zeile));
    for (const Zahlfeld &z : m_zahlfelder) {
        int n = z.leer;
        if (!l.cell(c, z.zeile).isEmpty() && !istInt(l.cell(c, z.zeile), &n))
            n = z.leer;
        z.feld->setValue(n);
    }
    // While the cup has cup variations every race is a cup race: the field shows "ja" and is locked,
    // also for a race entered before the first variation. Without variations the race's own time or
    // distance is shown for editing ("ja" left from deleted variations means none).
    if (hatCupVariationen(m_cup)) {
        m_zeitdistanz->setText(kJa);
        m_zeitdistanz->setEnabled(false);
    } else {
        m_zeitdistanz->setEnabled(true);
        const QString &eintrag = l.cell(c, Laufzeile::Zeitdistanz);
        feldFuellen(m_zeitdistanz, eintrag == kJa ? QString() : eintrag);
    }
    zeigen();
    m_lauftyp->setFocus(Qt::OtherFocusReason);
}

Laufdaten BeaLauf::felder() const
{
    Laufdaten d;
    d[Laufzeile::Lauftyp] = m_lauftyp->currentIndex() >= 0 ? m_lauftyp->currentText() : QString();
    d[Laufzeile::Zeitdistanz] = m_zeitdistanz->text();
    for (const Textfeld &t : m_textfelder)
        d[t.zeile] = t.feld->text();
    for (const Zahlfeld &z : m_zahlfelder)
        d[z.zeile] = QString::number(z.feld->value());
    return d;
}

void BeaLauf::speichernClick()
{
    // The cup variations may have changed since the dialog was opened: a cup race needs "ja", a race
    // of a cup without variations its own time or distance, which the user is asked for by the focus.
    const bool variationen = hatCupVariationen(m_cup);
    if (variationen && m_zeitdistanz->isEnabled()) {
        m_zeitdistanz->setText(kJa);
        m_zeitdistanz->setEnabled(false);
    } else if (!variationen && !m_zeitdistanz->isEnabled()) {
        m_zeitdistanz->setEnabled(true);
        m_zeitdistanz->clear();
        fehlendesFeld(m_hinweis, m_zeitdistanz, QStringLiteral("Cup-Lauf bzw. Zeit/Distanz"));
        return;
    }
    // A save by Enter leaves no field: check what was typed last, as leaving the field would.
    datumExit();
    if (m_zeitdistanz->isEnabled())
        zeitdistanzExit();
    switch (laufFehlendeZeile(m_cup, m_lauftyp->currentIndex(), m_datum->text(), m_zeitdistanz->text())) {
    case Laufzeile::Lauftyp:
        fehlendesFeld(m_hinweis, m_lauftyp, QStringLiteral("Lauftyp"));
        return;
    case Laufzeile::Datum:
        fehlendesFeld(m_hinweis, m_datum, QStringLiteral("Datum"));
        return;
    case Laufzeile::Zeitdistanz:
        fehlendesFeld(m_hinweis, m_zeitdistanz, QStringLiteral("Cup-Lauf bzw. Zeit/Distanz"));
        return;
    default:
        break;
    }
    m_hinweis->clear();
    const Laufdaten d = felder();
    if (!m_bearbeiten) {
        int c = -1;
        m_dok.ausfuehren(QStringLiteral("Lauf vom %1 hinzufügen").arg(d[2]),
                         [&](Cup &cup) { c = laufHinzufuegen(cup, d); });
        m_lauftyp->setFocus(Qt::OtherFocusReason);
        m_datum->setText(kKeinDatum);
        if (nachAenderung)
            nachAenderung(c);
        return;
    }
    // The race the dialog was opened for, wherever sorting, adding or deleting moved it.
    const int c = m_cup.laufe.colOf(m_id);
    if (c < 1) {
        warnung(this, QStringLiteral("Der Lauf, der bearbeitet werden sollte, ist nicht mehr vorhanden."));
        hide();
        return;
    }
    int neu = -1;
    m_dok.ausfuehren(QStringLiteral("Lauf %1 bearbeiten").arg(c), [&](Cup &cup) { neu = laufAendern(cup, c, d); });
    m_lauftyp->setFocus(Qt::OtherFocusReason);
    hide();
    if (nachAenderung)
        nachAenderung(neu);
}

bool laufLoeschenFragen(QWidget *parent, CupDokument &dok, int c)
{
    if (c < 1 || c > dok.cup().anzahlLaufe())
        return false;
    if (!frage(parent, laufLoeschenFrage(dok.cup(), c)))
        return false;
    dok.ausfuehren(QStringLiteral("Lauf %1 löschen").arg(c), [c](Cup &cup) { laufLoeschen(cup, c); });
    return true;
}

} // namespace tlt::ui
