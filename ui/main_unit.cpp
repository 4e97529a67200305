#include "ui/main_unit.h"
#include "ui/autosicherung.h"

#include "core/cupbefehle.h"
#include "core/cupdatei.h"
#include "core/konvertierung.h"
#include "core/sortierung.h"
#include "core/version.h"
#include "ui/ausgabe_ansicht.h"
#include "ui/austauschbefehle.h"
#include "ui/bea_ag_unit.h"
#include "ui/bea_cup_unit.h"
#include "ui/bea_pv_unit.h"
#include "ui/bearbeitung.h"
#include "ui/berichtsbefehle.h"
#include "ui/eingabe_anschluss.h"
#include "ui/fensterhilfe.h"
#include "ui/gitter.h"
#include "ui/meldung.h"
#include "ui/tabellenmodell.h"
#include "ui/teilnehmersuche.h"
#include "ui/ubertlt_unit.h"
#include "ui/urkunden_unit.h"
#include "ui/webseite_befehl.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace tlt::ui {

namespace {
const QString kFrageNeu = QStringLiteral("Sie haben noch ungesicherte Daten!\r\nWollen Sie trotzdem einen neuen Cup anlegen?");
const QString kFrageLaden = QStringLiteral("Sie haben noch ungesicherte Daten!\r\nWollen Sie trotzdem einen Cup laden?");
const QString kFrageBeenden = QStringLiteral("Sie haben noch ungesicherte Daten!\r\nWollen Sie trotzdem beenden?");

Dateiauswahl cupDatei(const QString &titel, const QString &ordner)
{
    return Dateiauswahl{titel, QStringLiteral("Tempolauftabellator 3.*.* (*.tl3)"), QStringLiteral("tl3"), ordner};
}

QLabel *beschriftung(const QString &text, const QString &name, QWidget *fuer)
{
    auto *l = new QLabel(text);
    l->setObjectName(name);
    l->setBuddy(fuer);
    return l;
}
} // namespace

MainUnit::MainUnit(QWidget *parent) : QMainWindow(parent), m_drucker(QPrinter::HighResolution), m_version(kVersion)
{
    setObjectName(QStringLiteral("w"));
    m_drucker.setDocName(QStringLiteral("Tempolauftabellator"));
    m_bearbeitung = new Bearbeitung(m_dok, this);
    // Direct calls of Cup::edit (older callers) still show in the status bar; every change of the
    // flag reaches the autosave, and so does every change of content (undo and redo included).
    m_cup.beiAenderung = [this] {
        statusAnzeigen();
        if (m_autosicherung)
            m_autosicherung->geaendert();
    };
    auto autosichern = [this] {
        if (m_autosicherung)
            m_autosicherung->geaendert();
    };
    connect(&m_dok, &CupDokument::tabelleGeaendert, this, autosichern);
    connect(&m_dok, &CupDokument::einstellungenGeaendert, this, autosichern);

    seitenBauen();
    menueBauen();
    kontextmenuesBauen();
    berichteAnschliessen(*this);
    eingabeAnschliessen(*this);
    urkundenAnschliessen(*this);
    austauschAnschliessen(*this);

    auto *status = statusBar();
    status->setObjectName(QStringLiteral("status"));
    m_status0 = new QLabel(QStringLiteral("Dateiname:"));
    m_status0->setObjectName(QStringLiteral("status0"));
    m_status0->setMinimumWidth(200);
    m_status1 = new QLabel(QStringLiteral("Änderung:"));
    m_status1->setObjectName(QStringLiteral("status1"));
    m_status1->setMinimumWidth(120);
    status->addWidget(m_status0, 1);
    status->addPermanentWidget(m_status1);

    m_beaCup = new BeaCup(*this);
    m_beaAg = new BeaAg(*this);
    m_beaPv = new BeaPv(*this);
    m_uber = new UberTlt(this);
    setWindowIcon(UberTlt::programmsymbol());

    // The views follow the document: a changed table, changed settings, file name and flag, a new cup.
    connect(&m_dok, &CupDokument::tabelleGeaendert, this, [this](Tabellenteil t, bool) {
        gitter(t)->aktualisieren();
        if (t == Tabellenteil::Ag || t == Tabellenteil::Cv)
            teilBreitenAnpassen(false);
        if (t == Tabellenteil::Laufe)
            felderAnzeigen();
    });
    connect(&m_dok, &CupDokument::einstellungenGeaendert, this, &MainUnit::felderAnzeigen);
    connect(&m_dok, &CupDokument::zustandGeaendert, this, &MainUnit::statusAnzeigen);
    connect(&m_dok, &CupDokument::ersetzt, this, &MainUnit::neuAnzeigen);

    // FormCreate: a new cup, then the caption from the design caption and the version field.
    neu();
    m_autosicherung = new Autosicherung(*this);
    setWindowTitle(QStringLiteral("Tempolauftabellator") + QLatin1Char(' ') + m_version);

    resize(sizeHint().expandedTo(QSize(638, 448)));
    if (QScreen *s = QGuiApplication::primaryScreen()) {
        QRect r = frameGeometry();
        r.moveCenter(s->availableGeometry().center());
        move(r.topLeft());
    }
}

MainUnit::~MainUnit()
{
    m_dok.disconnect(this);
    m_cup.beiAenderung = nullptr;
    // The undo stack and the dialogs refer to the document, which goes before the window's children.
    delete m_bearbeitung;
    m_bearbeitung = nullptr;
    m_ausgabe.beiAenderung = nullptr;
    // The grids, the pane view and the dialogs read the cup: they go before it does.
    delete m_beaCup;
    delete m_beaAg;
    delete m_beaPv;
    delete m_uber;
    delete takeCentralWidget();
}

