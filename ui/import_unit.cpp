#include "ui/import_unit.h"

#include "core/cupdokument.h"

#include "core/cup.h"
#include "core/spalten.h"
#include "core/teilnehmerbefehle.h"
#include "ui/meldung.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <optional>

namespace tlt::ui {

namespace {
constexpr int kVorschauzeilen = 10;
constexpr int kBeispielzeilen = 3;

QTableWidget *tabelle(const QString &name)
{
    auto *t = new QTableWidget;
    t->setObjectName(name);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->verticalHeader()->setVisible(false);
    t->horizontalHeader()->setStretchLastSection(true);
    return t;
}

void zelle(QTableWidget *t, int r, int c, const QString &text)
{
    t->setItem(r, c, new QTableWidgetItem(text));
}
} // namespace

ImportUnit::ImportUnit(CupDokument &dok, Art art, int lauf, const QString &pfad, QWidget *parent)
    : QDialog(parent), m_dok(dok), m_cup(dok.cup()), m_art(art), m_lauf(lauf), m_pfad(pfad)
{
    setObjectName(QStringLiteral("import"));
    setWindowTitle(art == Art::Teilnehmer ? QStringLiteral("Teilnehmer importieren")
                                          : QStringLiteral("Ergebnisse von Lauf %1 importieren").arg(lauf));
    // The plan is made on the cup as it is now: while the dialog is open, the window is not edited.
    setWindowModality(Qt::WindowModal);
    resize(820, 620);

    auto *layout = new QVBoxLayout(this);
    auto *kopf = new QFormLayout;
    m_datei = new QLabel;
    m_datei->setObjectName(QStringLiteral("datei"));
    kopf->addRow(QStringLiteral("Datei:"), m_datei);
    m_blatt = new QComboBox;
    m_blatt->setObjectName(QStringLiteral("blatt"));
    kopf->addRow(QStringLiteral("&Tabellenblatt:"), m_blatt);
    layout->addLayout(kopf);

    layout->addWidget(new QLabel(QStringLiteral("Spalten der Datei und was sie enthalten:")));
    m_spalten = tabelle(QStringLiteral("spalten"));
    m_spalten->setMaximumHeight(150);
    layout->addWidget(m_spalten);

    layout->addWidget(new QLabel(QStringLiteral("Vorschau (so werden die ersten Zeilen übernommen):")));
    m_vorschau = tabelle(QStringLiteral("vorschau"));
    layout->addWidget(m_vorschau, 2);

    m_zusammenfassung = new QLabel;
    m_zusammenfassung->setObjectName(QStringLiteral("zusammenfassung"));
    m_zusammenfassung->setWordWrap(true);
    QFont fett = m_zusammenfassung->font();
    fett.setBold(true);
    m_zusammenfassung->setFont(fett);
    layout->addWidget(m_zusammenfassung);
    m_probleme = new QListWidget;
    m_probleme->setObjectName(QStringLiteral("probleme"));
    layout->addWidget(m_probleme, 1);

    m_konfliktBox = new QGroupBox(QStringLiteral("Ergebnisse, die von gespeicherten abweichen:"));
    m_konfliktBox->setObjectName(QStringLiteral("konflikte"));
    auto *kl = new QHBoxLayout(m_konfliktBox);
    m_alle = new QRadioButton(QStringLiteral("Alle überschreiben"));
    m_alle->setObjectName(QStringLiteral("alleUeberschreiben"));
    m_keine = new QRadioButton(QStringLiteral("Keine überschreiben"));
    m_keine->setObjectName(QStringLiteral("keineUeberschreiben"));
    m_einzeln = new QRadioButton(QStringLiteral("Einzeln fragen"));
    m_einzeln->setObjectName(QStringLiteral("einzelnFragen"));
    m_keine->setChecked(true);
    kl->addWidget(m_alle);
    kl->addWidget(m_keine);
    kl->addWidget(m_einzeln);
    layout->addWidget(m_konfliktBox);
    m_anlegen = new QCheckBox(QStringLiteral("Unbekannte Läufer als Teilnehmer &anlegen"));
    m_anlegen->setObjectName(QStringLiteral("unbekannteAnlegen"));
    layout->addWidget(m_anlegen);

    auto *knoepfe = new QDialogButtonBox;
    m_importieren = knoepfe->addButton(QStringLiteral("&Importieren"), QDialogButtonBox::AcceptRole);
    m_importieren->setObjectName(QStringLiteral("importieren"));
    QPushButton *abbrechen = knoepfe->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    abbrechen->setObjectName(QStringLiteral("abbrechen"));
    layout->addWidget(knoepfe);
    connect(m_importieren, &QPushButton::clicked, this, &ImportUnit::importierenClick);
    connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);

