#include "ui/austauschbefehle.h"

#include "austausch/ausfuhr.h"
#include "core/cup.h"
#include "core/spalten.h"
#include "core/konvertierung.h"
#include "ui/import_unit.h"
#include "ui/main_unit.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

#include <functional>

namespace tlt::ui {

namespace {
QString cupOrdner(const Cup &cup)
{
    return cup.dateiname.isEmpty() ? QString() : QFileInfo(cup.dateiname).absolutePath();
}

QString laufText(const Cup &cup, int k)
{
    return QStringLiteral("Lauf %1 (%2)").arg(cup.laufe.cell(k, Laufzeile::Nummer), cup.laufe.cell(k, Laufzeile::Datum));
}

// Fills a submenu with one item per race each time it opens.
void laufmenue(MainUnit &w, QMenu *menu, const QString &praefix, const std::function<void(MainUnit &, int)> &befehl)
{
    QObject::connect(menu, &QMenu::aboutToShow, menu, [&w, menu, praefix, befehl] {
        menu->clear();
        const Cup &cup = w.cup();
        for (int k = 1; k <= cup.anzahlLaufe(); ++k) {
            QAction *a = menu->addAction(laufText(cup, k) + QStringLiteral(" …"));
            a->setObjectName(praefix + QString::number(k));
            QObject::connect(a, &QAction::triggered, &w, [&w, k, befehl] { befehl(w, k); });
        }
        if (cup.anzahlLaufe() == 0)
            menu->addAction(QStringLiteral("(Der Cup hat noch keinen Lauf.)"))->setEnabled(false);
    });
}

bool schreiben(MainUnit &w, const QString &titel, const QString &name, const std::function<Ausfuhrtabelle()> &liste)
{
    const QString pfad = dateiSpeichern(&w, exportdatei(w.cup(), titel, name));
    if (pfad.isEmpty())
        return false;
    QString text;
    bool ok = false;
    try {
        ok = tabelleSchreiben(liste(), pfad, &text);
    } catch (const Konvertierungsfehler &f) {
        text = f.text();
    }
    if (!ok)
        fehler(&w, text);
    return ok;
}

ImportUnit *oeffnen(MainUnit &w, ImportUnit::Art art, int lauf)
{
    const QString pfad = dateiOeffnen(&w, importdatei(w.cup()));
    if (pfad.isEmpty())
        return nullptr;
    auto *dlg = new ImportUnit(w.dokument(), art, lauf, pfad, &w);
    dlg->setAttribute(Qt::WA_DeleteOnClose);
    if (!dlg->geladen()) {
        dlg->deleteLater();
        return nullptr;
    }
    QObject::connect(dlg, &ImportUnit::importiert, &w, [&w] { w.aktualisieren(); });
    dlg->show();
    return dlg;
}
} // namespace

Dateiauswahl importdatei(const Cup &cup)
{
    return Dateiauswahl{QStringLiteral("Tabelle importieren"),
                        QStringLiteral("Tabellen (*.xlsx *.ods *.csv *.txt);;Excel-Arbeitsmappe (*.xlsx);;"
                                       "OpenDocument-Tabelle (*.ods);;CSV- oder Textdatei (*.csv *.txt)"),
                        QStringLiteral("xlsx"), cupOrdner(cup)};
}

Dateiauswahl exportdatei(const Cup &cup, const QString &titel, const QString &name)
{
    const QString ordner = cupOrdner(cup);
    return Dateiauswahl{titel,
                        QStringLiteral("Excel-Arbeitsmappe (*.xlsx);;CSV-Datei, Semikolon, UTF-8 (*.csv)"),
                        QStringLiteral("xlsx"), ordner.isEmpty() ? name : QDir(ordner).filePath(name)};
}

ImportUnit *teilnehmerImportieren(MainUnit &w)
{
    return oeffnen(w, ImportUnit::Art::Teilnehmer, 0);
}

ImportUnit *ergebnisseImportieren(MainUnit &w, int lauf)
{
    if (lauf < 1 || lauf > w.cup().anzahlLaufe())
        return nullptr;
    return oeffnen(w, ImportUnit::Art::Ergebnisse, lauf);
}

bool teilnehmerExportieren(MainUnit &w)
{
    return schreiben(w, QStringLiteral("Teilnehmertabelle exportieren"), QStringLiteral("teilnehmer.xlsx"),
                     [&w] { return teilnehmerTabelle(w.cup()); });
}

bool laufergebnisExportieren(MainUnit &w, int lauf)
{
    if (lauf < 1 || lauf > w.cup().anzahlLaufe())
        return false;
    return schreiben(w, QStringLiteral("Ergebnisliste exportieren"), QStringLiteral("lauf%1.xlsx").arg(lauf),
                     [&w, lauf] { return laufergebnisTabelle(w.cup(), lauf); });
}

bool gesamtExportieren(MainUnit &w, int lauf)
{
    if (lauf < 1 || lauf > w.cup().anzahlLaufe())
        return false;
    return schreiben(w, QStringLiteral("Gesamtwertung exportieren"), QStringLiteral("gesamt_nach_lauf%1.xlsx").arg(lauf),
                     [&w, lauf] { return gesamtTabelle(w.cup(), lauf); });
}

void austauschAnschliessen(MainUnit &w)
{
    QMenu *datei = w.punkte().m_d;
    QAction *vor = w.punkte().m_d_1;
    auto untermenue = [&w](const QString &name, const QString &text) {
        auto *m = new QMenu(text, &w);
        m->setObjectName(name);
        m->menuAction()->setObjectName(name);
        return m;
    };
    QAction *trenner = datei->insertSeparator(vor);
    trenner->setObjectName(QStringLiteral("m_d_2"));
    auto *it = new QAction(QStringLiteral("Teilnehmer &importieren …"), &w);
    it->setObjectName(QStringLiteral("m_d_it"));
    datei->insertAction(vor, it);
    QObject::connect(it, &QAction::triggered, &w, [&w] { teilnehmerImportieren(w); });

    QMenu *ie = untermenue(QStringLiteral("m_d_ie"), QStringLiteral("&Ergebnisse importieren"));
    datei->insertMenu(vor, ie);
    laufmenue(w, ie, QStringLiteral("m_d_ie_"), [](MainUnit &m, int k) { ergebnisseImportieren(m, k); });

    QMenu *ex = untermenue(QStringLiteral("m_d_e"), QStringLiteral("Ex&portieren"));
    datei->insertMenu(vor, ex);
    auto *t = ex->addAction(QStringLiteral("&Teilnehmertabelle …"));
    t->setObjectName(QStringLiteral("m_d_e_t"));
    QObject::connect(t, &QAction::triggered, &w, [&w] { teilnehmerExportieren(w); });
    QMenu *liste = untermenue(QStringLiteral("m_d_e_l"), QStringLiteral("&Ergebnisliste"));
    ex->addMenu(liste);
    laufmenue(w, liste, QStringLiteral("m_d_e_l_"), [](MainUnit &m, int k) { laufergebnisExportieren(m, k); });
    QMenu *gesamt = untermenue(QStringLiteral("m_d_e_g"), QStringLiteral("&Gesamtwertung nach Lauf"));
    ex->addMenu(gesamt);
    laufmenue(w, gesamt, QStringLiteral("m_d_e_g_"), [](MainUnit &m, int k) { gesamtExportieren(m, k); });
}

} // namespace tlt::ui