// ---------------------------------------------------------------- layout

void MainUnit::seitenBauen()
{
    m_seiten = new QTabWidget(this);
    m_seiten->setObjectName(QStringLiteral("b"));
    setCentralWidget(m_seiten);

    QWidget *cupSeite = cupSeiteBauen();
    cupSeite->setObjectName(QStringLiteral("b_c"));
    // The tabs have access keys of their own (Alt+C, L, T, A), none of them used by the menu bar.
    m_seiten->addTab(cupSeite, QStringLiteral("&Cup"));

    auto *laufeSeite = new QWidget;
    laufeSeite->setObjectName(QStringLiteral("b_l"));
    auto *ll = new QVBoxLayout(laufeSeite);
    m_laufeG = new Gitter(&m_cup.laufe, Gitter::Rueckscroll::Laeufe, {200, {{kBeschriftungsspalte, 120}}});
    m_laufeG->setObjectName(QStringLiteral("laufe"));
    ll->addWidget(m_laufeG);
    m_seiten->addTab(laufeSeite, QStringLiteral("&Läufe"));

    auto *teilSeite = new QWidget;
    teilSeite->setObjectName(QStringLiteral("b_t"));
    auto *tl = new QVBoxLayout(teilSeite);
    m_teilG = new Gitter(&m_cup.teil, Gitter::Rueckscroll::Teilnehmer,
                         {75, {{Teilspalte::Name, 100}, {Teilspalte::Vorname, 100}, {Teilspalte::Verein, 200}}});
    m_teilG->setObjectName(QStringLiteral("teil"));
    // Dates, start numbers and results are shown whole, in the widest form they usually take.
    m_teilG->setMuster([](int spalte) -> QString {
        switch (spalte) {
        case Teilspalte::Geburtsdatum:
            return QStringLiteral("00.00.0000");
        case Teilspalte::Geschlecht:
            return QStringLiteral("männlich");
        case Teilspalte::Startnummer:
            return QStringLiteral("0000");
        default:
            return spalte >= Teilspalte::Anzahl ? QStringLiteral("00:00'00,00\"") : QString();
        }
    });
    m_suche = new Teilnehmersuche(m_cup, m_teilG, teilSeite);
    tl->addWidget(m_suche);
    tl->addWidget(m_teilG);
    m_seiten->addTab(teilSeite, QStringLiteral("&Teilnehmer"));
    auto *suchen = new QAction(QStringLiteral("Teilnehmer suchen"), teilSeite);
    suchen->setObjectName(QStringLiteral("teil_suchen"));
    suchen->setShortcut(QKeySequence::Find);
    suchen->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    teilSeite->addAction(suchen);
    connect(suchen, &QAction::triggered, m_suche, &Teilnehmersuche::oeffnen);

    m_ausgabeSeite = new QWidget;
    m_ausgabeSeite->setObjectName(QStringLiteral("b_a"));
    auto *al = new QVBoxLayout(m_ausgabeSeite);
    m_ausgabeAnsicht = new AusgabeAnsicht(&m_ausgabe);
    m_ausgabeAnsicht->setObjectName(QStringLiteral("ausgabe"));
    al->addWidget(m_ausgabeAnsicht);
    m_seiten->addTab(m_ausgabeSeite, QStringLiteral("&Ausgabe"));
    m_ausgabe.beiAenderung = [this] { m_ausgabeAnsicht->spaeterAktualisieren(); };

    m_bilder = new QWidget;
    m_bilder->setObjectName(QStringLiteral("b_b"));
    auto *bl = new QVBoxLayout(m_bilder);
    bl->setObjectName(QStringLiteral("bilderLayout"));
    m_seiten->addTab(m_bilder, QStringLiteral("Bilder"));
    m_seiten->setTabVisible(m_seiten->indexOf(m_bilder), false);

    // Ctrl+PgUp/Ctrl+PgDn go through the visible pages wherever the focus is, a grid included.
    auto blaettern = [this](const QString &name, const QKeySequence &taste, int schritt) {
        auto *a = new QAction(this);
        a->setObjectName(name);
        a->setShortcut(taste);
        a->setShortcutContext(Qt::WindowShortcut);
        addAction(a);
        connect(a, &QAction::triggered, this, [this, schritt] { seiteWechseln(schritt); });
    };
    blaettern(QStringLiteral("seite_vor"), QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1);
    blaettern(QStringLiteral("seite_zurueck"), QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1);

    m_seiten->setCurrentIndex(0);
    connect(m_seiten, &QTabWidget::currentChanged, this, [this](int i) {
        if (m_seiten->widget(i) == m_ausgabeSeite)
            m_ausgabeAnsicht->aktualisieren();
    });
}

void MainUnit::seiteWechseln(int schritt)
{
    const int n = m_seiten->count();
    int i = m_seiten->currentIndex();
    for (int k = 0; k < n; ++k) {
        i = (i + schritt + n) % n;
        if (m_seiten->isTabVisible(i) && m_seiten->isTabEnabled(i)) {
            m_seiten->setCurrentIndex(i);
            return;
        }
    }
}

