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

// Focus that moves inside the dialog; a message box or a popup taking the focus is no leaving.
bool echterWechsel(QEvent *e)
{
    const auto grund = static_cast<QFocusEvent *>(e)->reason();
    return grund != Qt::ActiveWindowFocusReason && grund != Qt::PopupFocusReason;
}

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
    // Like the spinners of the main window: the number changes by the arrows only.
    s->findChild<QLineEdit *>()->setReadOnly(true);
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
    haupt->addLayout(knopf);
    haupt->setSizeConstraint(QLayout::SetFixedSize);
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

    m_datum->installEventFilter(this);
    m_zeitdistanz->installEventFilter(this);
    connect(m_lauftyp, &QComboBox::currentIndexChanged, this, [this] { lauftypChange(); });
    connect(m_speichern, &QPushButton::clicked, this, &BeaLauf::speichernClick);
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
    show();
    raise();
    activateWindow();
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
        m_lauftyp->setCurrentIndex(l.cell(c, 1) == kZeitlauf ? 1 : 0);
    }
    feldFuellen(m_datum, l.cell(c, 2));
    // While the cup has cup variations every race is a cup race: the field shows "ja" and is locked,
    // also for a race entered before the first variation. Without variations the race's own time or
    // distance is shown for editing ("ja" left from deleted variations means none).
    if (hatCupVariationen(m_cup)) {
        m_zeitdistanz->setText(kJa);
        m_zeitdistanz->setEnabled(false);
    } else {
        m_zeitdistanz->setEnabled(true);
        feldFuellen(m_zeitdistanz, l.cell(c, 3) == kJa ? QString() : l.cell(c, 3));
    }
    feldFuellen(m_vereinsname, l.cell(c, 4));
    for (int i = 0; i < 3; ++i)
        feldFuellen(m_anschrift[i], l.cell(c, 5 + i));
    feldFuellen(m_fon, l.cell(c, 8));
    feldFuellen(m_fax, l.cell(c, 9));
    feldFuellen(m_ort, l.cell(c, 10));
    feldFuellen(m_kreis, l.cell(c, 11));
    feldFuellen(m_bezirk, l.cell(c, 12));
    feldFuellen(m_land, l.cell(c, 13));
    feldFuellen(m_wettkampf[0], l.cell(c, 14));
    feldFuellen(m_wettkampf[1], l.cell(c, 15));
    feldFuellen(m_zeitmessung, l.cell(c, 16));
    feldFuellen(m_windmessung, l.cell(c, 17));
    feldFuellen(m_geratekontrolle, l.cell(c, 18));
    auto zahl = [&](QSpinBox *s, int zeile, int leer) {
        int n = leer;
        if (!l.cell(c, zeile).isEmpty() && !istInt(l.cell(c, zeile), &n))
            n = leer;
        s->setValue(n);
    };
    zahl(m_kampfrichter, 19, 0);
    zahl(m_helfer, 20, 0);
    zahl(m_mitarbeiter, 21, 0);
    feldFuellen(m_wettkampfleiter, l.cell(c, 22));
    feldFuellen(m_wlfon, l.cell(c, 23));
    feldFuellen(m_wlfax, l.cell(c, 24));
    feldFuellen(m_verbandsaufsicht, l.cell(c, 25));
    feldFuellen(m_vafon, l.cell(c, 26));
    feldFuellen(m_vafax, l.cell(c, 27));
    for (int i = 0; i < 3; ++i)
        feldFuellen(m_bemerkung[i], l.cell(c, 28 + i));
    feldFuellen(m_dlvnr, l.cell(c, 31));
    zahl(m_lauffaktor, 32, 1);
    zahl(m_laufsummand, 33, 0);
    zeigen();
    m_lauftyp->setFocus(Qt::OtherFocusReason);
}

Laufdaten BeaLauf::felder() const
{
    Laufdaten d;
    d[1] = m_lauftyp->currentIndex() >= 0 ? m_lauftyp->currentText() : QString();
    d[2] = m_datum->text();
    d[3] = m_zeitdistanz->text();
    d[4] = m_vereinsname->text();
    for (int i = 0; i < 3; ++i)
        d[static_cast<size_t>(5 + i)] = m_anschrift[i]->text();
    d[8] = m_fon->text();
    d[9] = m_fax->text();
    d[10] = m_ort->text();
    d[11] = m_kreis->text();
    d[12] = m_bezirk->text();
    d[13] = m_land->text();
    d[14] = m_wettkampf[0]->text();
    d[15] = m_wettkampf[1]->text();
    d[16] = m_zeitmessung->text();
    d[17] = m_windmessung->text();
    d[18] = m_geratekontrolle->text();
    d[19] = QString::number(m_kampfrichter->value());
    d[20] = QString::number(m_helfer->value());
    d[21] = QString::number(m_mitarbeiter->value());
    d[22] = m_wettkampfleiter->text();
    d[23] = m_wlfon->text();
    d[24] = m_wlfax->text();
    d[25] = m_verbandsaufsicht->text();
    d[26] = m_vafon->text();
    d[27] = m_vafax->text();
    for (int i = 0; i < 3; ++i)
        d[static_cast<size_t>(28 + i)] = m_bemerkung[i]->text();
    d[31] = m_dlvnr->text();
    d[32] = QString::number(m_lauffaktor->value());
    d[33] = QString::number(m_laufsummand->value());
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
        m_zeitdistanz->setFocus(Qt::OtherFocusReason);
        return;
    }
    // A save by Enter leaves no field: check what was typed last, as leaving the field would.
    datumExit();
    if (m_zeitdistanz->isEnabled())
        zeitdistanzExit();
    if (!laufSpeicherbar(m_cup, m_lauftyp->currentIndex(), m_datum->text(), m_zeitdistanz->text()))
        return;
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