    m_datei->setText(QFileInfo(pfad).fileName());
    QString fehlertext;
    const QStringList blaetter = blaetterLesen(pfad, &fehlertext);
    if (!fehlertext.isEmpty()) {
        fehler(parent, fehlertext);
        return;
    }
    m_blatt->addItems(blaetter);
    m_blatt->setEnabled(blaetter.size() > 1);
    blattLesen();
    connect(m_blatt, &QComboBox::currentIndexChanged, this, &ImportUnit::blattLesen);
}

void ImportUnit::blattLesen()
{
    QString fehlertext;
    Rohtabelle t;
    if (!tabelleLesen(m_pfad, m_blatt->count() > 0 ? m_blatt->currentText() : QString(), &t, &fehlertext)) {
        fehler(this, fehlertext);
        m_geladen = false;
        m_importieren->setEnabled(false);
        return;
    }
    m_geladen = true;
    m_tabelle = std::move(t);
    m_datei->setText(QFileInfo(m_pfad).fileName() + QStringLiteral(" (") + m_tabelle.beschreibung + QLatin1Char(')'));
    m_zuordnung = zuordnungErkennen(m_tabelle);
    zuordnungAnzeigen();
    planen();
}

void ImportUnit::zuordnungAnzeigen()
{
    const int spalten = int(m_zuordnung.spalten.size());
    // The boxes of another sheet go at once, so that only the boxes of this one carry their names.
    qDeleteAll(m_spalten->findChildren<QComboBox *>());
    m_spalten->clear();
    m_spalten->setColumnCount(spalten);
    m_spalten->setHorizontalHeaderLabels(m_zuordnung.koepfe);
    m_spalten->horizontalHeader()->setStretchLastSection(false);
    const int erste = m_zuordnung.kopfzeile + 1;
    const int beispiele = std::min<int>(kBeispielzeilen, std::max<int>(0, int(m_tabelle.zeilen.size()) - erste));
    m_spalten->setRowCount(1 + beispiele);
    const QList<Feld> felder = alleFelder();
    for (int s = 0; s < spalten; ++s) {
        auto *box = new QComboBox;
        box->setObjectName(QStringLiteral("spalte_%1").arg(s));
        for (Feld f : felder)
            box->addItem(feldname(f), int(f));
        box->setCurrentIndex(box->findData(int(m_zuordnung.spalten.at(s))));
        connect(box, &QComboBox::currentIndexChanged, this, [this, s, box] {
            feldSetzen(m_zuordnung, s, Feld(box->currentData().toInt()));
            // A field taken from another column leaves that column's box at "(nicht übernehmen)".
            for (int i = 0; i < m_zuordnung.spalten.size(); ++i)
                if (auto *b = qobject_cast<QComboBox *>(m_spalten->cellWidget(0, i)); b && b != box) {
                    const QSignalBlocker blocker(b);
                    b->setCurrentIndex(b->findData(int(m_zuordnung.spalten.at(i))));
                }
            planen();
        });
        m_spalten->setCellWidget(0, s, box);
        for (int r = 0; r < beispiele; ++r)
            zelle(m_spalten, 1 + r, s, m_tabelle.zeilen.at(erste + r).zelle(s).text);
    }
    m_spalten->resizeColumnsToContents();
}

void ImportUnit::planen()
{
    m_probleme->clear();
    if (m_art == Art::Teilnehmer) {
        m_teilnehmerplan = teilnehmerImportPlanen(m_cup, m_tabelle, m_zuordnung);
        m_konfliktBox->hide();
        m_anlegen->hide();
        if (!m_teilnehmerplan.fehler.isEmpty()) {
            m_zusammenfassung->setText(m_teilnehmerplan.fehler);
            m_importieren->setEnabled(false);
        } else {
            m_zusammenfassung->setText(m_teilnehmerplan.zusammenfassung());
            for (const auto &p : m_teilnehmerplan.probleme)
                m_probleme->addItem(p.text());
            m_importieren->setEnabled(!m_teilnehmerplan.neu.isEmpty() || !m_teilnehmerplan.geaendert.isEmpty());
        }
    } else {
        m_ergebnisplan = ergebnisImportPlanen(m_cup, m_lauf, m_tabelle, m_zuordnung);
        if (!m_ergebnisplan.fehler.isEmpty()) {
            m_zusammenfassung->setText(m_ergebnisplan.fehler);
            m_importieren->setEnabled(false);
            m_konfliktBox->hide();
            m_anlegen->hide();
        } else {
            m_zusammenfassung->setText(m_ergebnisplan.zusammenfassung());
            for (const auto &p : m_ergebnisplan.probleme)
                m_probleme->addItem(p.text());
            for (const auto &u : m_ergebnisplan.unbekannt)
                m_probleme->addItem(Importproblem{u.dateizeile, u.startnummer.isEmpty()
                                                                    ? QStringLiteral("%1 ist kein Teilnehmer").arg(u.name)
                                                                    : QStringLiteral("Startnummer %1 unbekannt").arg(u.startnummer)}
                                        .text());
            m_konfliktBox->setVisible(!m_ergebnisplan.konflikte.isEmpty());
            // New participants need at least their names from the file.
            const bool anlegbar = !m_ergebnisplan.unbekannt.isEmpty() && m_zuordnung.hat(Feld::Name) &&
                                  m_zuordnung.hat(Feld::Vorname);
            m_anlegen->setVisible(anlegbar);
            m_importieren->setEnabled(!m_ergebnisplan.neu.isEmpty() || !m_ergebnisplan.konflikte.isEmpty() || anlegbar);
        }
    }
    vorschauAnzeigen();
}