QWidget *MainUnit::cupSeiteBauen()
{
    auto *seite = new QWidget;
    auto *haupt = new QVBoxLayout(seite);

    auto *form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    form->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    m_name = new QLineEdit;
    m_name->setObjectName(QStringLiteral("name"));
    m_name->setToolTip(QStringLiteral("Geben Sie hier den Namen der Veranstaltung ein"));
    form->addRow(beschriftung(QStringLiteral("Bezeichnung des Läufercups:"), QStringLiteral("nameT"), m_name), m_name);

    m_veranstalter = new QLineEdit;
    m_veranstalter->setObjectName(QStringLiteral("veranstalter"));
    m_veranstalter->setToolTip(QStringLiteral("Geben Sie hier den Namen des Veranstalters/Vereins ein"));
    form->addRow(beschriftung(QStringLiteral("Veranstalter des Läufercups:"), QStringLiteral("veranstalterT"),
                              m_veranstalter),
                 m_veranstalter);

    // Only the index of the category is stored, so the list offers its items and nothing else.
    m_kategorie = new QComboBox;
    m_kategorie->setObjectName(QStringLiteral("kategorie"));
    m_kategorie->setToolTip(
        QStringLiteral("Wählen Sie hier eine Kategorie für die Veranstaltung (gilt für alle Läufe)"));
    m_kategorie->addItems(kategorien());
    m_kategorie->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    form->addRow(beschriftung(QStringLiteral("Kategorie:"), QStringLiteral("kategorieT"), m_kategorie), m_kategorie);

    auto spinner = [](const QString &name, const QString &tipp) {
        auto *s = new QSpinBox;
        s->setObjectName(name);
        s->setRange(1, 100);
        s->setValue(1);
        s->setToolTip(tipp);
        // Typed digits count as well as the arrows; the number is taken when the field is left or
        // Enter is pressed, so typing "12" is one change, not a change to 1 first.
        zahlfeldEinrichten(s);
        s->setKeyboardTracking(false);
        s->setMinimumWidth(70);
        return s;
    };
    m_minW = spinner(QStringLiteral("minW"),
                     QStringLiteral("Wählen Sie hier die Mindestanzahl von Teilnahmen um in die Endwertung zu gelangen"));
    m_maxW = spinner(QStringLiteral("maxW"), QStringLiteral("Wählen Sie hier die maximale Anzahl von gewerteten Läufen"));
    auto *minZeile = new QHBoxLayout;
    minZeile->addWidget(m_minW);
    minZeile->addStretch(1);
    auto *maxZeile = new QHBoxLayout;
    maxZeile->addWidget(m_maxW);
    maxZeile->addStretch(1);
    form->addRow(beschriftung(QStringLiteral("Mindestteilnahmen für Endwertung:"), QStringLiteral("minT"), m_minW),
                 minZeile);
    form->addRow(
        beschriftung(QStringLiteral("maximale Anzahl gewerteter Teilnahmen:"), QStringLiteral("maxT"), m_maxW),
        maxZeile);
    haupt->addLayout(form);

    auto tabelle = [this](Tabelle *t, const QString &name, const QString &titel, const QString &tipp,
                          const Gitter::Breiten &breiten, Gitter **g) {
        auto *box = new QVBoxLayout;
        *g = new Gitter(t, Gitter::Rueckscroll::Klein, breiten);
        (*g)->setObjectName(name);
        (*g)->setToolTip(tipp);
        (*g)->viewport()->setToolTip(tipp);
        int breite = 0;
        for (int c = 0; c < t->colCount(); ++c)
            breite += (*g)->columnWidth(c);
        (*g)->setMinimumWidth(breite + 2 * (*g)->frameWidth() + (*g)->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
        box->addWidget(beschriftung(titel, name + QStringLiteral("T"), *g));
        box->addWidget(*g, 1);
        return box;
    };
    auto *tabellen = new QHBoxLayout;
    tabellen->addLayout(tabelle(&m_cup.cv, QStringLiteral("cv"), QStringLiteral("Cup-Variationen:"),
                                QStringLiteral("Hier können Sie den Läufercup in einzelne Unter-Cups aufteilen"), {78, {}},
                                &m_cvG),
                        3);
    tabellen->addLayout(tabelle(&m_cup.ag, QStringLiteral("ag"), QStringLiteral("Altersklassen:"),
                                QStringLiteral("Hier können Sie die Altersklassenverteilung variieren"),
                                {110, {{Agspalte::Maximalalter, 70}}}, &m_agG),
                        4);
    tabellen->addLayout(tabelle(&m_cup.pv, QStringLiteral("pv"), QStringLiteral("Punktevergabe:"),
                                QStringLiteral("Hier können Sie die Punktevergabe anpassen"), {78, {}}, &m_pvG),
                        2);
    haupt->addLayout(tabellen, 1);

    // Typing into a field is one step per field (the keystrokes merge).
    connect(m_name, &QLineEdit::textChanged, this, [this](const QString &t) {
        einstellungAendern(QStringLiteral("Bezeichnung des Läufercups"), 1, [t](Cup &c) {
            c.name = t;
            c.edit(Cup::Stand::Geaendert);
        });
    });
    connect(m_veranstalter, &QLineEdit::textChanged, this, [this](const QString &t) {
        einstellungAendern(QStringLiteral("Veranstalter des Läufercups"), 2, [t](Cup &c) {
            c.veranstalter = t;
            c.edit(Cup::Stand::Geaendert);
        });
    });
    connect(m_kategorie, &QComboBox::currentIndexChanged, this, [this](int i) {
        einstellungAendern(QStringLiteral("Kategorie"), 0, [i](Cup &c) {
            c.kategorie = i;
            c.edit(Cup::Stand::Geaendert);
        });
    });
    connect(m_minW, &QSpinBox::valueChanged, this, &MainUnit::minChange);
    connect(m_maxW, &QSpinBox::valueChanged, this, &MainUnit::maxChange);
    return seite;
}

// ---------------------------------------------------------------- menus

QAction *MainUnit::neueAktion(QMenu *menu, const QString &name, const QString &text)
{
    auto *a = new QAction(text, this);
    a->setObjectName(name);
    menu->addAction(a);
    return a;
}

QMenu *MainUnit::neuesUntermenue(QMenu *menu, const QString &name, const QString &text)
{
    auto *m = new QMenu(text, this);
    m->setObjectName(name);
    m->menuAction()->setObjectName(name);
    menu->addMenu(m);
    return m;
}

QAction *MainUnit::trenner(QMenu *menu, const QString &name)
{
    QAction *a = menu->addSeparator();
    a->setObjectName(name);
    return a;
}

QAction *MainUnit::aktion(const QString &name) const
{
    return findChild<QAction *>(name);
}

QMenu *MainUnit::menue(const QString &name) const
{
    return findChild<QMenu *>(name);
}

void MainUnit::menueBauen()
{
    Menuepunkte &p = m_punkte;
    QMenuBar *m = menuBar();
    m->setObjectName(QStringLiteral("m"));

    p.m_d = m->addMenu(QStringLiteral("&Datei"));
    p.m_d->setObjectName(QStringLiteral("m_d"));
    p.m_d_n = neueAktion(p.m_d, QStringLiteral("m_d_n"), QStringLiteral("&Neu"));
    p.m_d_n->setShortcut(QKeySequence(QStringLiteral("Ctrl+N")));
    p.m_d_l = neueAktion(p.m_d, QStringLiteral("m_d_l"), QStringLiteral("&Laden"));
    p.m_d_l->setShortcut(QKeySequence(QStringLiteral("Ctrl+L")));
    p.m_d_s = neueAktion(p.m_d, QStringLiteral("m_d_s"), QStringLiteral("&Speichern"));
    p.m_d_s->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
    p.m_d_u = neueAktion(p.m_d, QStringLiteral("m_d_u"), QStringLiteral("Speichern &unter"));
    p.m_d_w = neueAktion(p.m_d, QStringLiteral("m_d_w"), QStringLiteral("Ergebnisseiten er&zeugen …"));
    p.m_d_1 = trenner(p.m_d, QStringLiteral("m_d_1"));
    p.m_d_x = neueAktion(p.m_d, QStringLiteral("m_d_x"), QStringLiteral("E&xit"));

    auto *bearb = m->addMenu(QStringLiteral("&Bearbeiten"));
    bearb->setObjectName(QStringLiteral("m_seiten"));
    for (QAction *a : {m_bearbeitung->rueckgaengigAktion(), m_bearbeitung->wiederherstellenAktion()}) {
        bearb->addAction(a);
        // The shortcuts work wherever the focus is in the window.
        addAction(a);
    }

    auto *einst = m->addMenu(QStringLiteral("&Einstellungen"));
    einst->setObjectName(QStringLiteral("m_e"));
    p.m_e_d = neueAktion(einst, QStringLiteral("m_e_d"), QStringLiteral("&Druckereinstellungen"));
    p.m_e_h = neueAktion(einst, QStringLiteral("m_e_h"), QStringLiteral("&HTML Einstellungen"));
    p.m_e_u = neueAktion(einst, QStringLiteral("m_e_u"), QStringLiteral("&Urkunden Einstellungen"));

    auto *hilfe = m->addMenu(QStringLiteral("&Hilfe"));
    hilfe->setObjectName(QStringLiteral("m_h"));
    p.m_h_b = neueAktion(hilfe, QStringLiteral("m_h_b"), QStringLiteral("Ü&ber TLT"));

    connect(p.m_d_n, &QAction::triggered, this, &MainUnit::m_d_nClick);
    connect(p.m_d_l, &QAction::triggered, this, &MainUnit::m_d_lClick);
    connect(p.m_d_s, &QAction::triggered, this, &MainUnit::m_d_sClick);
    connect(p.m_d_u, &QAction::triggered, this, &MainUnit::m_d_uClick);
    connect(p.m_d_x, &QAction::triggered, this, &MainUnit::m_d_xClick);
    connect(p.m_d_w, &QAction::triggered, this, [this] { ergebnisseitenErzeugen(this, m_cup); });
    connect(p.m_e_d, &QAction::triggered, this, &MainUnit::m_e_dClick);
    connect(p.m_h_b, &QAction::triggered, this, &MainUnit::m_h_bClick);
}

void MainUnit::kontextmenuesBauen()
{
    Menuepunkte &p = m_punkte;
    auto menu = [this](const QString &name) {
        auto *m = new QMenu(this);
        m->setObjectName(name);
        return m;
    };

    QMenu *laufe = p.laufe_pop = menu(QStringLiteral("laufe_pop"));
    p.laufe_pop_h = neueAktion(laufe, QStringLiteral("laufe_pop_h"), QStringLiteral("Lauf &hinzufügen"));
    p.laufe_pop_b = neueAktion(laufe, QStringLiteral("laufe_pop_b"), QStringLiteral("Lauf &bearbeiten"));
    trenner(laufe, QStringLiteral("laufe_pop_1"));
    p.laufe_pop_l = neueAktion(laufe, QStringLiteral("laufe_pop_l"), QStringLiteral("Lauf &löschen"));
    trenner(laufe, QStringLiteral("laufe_pop_2"));
    p.laufe_pop_e = neueAktion(laufe, QStringLiteral("laufe_pop_e"), QStringLiteral("schnelle &Ergebniseingabe"));
    trenner(laufe, QStringLiteral("laufe_pop_3"));
    p.laufeBerichte = berichtsmenuesBauen(*this, laufe, Kontextmenue::Laufe);
    trenner(laufe, QStringLiteral("laufe_pop_4"));
    QMenu *urk = neuesUntermenue(laufe, QStringLiteral("laufe_pop_u"), QStringLiteral("&Urkunden drucken"));
    p.laufe_pop_u = urk->menuAction();
    p.laufe_pop_u_sl = neueAktion(urk, QStringLiteral("laufe_pop_u_sl"), QStringLiteral("&Siegerurkunden für diesen Lauf"));
    p.laufe_pop_tl = neueAktion(urk, QStringLiteral("laufe_pop_tl"), QStringLiteral("&Teilnahmeurkunde ..."));
    p.laufe_pop_u_g = neueAktion(urk, QStringLiteral("laufe_pop_u_g"), QStringLiteral("Siegerurkunden für den &Gesamtcup"));
    p.laufe_pop_u_u = neueAktion(urk, QStringLiteral("laufe_pop_u_u"), QStringLiteral("Teilnehmer&urkunde Gesamtcup ..."));

    QMenu *teil = p.teil_pop = menu(QStringLiteral("teil_pop"));
    p.teil_pop_h = neueAktion(teil, QStringLiteral("teil_pop_h"), QStringLiteral("Teilnehmer &hinzufügen"));
    p.teil_pop_b = neueAktion(teil, QStringLiteral("teil_pop_b"), QStringLiteral("Teilnehmer &bearbeiten"));
    trenner(teil, QStringLiteral("teil_pop_1"));
    p.teil_pop_l = neueAktion(teil, QStringLiteral("teil_pop_l"), QStringLiteral("Teilnehmer &löschen"));
    trenner(teil, QStringLiteral("teil_pop_2"));
    p.teil_pop_e = neueAktion(teil, QStringLiteral("teil_pop_e"), QStringLiteral("schnelle &Ergebniseingabe"));
    trenner(teil, QStringLiteral("teil_pop_3"));
    p.teilBerichte = berichtsmenuesBauen(*this, teil, Kontextmenue::Teil);
    trenner(teil, QStringLiteral("teil_pop_4"));
    QMenu *sort = neuesUntermenue(teil, QStringLiteral("teil_pop_p"), QStringLiteral("Sortieren nach dieser S&palte"));
    p.teil_pop_p_s = neueAktion(sort, QStringLiteral("teil_pop_p_s"), QStringLiteral("auf&steigend"));
    p.teil_pop_p_f = neueAktion(sort, QStringLiteral("teil_pop_p_f"), QStringLiteral("ab&fallend"));

    QMenu *ag = p.ag_pop = menu(QStringLiteral("ag_pop"));
    p.ag_pop_h = neueAktion(ag, QStringLiteral("ag_pop_h"), QStringLiteral("Altersgruppe &hinzufügen"));
    p.ag_pop_b = neueAktion(ag, QStringLiteral("ag_pop_b"), QStringLiteral("Altergruppe &bearbeiten"));
    trenner(ag, QStringLiteral("ag_pop_1"));
    p.ag_pop_l = neueAktion(ag, QStringLiteral("ag_pop_l"), QStringLiteral("Altersgruppe &löschen"));

    QMenu *cv = p.cv_pop = menu(QStringLiteral("cv_pop"));
    p.cv_pop_h = neueAktion(cv, QStringLiteral("cv_pop_h"), QStringLiteral("Cup-Variation &hinzufügen"));
    p.cv_pop_b = neueAktion(cv, QStringLiteral("cv_pop_b"), QStringLiteral("Cup-Variation &bearbeiten"));
    trenner(cv, QStringLiteral("cv_pop_1"));
    p.cv_pop_l = neueAktion(cv, QStringLiteral("cv_pop_l"), QStringLiteral("Cup-Variation &löschen"));

    QMenu *pv = p.pv_pop = menu(QStringLiteral("pv_pop"));
    p.pv_pop_h = neueAktion(pv, QStringLiteral("pv_pop_h"), QStringLiteral("Punktezahl &hinzufügen"));
    trenner(pv, QStringLiteral("pv_pop_1"));
    p.pv_pop_l = neueAktion(pv, QStringLiteral("pv_pop_l"), QStringLiteral("Punktezahl &löschen"));

    connect(laufe, &QMenu::aboutToShow, this, &MainUnit::laufe_popPopup);
    connect(teil, &QMenu::aboutToShow, this, &MainUnit::teil_popPopup);
    connect(ag, &QMenu::aboutToShow, this, &MainUnit::ag_popPopup);
    connect(cv, &QMenu::aboutToShow, this, &MainUnit::cv_popPopup);
    connect(pv, &QMenu::aboutToShow, this, &MainUnit::pv_popPopup);
    menueAnbinden(m_laufeG, laufe);
    menueAnbinden(m_teilG, teil);
    menueAnbinden(m_agG, ag);
    menueAnbinden(m_cvG, cv);
    menueAnbinden(m_pvG, pv);

    connect(p.teil_pop_p_s, &QAction::triggered, this, &MainUnit::teil_pop_p_sClick);
    connect(p.teil_pop_p_f, &QAction::triggered, this, &MainUnit::teil_pop_p_fClick);
    connect(p.cv_pop_h, &QAction::triggered, this, &MainUnit::cv_pop_hClick);
    connect(p.cv_pop_b, &QAction::triggered, this, &MainUnit::cv_pop_bClick);
    connect(p.cv_pop_l, &QAction::triggered, this, &MainUnit::cv_pop_lClick);
    connect(p.ag_pop_h, &QAction::triggered, this, &MainUnit::ag_pop_hClick);
    connect(p.ag_pop_b, &QAction::triggered, this, &MainUnit::ag_pop_bClick);
    connect(p.ag_pop_l, &QAction::triggered, this, &MainUnit::ag_pop_lClick);
    connect(p.pv_pop_h, &QAction::triggered, this, &MainUnit::pv_pop_hClick);
    connect(p.pv_pop_l, &QAction::triggered, this, &MainUnit::pv_pop_lClick);
}

void MainUnit::menueAnbinden(Gitter *g, QMenu *menu)
{
    // The cell under the pointer is already current when the grid reports the release.
    connect(g, &Gitter::losgelassen, this, [menu](Qt::MouseButton knopf, const QPoint &global) {
        if (knopf == Qt::RightButton)
            menu->popup(global);
    });
    connect(g, &Gitter::kontextmenuTaste, this, [menu](const QPoint &global) { menu->popup(global); });
    // Whatever a menu command did to the cup, the grids show it afterwards.
    connect(menu, &QMenu::triggered, this, [this] { aktualisieren(); });
}

// ---------------------------------------------------------------- enable rules

void MainUnit::laufe_popPopup()
{
    Menuepunkte &p = m_punkte;
    berichtsmenuesFreigeben(*this, p.laufeBerichte);
    const int c = m_laufeG->aktSpalte();
    if (c == 0) {
        for (QAction *a : {p.laufe_pop_b, p.laufe_pop_l, p.laufe_pop_e})
            a->setEnabled(false);
        // No race, so no certificate of "this race" either.
        for (QAction *a : {p.laufe_pop_u, p.laufe_pop_u_g, p.laufe_pop_u_u})
            a->setEnabled(false);
        return;
    }
    p.laufe_pop_b->setEnabled(true);
    p.laufe_pop_l->setEnabled(true);
    const bool teilnehmer = m_cup.teil.rowCount() > 1;
    p.laufe_pop_e->setEnabled(teilnehmer);
    p.laufe_pop_u->setEnabled(true);
    // The overall certificates need participants and count every race: offered on the last race only.
    const bool letzter = teilnehmer && c == m_cup.laufe.colCount() - 1;
    p.laufe_pop_u_g->setEnabled(letzter);
    p.laufe_pop_u_u->setEnabled(letzter);
}

void MainUnit::teil_popPopup()
{
    Menuepunkte &p = m_punkte;
    berichtsmenuesFreigeben(*this, p.teilBerichte);
    const bool zeile = m_teilG->aktZeile() != 0;
    p.teil_pop_b->setEnabled(zeile);
    p.teil_pop_l->setEnabled(zeile);
    p.teil_pop_e->setEnabled(Cup::laufDerSpalte(m_teilG->aktSpalte()) >= 1 && m_cup.teil.rowCount() > 1);
}

void MainUnit::ag_popPopup()
{
    const bool zeile = m_agG->aktZeile() >= 1;
    m_punkte.ag_pop_b->setEnabled(zeile);
    m_punkte.ag_pop_l->setEnabled(zeile);
    m_punkte.ag_pop_h->setEnabled(m_cup.ag.rowCount() <= 24);
}

void MainUnit::cv_popPopup()
{
    const bool zeile = m_cvG->aktZeile() != 0;
    m_punkte.cv_pop_b->setEnabled(zeile);
    m_punkte.cv_pop_l->setEnabled(zeile);
}

void MainUnit::pv_popPopup()
{
    m_punkte.pv_pop_l->setEnabled(m_pvG->aktZeile() != 0);
}

// ---------------------------------------------------------------- selection

int MainUnit::gewaehlterLauf() const
{
    return m_laufeG->aktSpalte();
}

int MainUnit::gewaehlterLaufTeil() const
{
    return Cup::laufDerSpalte(m_teilG->aktSpalte());
}

int MainUnit::gewaehlteZeile() const
{
    return m_teilG->aktZeile();
}

int MainUnit::gewaehlteCvZeile() const
{
    return m_cvG->aktZeile();
}

int MainUnit::gewaehlteAgZeile() const
{
    return m_agG->aktZeile();
}

int MainUnit::gewaehltePvZeile() const
{
    return m_pvG->aktZeile();
}

// ---------------------------------------------------------------- state shown

QString MainUnit::statusText(int panel) const
{
    return panel == 0 ? m_status0->text() : m_status1->text();
}

void MainUnit::statusAnzeigen()
{
    if (!m_status0)
        return;
    m_status0->setText(m_cup.statusDatei());
    m_status1->setText(m_cup.statusAenderung());
}

void MainUnit::felderAnzeigen()
{
    if (!m_name)
        return;
    m_sperre = true;
    if (m_name->text() != m_cup.name)
        m_name->setText(m_cup.name);
    if (m_veranstalter->text() != m_cup.veranstalter)
        m_veranstalter->setText(m_cup.veranstalter);
    const int k = m_cup.kategorie >= 0 && m_cup.kategorie < m_kategorie->count() ? m_cup.kategorie : -1;
    if (m_kategorie->currentIndex() != k)
        m_kategorie->setCurrentIndex(k);
    {
        const QSignalBlocker b1(m_minW);
        const QSignalBlocker b2(m_maxW);
        if (m_minW->value() != m_cup.min)
            m_minW->setValue(m_cup.min);
        if (m_maxW->value() != m_cup.max)
            m_maxW->setValue(m_cup.max);
    }
    m_sperre = false;
}

void MainUnit::aktualisieren()
{
    if (!m_teilG)
        return;
    for (Gitter *g : {m_cvG, m_agG, m_pvG, m_laufeG, m_teilG})
        g->aktualisieren();
    teilBreitenAnpassen(false);
    felderAnzeigen();
    statusAnzeigen();
}

void MainUnit::teilBreitenAnpassen(bool immer)
{
    // The age group and cup variation columns of the participants are as wide as their longest
    // label, so "Jedermannlauf" is not cut to "Jederma...". Only when the labels change: a column the
    // user narrowed stays narrow otherwise.
    QStringList ag;
    for (int r = 1; r < m_cup.ag.rowCount(); ++r)
        ag << m_cup.ag.cell(Agspalte::Weiblich, r) << m_cup.ag.cell(Agspalte::Maennlich, r);
    QStringList cv;
    for (int r = 1; r < m_cup.cv.rowCount(); ++r)
        cv << m_cup.cv.cell(Cvspalte::Name, r);
    if (immer || ag != m_agNamen)
        m_teilG->passendeBreite(Teilspalte::Altersgruppe, ag);
    if (immer || cv != m_cvNamen)
        m_teilG->passendeBreite(Teilspalte::Cupvariation, cv);
    m_agNamen = ag;
    m_cvNamen = cv;
}

Gitter *MainUnit::gitter(Tabellenteil t) const
{
    switch (t) {
    case Tabellenteil::Cv:
        return m_cvG;
    case Tabellenteil::Ag:
        return m_agG;
    case Tabellenteil::Pv:
        return m_pvG;
    case Tabellenteil::Laufe:
        return m_laufeG;
    case Tabellenteil::Teil:
        break;
    }
    return m_teilG;
}

void MainUnit::einstellungAendern(const QString &text, int schluessel, const std::function<void(Cup &)> &befehl)
{
    if (m_sperre)
        return;
    m_dok.ausfuehren(text, befehl, CupDokument::Art::Inhalt, schluessel);
}

void MainUnit::neuAnzeigen()
{
    if (m_bearbeitung)
        m_bearbeitung->leeren();
    for (Gitter *g : {m_cvG, m_agG, m_pvG, m_laufeG, m_teilG})
        g->zuruecksetzen();
    teilBreitenAnpassen(true);
    felderAnzeigen();
    statusAnzeigen();
}

void MainUnit::zeigeAusgabe()
{
    m_ausgabeAnsicht->aktualisieren();
    m_seiten->setCurrentWidget(m_ausgabeSeite);
}

void MainUnit::dialogeSchliessen()
{
    // Edit dialogs refer to rows of the cup that is being replaced.
    if (m_beaCup)
        m_beaCup->hide();
    if (m_beaAg)
        m_beaAg->hide();
    eingabeSchliessen(*this);
}

// ---------------------------------------------------------------- file commands

void MainUnit::neu()
{
    m_seiten->setTabVisible(m_seiten->indexOf(m_bilder), false);
    m_ausgabe.clear();
    dialogeSchliessen();
    m_cup.neu();
    m_dok.ersetztMelden();
    m_ausgabeAnsicht->aktualisieren();
}

QString MainUnit::startordner() const
{
    return m_cup.dateiname.isEmpty() ? QString() : QFileInfo(m_cup.dateiname).absolutePath();
}

bool MainUnit::ladeDatei(const QString &pfad)
{
    QString text;
    QString hinweis;
    // Reading reports every failure of the file as a message; it throws nothing.
    if (!ladenDatei(m_cup, pfad, &text, &hinweis)) {
        fehler(this, text.isEmpty() ? QStringLiteral("Die Datei %1 konnte nicht gelesen werden.").arg(pfad) : text);
        aktualisieren();
        return false;
    }
    // Minimum and maximum stay as the file has them: the cup is shown as stored, and only the
    // user's own change of a spinner brings them back within the number of races.
    dialogeSchliessen();
    m_dok.ersetztMelden();
    if (!hinweis.isEmpty())
        warnung(this, hinweis);
    return true;
}

bool MainUnit::speichereDatei(const QString &pfad)
{
    const QString zeichen = nichtDarstellbareZeichen(m_cup);
    if (!zeichen.isEmpty()
        && !frage(this, QStringLiteral("Der Cup enthält Zeichen, die eine Cup-Datei nicht speichern kann: %1\r\n"
                                       "Sie gehen beim Speichern verloren.\r\n"
                                       "Wollen Sie trotzdem speichern?")
                            .arg(zeichen)))
        return false;
    QString text;
    QString nurOhneSicherung;
    if (!speichernDatei(m_cup, pfad, &text, &nurOhneSicherung)) {
        fehler(this, text.isEmpty() ? QStringLiteral("Die Datei %1 konnte nicht geschrieben werden.").arg(pfad) : text);
        aktualisieren();
        return false;
    }
    // Saving sorted the participants by surname.
    aktualisieren();
    m_bearbeitung->gespeichert();
    m_dok.setDateiname(QFileInfo(pfad).absoluteFilePath());
    m_dok.setGeaendert(false);
    if (!nurOhneSicherung.isEmpty())
        warnung(this, nurOhneSicherung);
    return true;
}

void MainUnit::m_d_nClick()
{
    if (m_cup.geaendert && !frage(this, kFrageNeu, Antwort::Nein))
        return;
    neu();
}

void MainUnit::m_d_lClick()
{
    if (m_cup.geaendert && !frage(this, kFrageLaden, Antwort::Nein))
        return;
    const QString pfad = dateiOeffnen(this, cupDatei(QStringLiteral("Läufercup-Daten laden"), startordner()));
    if (pfad.isEmpty())
        return;
    ladeDatei(pfad);
}

void MainUnit::m_d_sClick()
{
    QString pfad = m_cup.dateiname;
    if (pfad.isEmpty()) {
        pfad = dateiSpeichern(this, cupDatei(QStringLiteral("Läufercup-Daten speichern unter"), startordner()));
        if (pfad.isEmpty())
            return;
    }
    speichereDatei(pfad);
}

void MainUnit::m_d_uClick()
{
    const QString pfad = dateiSpeichern(
        this, cupDatei(QStringLiteral("Läufercup-Daten speichern unter"),
                       m_cup.dateiname.isEmpty() ? QString() : m_cup.dateiname));
    if (pfad.isEmpty())
        return;
    speichereDatei(pfad);
}

void MainUnit::m_d_xClick()
{
    close();
}

void MainUnit::closeEvent(QCloseEvent *e)
{
    if (m_cup.geaendert && !frage(this, kFrageBeenden, Antwort::Nein)) {
        e->ignore();
        return;
    }
    e->accept();
}

void MainUnit::m_e_dClick()
{
    druckerEinrichten(this, &m_drucker);
}

void MainUnit::m_h_bClick()
{
    m_uber->zeigen();
}

// ---------------------------------------------------------------- sorting by column

void MainUnit::sortieren(Richtung richtung)
{
    const int c = m_teilG->aktSpalte();
    const QString text = QStringLiteral("Sortieren nach %1 (%2)")
                             .arg(m_cup.teil.cell(c, kKopfzeile), richtung == Richtung::Aufsteigend ? QStringLiteral("aufsteigend")
                                                                      : QStringLiteral("absteigend"));
    try {
        // Sorting by surname first keeps equal values of column c in surname order (the sort is stable).
        m_dok.ausfuehren(
            text,
            [&](Cup &cup) {
                teilsort(cup, richtung, Teilspalte::Name);
                if (c != Teilspalte::Name)
                    teilsort(cup, richtung, c);
            },
            CupDokument::Art::Ordnung);
    } catch (const Konvertierungsfehler &f) {
        fehler(this, f.text());
    }
}

void MainUnit::teil_pop_p_sClick()
{
    sortieren(Richtung::Aufsteigend);
}

void MainUnit::teil_pop_p_fClick()
{
    sortieren(Richtung::Absteigend);
}

// ---------------------------------------------------------------- cup variations, age groups, points

void MainUnit::cv_pop_hClick()
{
    m_beaCup->hinzufuegenOeffnen();
}

void MainUnit::cv_pop_bClick()
{
    const int r = m_cvG->aktZeile();
    if (r >= 1 && r < m_cup.cv.rowCount())
        m_beaCup->bearbeitenOeffnen(r);
}

void MainUnit::loeschenNachFrage(const QString &verweigert, const QString &frageText, const QString &schritt,
                                 const std::function<void(Cup &)> &befehl)
{
    if (!verweigert.isEmpty()) {
        warnung(this, verweigert);
        return;
    }
    if (!frage(this, frageText))
        return;
    try {
        m_dok.ausfuehren(schritt, befehl);
    } catch (const Konvertierungsfehler &f) {
        // Re-sorting the points reads them as numbers.
        fehler(this, f.text());
    }
}

void MainUnit::cv_pop_lClick()
{
    const int r = m_cvG->aktZeile();
    if (r >= 1 && r < m_cup.cv.rowCount())
        loeschenNachFrage(cvLoeschenVerweigert(m_cup, r), cvLoeschenFrage(m_cup, r),
                          QStringLiteral("Cup-Variation %1 löschen").arg(m_cup.cv.cell(Cvspalte::Name, r)),
                          [r](Cup &c) { cvLoeschen(c, r); });
}

void MainUnit::ag_pop_hClick()
{
    m_beaAg->hinzufuegenOeffnen();
}

void MainUnit::ag_pop_bClick()
{
    const int r = m_agG->aktZeile();
    if (r >= 1 && r < m_cup.ag.rowCount())
        m_beaAg->bearbeitenOeffnen(r);
}

void MainUnit::ag_pop_lClick()
{
    const int r = m_agG->aktZeile();
    if (r >= 1 && r < m_cup.ag.rowCount())
        loeschenNachFrage(agLoeschenVerweigert(m_cup, r), agLoeschenFrage(),
                          QStringLiteral("Altersgruppe %1/%2 löschen")
                              .arg(m_cup.ag.cell(Agspalte::Weiblich, r), m_cup.ag.cell(Agspalte::Maennlich, r)),
                          [r](Cup &c) { agLoeschen(c, r); });
}

void MainUnit::pv_pop_hClick()
{
    m_beaPv->zeigen();
}

void MainUnit::pv_pop_lClick()
{
    const int r = m_pvG->aktZeile();
    if (r >= 1 && r < m_cup.pv.rowCount())
        loeschenNachFrage(pvLoeschenVerweigert(m_cup, r), pvLoeschenFrage(m_cup, r),
                          QStringLiteral("Punktezahl %1 löschen").arg(m_cup.pv.cell(Pvspalte::Punkte, r)),
                          [r](Cup &c) { pvLoeschen(c, r); });
}

// ---------------------------------------------------------------- minimum and maximum

void MainUnit::minChange()
{
    const int wert = m_minW->value();
    einstellungAendern(QStringLiteral("Mindestteilnahmen"), 3, [wert](Cup &c) { minSetzen(c, wert); });
    // The spinners show what the rule left (also when nothing changed).
    felderAnzeigen();
}

void MainUnit::maxChange()
{
    const int wert = m_maxW->value();
    einstellungAendern(QStringLiteral("maximale Anzahl gewerteter Teilnahmen"), 4,
                       [wert](Cup &c) { maxSetzen(c, wert); });
    felderAnzeigen();
}

} // namespace tlt::ui