void ImportUnit::vorschauAnzeigen()
{
    m_vorschau->clear();
    const int erste = m_zuordnung.kopfzeile + 1;
    const int anzahl = std::min<int>(kVorschauzeilen, std::max<int>(0, int(m_tabelle.zeilen.size()) - erste));
    m_vorschau->setRowCount(anzahl);
    if (m_art == Art::Teilnehmer) {
        m_vorschau->setColumnCount(10);
        m_vorschau->setHorizontalHeaderLabels({QStringLiteral("Zeile"), QStringLiteral("Name"), QStringLiteral("Vorname"),
                                               QStringLiteral("Geburtsdatum"), QStringLiteral("Geschlecht"),
                                               QStringLiteral("Verein"), QStringLiteral("Altersgruppe"),
                                               QStringLiteral("Startnummer"), QStringLiteral("Cupvariante"),
                                               QStringLiteral("Übernahme")});
        QHash<int, std::pair<const Teilnehmerdaten *, QString>> nachZeile;
        for (const auto &e : m_teilnehmerplan.neu)
            nachZeile.insert(e.dateizeile, {&e.daten, QStringLiteral("neu")});
        for (const auto &e : m_teilnehmerplan.geaendert)
            nachZeile.insert(e.dateizeile, {&e.daten, QStringLiteral("geändert")});
        QHash<int, QString> problem;
        for (const auto &p : m_teilnehmerplan.probleme)
            problem.insert(p.zeile, p.grund);
        for (int i = 0; i < anzahl; ++i) {
            const int zeile = m_tabelle.zeilen.at(erste + i).zeile;
            zelle(m_vorschau, i, 0, QString::number(zeile));
            if (const auto it = nachZeile.constFind(zeile); it != nachZeile.cend()) {
                const Teilnehmerdaten &d = *it->first;
                const QStringList felder{d.name, d.vorname, d.geb, d.ges, d.verein, d.alt, d.sn, d.cup, it->second};
                for (int c = 0; c < felder.size(); ++c)
                    zelle(m_vorschau, i, c + 1, felder.at(c));
            } else {
                zelle(m_vorschau, i, 9,
                      problem.contains(zeile) ? QStringLiteral("nicht übernommen: ") + problem.value(zeile)
                                              : (m_teilnehmerplan.fehler.isEmpty() ? QStringLiteral("unverändert")
                                                                                   : QString()));
            }
        }
    } else {
        m_vorschau->setColumnCount(5);
        m_vorschau->setHorizontalHeaderLabels({QStringLiteral("Zeile"), QStringLiteral("Startnummer"),
                                               QStringLiteral("Name, Vorname"), QStringLiteral("Ergebnis"),
                                               QStringLiteral("Übernahme")});
        struct Info {
            int zeile;
            QString ergebnis, hinweis;
        };
        QHash<int, Info> nachZeile;
        for (const auto &e : m_ergebnisplan.neu)
            nachZeile.insert(e.dateizeile, {e.zeile, e.ergebnis, QStringLiteral("neu")});
        for (const auto &e : m_ergebnisplan.konflikte)
            nachZeile.insert(e.dateizeile, {e.zeile, e.ergebnis, QStringLiteral("gespeichert ist ") + e.bisher});
        for (const auto &u : m_ergebnisplan.unbekannt)
            nachZeile.insert(u.dateizeile, {-1, u.ergebnis, QStringLiteral("unbekannt")});
        for (const auto &p : m_ergebnisplan.probleme)
            nachZeile.insert(p.zeile, {-1, {}, QStringLiteral("nicht übernommen: ") + p.grund});
        for (int i = 0; i < anzahl; ++i) {
            const Rohzeile &r = m_tabelle.zeilen.at(erste + i);
            zelle(m_vorschau, i, 0, QString::number(r.zeile));
            const Info info = nachZeile.value(r.zeile, {-1, {}, m_ergebnisplan.fehler.isEmpty() ? QStringLiteral("unverändert") : QString()});
            if (info.zeile > 0) {
                zelle(m_vorschau, i, 1, m_cup.teil.cell(Teilspalte::Startnummer, info.zeile));
                zelle(m_vorschau, i, 2, m_cup.teil.cell(Teilspalte::Name, info.zeile) + QStringLiteral(", ") + m_cup.teil.cell(Teilspalte::Vorname, info.zeile));
            } else {
                zelle(m_vorschau, i, 1, r.zelle(m_zuordnung.spalte(Feld::Startnummer)).text);
            }
            zelle(m_vorschau, i, 3, info.ergebnis);
            zelle(m_vorschau, i, 4, info.hinweis);
        }
    }
    m_vorschau->resizeColumnsToContents();
}

namespace {
// Thrown inside a document step to take back what it did so far.
struct Abgelehnt {};
} // namespace

bool ImportUnit::anwenden(const QString &text, const std::function<bool(Cup &, QString *)> &schritt)
{
    QString fehlertext;
    try {
        m_dok.ausfuehren(text, [&](Cup &cup) {
            if (!schritt(cup, &fehlertext))
                throw Abgelehnt{};
        });
    } catch (const Abgelehnt &) {
        fehler(this, fehlertext);
        return false;
    }
    return true;
}

void ImportUnit::importierenClick()
{
    if (m_art == Art::Teilnehmer) {
        const Teilnehmerimport &plan = m_teilnehmerplan;
        if (!anwenden(QStringLiteral("Teilnehmer importieren (%1 neu, %2 geändert)")
                          .arg(plan.neu.size())
                          .arg(plan.geaendert.size()),
                      [&plan](Cup &cup, QString *f) { return teilnehmerImportAnwenden(cup, plan, f); }))
            return;
        accept();
        emit importiert();
        return;
    }

    // The decisions on differing results are made before anything changes, by file line.
    QHash<int, bool> ueberschreiben;
    for (const auto &k : m_ergebnisplan.konflikte) {
        bool ja = m_alle->isChecked();
        if (m_einzeln->isChecked())
            ja = frage(this, QStringLiteral("%1, %2 (Startnummer %3): ")
                                     .arg(m_cup.teil.cell(Teilspalte::Name, k.zeile), m_cup.teil.cell(Teilspalte::Vorname, k.zeile), m_cup.teil.cell(Teilspalte::Startnummer, k.zeile)) +
                                 ueberschreibenFrage(k.bisher, k.ergebnis));
        ueberschreiben.insert(k.dateizeile, ja);
    }
    std::optional<Teilnehmerimport> neue;
    if (m_anlegen->isVisible() && m_anlegen->isChecked()) {
        neue = teilnehmerImportPlanen(m_cup, m_tabelle, m_zuordnung, m_ergebnisplan.unbekannteZeilen());
        if (!neue->probleme.isEmpty()) {
            QStringList texte;
            for (const auto &p : neue->probleme)
                texte << p.text();
            if (!frage(this, QStringLiteral("Diese Läufer können nicht als Teilnehmer angelegt werden:\r\n") +
                                 texte.join(QStringLiteral("\r\n")) +
                                 QStringLiteral("\r\nWollen Sie die übrigen trotzdem importieren?")))
                return;
        }
    }
    // New participants and the results are one step: undoing it takes both back.
    const bool ok = anwenden(QStringLiteral("Ergebnisse von Lauf %1 importieren").arg(m_lauf),
                             [&](Cup &cup, QString *f) {
                                 Ergebnisimport plan = m_ergebnisplan;
                                 if (neue) {
                                     if (!teilnehmerImportAnwenden(cup, *neue, f))
                                         return false;
                                     // The participants are sorted anew: the rows are found again from the file.
                                     plan = ergebnisImportPlanen(cup, m_lauf, m_tabelle, m_zuordnung);
                                 }
                                 QList<bool> flags;
                                 for (const auto &k : plan.konflikte)
                                     flags << ueberschreiben.value(k.dateizeile, false);
                                 return ergebnisImportAnwenden(cup, plan, flags, f);
                             });
    if (!ok)
        return;
    accept();
    emit importiert();
}

} // namespace tlt::ui
