#include "ui/bea_teil_unit.h"

#include "core/cup.h"
#include "core/cupdokument.h"
#include "core/laufbefehle.h"
#include "core/pruefungen.h"
#include "core/teilnehmerbefehle.h"
#include "ui/fensterhilfe.h"
#include "ui/meldung.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHash>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace tlt::ui {

namespace {
const QString kWeiblich = QStringLiteral("weiblich");
const QString kMaennlich = QStringLiteral("männlich");
constexpr int kTypRolle = Qt::UserRole + 1;
// Column 0 of the results table: the race's identity; column 1: the entry as it was shown first,
// so that a save writes only what the user changed.
constexpr int kLaufRolle = Qt::UserRole + 2;
constexpr int kAnfangRolle = Qt::UserRole + 3;
// The items of the age-group and cup-variation lists: the row's identity (and 0/1 for the label).
constexpr int kIdRolle = Qt::UserRole + 4;
constexpr int kLabelRolle = Qt::UserRole + 5;

QString typDerZeile(const QAbstractItemModel *m, int zeile)
{
    return m->index(zeile, 0).data(kTypRolle).toString();
}

// Stores a typed result in the stored form of its race (code, time or distance).
class ErgebnisDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override
    {
        auto *e = qobject_cast<QLineEdit *>(editor);
        if (!e) {
            QStyledItemDelegate::setModelData(editor, model, index);
            return;
        }
        model->setData(index, ergebnisNormalisieren(e->text(), typDerZeile(model, index.row())), Qt::EditRole);
    }
};
} // namespace

Ergebnistabelle::Ergebnistabelle(QWidget *parent) : QTableWidget(parent)
{
    setColumnCount(2);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    setColumnWidth(0, std::max(98, fontMetrics().horizontalAdvance(QStringLiteral("10) 88.88.8888 (ZL)")) + 8));
    setColumnWidth(1, std::max(70, fontMetrics().horizontalAdvance(QStringLiteral("0:00'00,00\"")) + 12));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(false);
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                    QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    setItemDelegateForColumn(1, new ErgebnisDelegate(this));
    setToolTip(QStringLiteral("Werte a la "));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void Ergebnistabelle::checkentry()
{
    const QModelIndex i = currentIndex();
    if (!i.isValid())
        return;
    if (state() == QAbstractItemView::EditingState) {
        if (QWidget *editor = indexWidget(i)) {
            commitData(editor);
            closeEditor(editor, QAbstractItemDelegate::NoHint);
            m_erledigt = editor;
        }
    }
    if (QTableWidgetItem *it = item(i.row(), 1))
        it->setText(ergebnisNormalisieren(it->text(), typDerZeile(model(), i.row())));
}

void Ergebnistabelle::keyPressEvent(QKeyEvent *e)
{
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Validates the cell and stays in the table (no save by the dialog's default button).
        checkentry();
        e->accept();
        return;
    case Qt::Key_Up:
    case Qt::Key_Down:
        checkentry();
        break;
    default:
        break;
    }
    QTableWidget::keyPressEvent(e);
}

void Ergebnistabelle::commitData(QWidget *editor)
{
    // Enter in an open cell reaches the table after its editor, and the delegate stores and closes
    // that editor once more, queued, after checkentry already did: the view has let it go by then.
    if (editor == m_erledigt)
        return;
    QTableWidget::commitData(editor);
}

void Ergebnistabelle::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint)
{
    if (editor == m_erledigt)
        return;
    // Tab in an open cell leaves the table along the dialog's tab order, as it does from a closed cell.
    if (hint == QAbstractItemDelegate::EditNextItem || hint == QAbstractItemDelegate::EditPreviousItem) {
        QTableWidget::closeEditor(editor, QAbstractItemDelegate::NoHint);
        focusNextPrevChild(hint == QAbstractItemDelegate::EditNextItem);
        return;
    }
    QTableWidget::closeEditor(editor, hint);
}

void Ergebnistabelle::focusOutEvent(QFocusEvent *e)
{
    QTableWidget::focusOutEvent(e);
    // Leaving the table checks the cell it leaves; the focus going into the cell's own editor, to a
    // message box or to another window is no leaving.
    if (state() != QAbstractItemView::EditingState && echterWechsel(e))
        checkentry();
}

void Ergebnistabelle::focusInEvent(QFocusEvent *e)
{
    if (rowCount() > 0 && (!currentIndex().isValid() || currentIndex().column() != 1))
        setCurrentCell(std::max(0, currentRow()), 1);
    QTableWidget::focusInEvent(e);
}

BeaTeil::BeaTeil(CupDokument &dok, QWidget *parent) : QDialog(parent), m_dok(dok), m_cup(dok.cup())
{
    setObjectName(QStringLiteral("bea_teil"));
    setWindowTitle(QStringLiteral("Teilnehmer hinzufügen"));

    auto feld = [this](const char *name) {
        auto *e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(name));
        return e;
    };
    auto liste = [this](const char *name) {
        auto *c = new QComboBox(this);
        c->setObjectName(QString::fromLatin1(name));
        return c;
    };
    m_name = feld("name");
    m_vorname = feld("vorname");
    m_geb = feld("geb");
    m_geb->setText(kKeinDatum);
    m_ges = liste("ges");
    m_ges->addItems({kWeiblich, kMaennlich});
    m_vereinS = liste("vereinS");
    m_vereinS->addItem(QString());
    m_vereinS->setToolTip(QStringLiteral("Verein aus der Liste der bisherigen Vereine wählen"));
    m_verein = feld("verein");
    m_alt = liste("alt");
    m_cupW = liste("cup");
    m_sn = feld("sn");
    m_erg = new Ergebnistabelle(this);
    m_erg->setObjectName(QStringLiteral("erg"));
    m_speichern = new QPushButton(QStringLiteral("Teilnehmerdaten speichern"), this);
    m_speichern->setObjectName(QStringLiteral("speichern"));
    m_speichern->setDefault(true);

    auto *form = new QGridLayout;
    int z = 0;
    auto paar = [&](const QString &text, QWidget *w) {
        auto *l = new QLabel(text, this);
        l->setBuddy(w);
        form->addWidget(l, z, 0);
        form->addWidget(w, z++, 1);
    };
    paar(QStringLiteral("Name"), m_name);
    paar(QStringLiteral("Vorname"), m_vorname);
    paar(QStringLiteral("Geburtsdatum"), m_geb);
    paar(QStringLiteral("Geschlecht"), m_ges);
    {
        auto *l = new QLabel(QStringLiteral("Verein"), this);
        l->setBuddy(m_vereinS);
        form->addWidget(l, z, 0);
        auto *h = new QHBoxLayout;
        h->addWidget(m_vereinS, 1);
        h->addWidget(m_verein, 2);
        form->addLayout(h, z++, 1);
    }
    paar(QStringLiteral("Altersgruppe"), m_alt);
    paar(QStringLiteral("Cup"), m_cupW);
    paar(QStringLiteral("Startnummer"), m_sn);
    form->setRowStretch(z, 1);
    m_vereinS->setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('M')) * 6);
    m_verein->setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('M')) * 9);

    auto *rechts = new QVBoxLayout;
    auto *ergT = new QLabel(QStringLiteral("Laufergebnisse:"), this);
    ergT->setBuddy(m_erg);
    rechts->addWidget(ergT);
    rechts->addWidget(m_erg, 1);
    m_erg->setFixedWidth(m_erg->columnWidth(0) + m_erg->columnWidth(1) + 2 * m_erg->frameWidth() +
                         m_erg->style()->pixelMetric(QStyle::PM_ScrollBarExtent));

    auto *oben = new QHBoxLayout;
    oben->addLayout(form, 1);
    oben->addSpacing(8);
    oben->addLayout(rechts);
    auto *haupt = new QVBoxLayout(this);
    haupt->addLayout(oben, 1);
    auto *knopf = new QHBoxLayout;
    m_hinweis = hinweiszeile(this);
    knopf->addWidget(m_hinweis, 1);
    knopf->addWidget(m_speichern);
    haupt->addLayout(knopf);

    QList<QWidget *> reihe{m_name, m_vorname, m_geb, m_ges, m_vereinS,  m_verein,
                           m_alt,  m_cupW,    m_sn,  m_erg, m_speichern};
    for (int i = 0; i + 1 < reihe.size(); ++i)
        setTabOrder(reihe[i], reihe[i + 1]);

    for (QWidget *w : {static_cast<QWidget *>(m_geb), static_cast<QWidget *>(m_sn), static_cast<QWidget *>(m_alt),
                       static_cast<QWidget *>(m_vereinS)})
        w->installEventFilter(this);
    connect(m_vereinS, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i >= 0) {
            m_verein->setText(m_vereinS->itemText(i));
            m_verein->setCursorPosition(0);
        }
    });
    connect(m_speichern, &QPushButton::clicked, this, &BeaTeil::speichernClick);
    ergebnisseAufbauen({});
    mindestgroesse(this, QSize(312, 296));
    // While the dialog is open its lists and results follow what changes elsewhere.
    connect(&m_dok, &CupDokument::tabelleGeaendert, this, [this](Tabellenteil t, bool) {
        if (!isVisible())
            return;
        if (t == Tabellenteil::Ag || t == Tabellenteil::Cv)
            listenFuellen();
        else if (t == Tabellenteil::Laufe)
            ergebnisseNachfuehren();
        else if (t == Tabellenteil::Teil)
            ergebnisseAbgleichen();
    });
}

bool BeaTeil::eventFilter(QObject *o, QEvent *e)
{
    if (e->type() == QEvent::FocusIn && echterWechsel(e)) {
        if (o == m_sn)
            snEnter();
        else if (o == m_alt)
            altEnter();
        else if (o == m_vereinS)
            vereinSEnter();
    } else if (e->type() == QEvent::FocusOut && echterWechsel(e)) {
        if (o == m_geb)
            gebExit();
        else if (o == m_sn)
            snExit();
    }
    return QDialog::eventFilter(o, e);
}

int BeaTeil::eigeneZeile() const
{
    return m_bearbeiten ? m_cup.teil.rowOf(m_id) : -1;
}

void BeaTeil::gebExit()
{
    m_geb->setText(checkdate(m_geb->text()));
}

void BeaTeil::snEnter()
{
    if (!m_sn->text().isEmpty())
        return;
    m_sn->setText(findsn(m_cup.teil));
    m_sn->selectAll();
}

void BeaTeil::snExit()
{
    if (m_sn->text().isEmpty())
        return;
    m_sn->setText(checksn(m_cup.teil, m_sn->text(), eigeneZeile()));
}

void BeaTeil::altEnter()
{
    const int g = m_ges->currentIndex();
    if (g < 0)
        return;
    const QString vorschlag = checkaltgr(m_cup, m_geb->text(), g);
    if (vorschlag.isEmpty())
        return;
    const int i = m_alt->findText(vorschlag, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (i >= 0)
        m_alt->setCurrentIndex(i);
}

void BeaTeil::vereinSEnter()
{
    QStringList jetzt;
    for (int i = 0; i < m_vereinS->count(); ++i)
        jetzt << m_vereinS->itemText(i);
    const QStringList neu = vereinelesen(jetzt, m_cup.teil);
    if (neu == jetzt)
        return;
    // Refilling the list is no choice of the user: the club field keeps its text.
    const QSignalBlocker sperre(m_vereinS);
    const QString gewaehlt = m_vereinS->currentIndex() >= 0 ? m_vereinS->currentText() : QString();
    const bool hatte = m_vereinS->currentIndex() >= 0;
    m_vereinS->clear();
    m_vereinS->addItems(neu);
    m_vereinS->setCurrentIndex(hatte ? m_vereinS->findText(gewaehlt, Qt::MatchExactly | Qt::MatchCaseSensitive) : -1);
    listenbreiteAnpassen(m_vereinS);
}

void BeaTeil::listenFuellen()
{
    // A chosen age group or variation stays chosen by its identity, under its new name if renamed.
    auto gewaehlt = [](QComboBox *c) {
        return c->currentIndex() >= 0 ? std::make_pair(c->currentData(kIdRolle).toULongLong(),
                                                       c->currentData(kLabelRolle).toInt())
                                      : std::make_pair(qulonglong(0), 0);
    };
    auto waehlen = [](QComboBox *c, std::pair<qulonglong, int> w) {
        int i = -1;
        for (int k = 0; k < c->count() && w.first != 0 && i < 0; ++k)
            if (c->itemData(k, kIdRolle).toULongLong() == w.first && c->itemData(k, kLabelRolle).toInt() == w.second)
                i = k;
        c->setCurrentIndex(i);
    };
    const auto alt = gewaehlt(m_alt);
    const auto cup = gewaehlt(m_cupW);
    if (m_cup.ag.rowCount() > 1) {
        m_alt->clear();
        for (int r = 1; r < m_cup.ag.rowCount(); ++r)
            for (int l = 0; l < 2; ++l) {
                m_alt->addItem(m_cup.ag.cell(l, r));
                m_alt->setItemData(m_alt->count() - 1, qulonglong(m_cup.ag.rowId(r)), kIdRolle);
                m_alt->setItemData(m_alt->count() - 1, l, kLabelRolle);
            }
        waehlen(m_alt, alt);
    }
    m_cupW->clear();
    if (!hatCupVariationen(m_cup)) {
        m_cupW->setEnabled(false);
    } else {
        m_cupW->setEnabled(true);
        for (int r = 1; r < m_cup.cv.rowCount(); ++r) {
            m_cupW->addItem(m_cup.cv.cell(Cvspalte::Name, r));
            m_cupW->setItemData(m_cupW->count() - 1, qulonglong(m_cup.cv.rowId(r)), kIdRolle);
        }
        waehlen(m_cupW, cup);
    }
    listenbreiteAnpassen(m_alt);
    listenbreiteAnpassen(m_cupW);
}

void BeaTeil::ergebnisseAufbauen(const QStringList &werte)
{
    const int n = m_cup.anzahlLaufe();
    m_erg->setRowCount(0);
    if (n == 0) {
        m_erg->setEnabled(false);
        m_erg->setRowCount(1);
        auto *leer = new QTableWidgetItem;
        leer->setFlags(Qt::NoItemFlags);
        m_erg->setItem(0, 0, leer);
        return;
    }
    m_erg->setEnabled(true);
    m_erg->setRowCount(n);
    for (int r = 1; r <= n; ++r) {
        auto *kopf = new QTableWidgetItem(laufbezeichnung(m_cup, r));
        kopf->setFlags(Qt::ItemIsEnabled);
        kopf->setData(kTypRolle, m_cup.lauftyp(r));
        kopf->setData(kLaufRolle, qulonglong(m_cup.laufe.colId(r)));
        kopf->setBackground(palette().button());
        m_erg->setItem(r - 1, 0, kopf);
        auto *wert = new QTableWidgetItem(werte.value(r - 1));
        wert->setData(kAnfangRolle, werte.value(r - 1));
        m_erg->setItem(r - 1, 1, wert);
    }
    m_erg->setCurrentCell(0, 1);
}

void BeaTeil::ergebnisseNachfuehren()
{
    // Races were added, deleted, re-dated or re-typed: one row per race as the races are now, each
    // keeping what was typed for it; a new race shows the participant's stored entry.
    m_erg->checkentry();
    QHash<qulonglong, std::pair<QString, QString>> bisher;
    qulonglong aktuell = 0;
    if (m_erg->isEnabled())
        for (int i = 0; i < m_erg->rowCount(); ++i) {
            const QTableWidgetItem *k = m_erg->item(i, 0);
            const QTableWidgetItem *w = m_erg->item(i, 1);
            if (!k || !w)
                continue;
            bisher.insert(k->data(kLaufRolle).toULongLong(), {w->text(), w->data(kAnfangRolle).toString()});
            if (i == m_erg->currentRow())
                aktuell = k->data(kLaufRolle).toULongLong();
        }
    const int s = eigeneZeile();
    ergebnisseAufbauen({});
    if (!m_erg->isEnabled())
        return;
    for (int i = 0; i < m_erg->rowCount(); ++i) {
        const qulonglong id = m_erg->item(i, 0)->data(kLaufRolle).toULongLong();
        QTableWidgetItem *w = m_erg->item(i, 1);
        if (bisher.contains(id)) {
            w->setText(bisher[id].first);
            w->setData(kAnfangRolle, bisher[id].second);
        } else {
            const QString gespeichert = s >= 1 ? m_cup.teil.cell(Cup::ergebnisspalte(i + 1), s) : QString();
            w->setText(gespeichert);
            w->setData(kAnfangRolle, gespeichert);
        }
        if (id == aktuell)
            m_erg->setCurrentCell(i, 1);
    }
}

void BeaTeil::ergebnisseAbgleichen()
{
    // A result stored elsewhere (quick entry) shows up in a row the user has not touched.
    const int s = eigeneZeile();
    if (s < 1 || !m_erg->isEnabled())
        return;
    for (int i = 0; i < m_erg->rowCount(); ++i) {
        QTableWidgetItem *k = m_erg->item(i, 0);
        QTableWidgetItem *w = m_erg->item(i, 1);
        if (!k || !w || w->text() != w->data(kAnfangRolle).toString())
            continue;
        const int c = m_cup.laufe.colOf(k->data(kLaufRolle).toULongLong());
        if (c < 1)
            continue;
        const QString gespeichert = m_cup.teil.cell(Cup::ergebnisspalte(c), s);
        if (gespeichert != w->text() && !(m_erg->bearbeitetGerade() && m_erg->currentItem() == w)) {
            w->setText(gespeichert);
            w->setData(kAnfangRolle, gespeichert);
        }
    }
}

void BeaTeil::leeren()
{
    m_name->clear();
    m_vorname->clear();
    m_verein->clear();
    m_sn->clear();
    m_geb->setText(kKeinDatum);
    m_ges->setCurrentIndex(-1);
    {
        const QSignalBlocker sperre(m_vereinS);
        m_vereinS->setCurrentIndex(-1);
    }
    m_alt->setCurrentIndex(-1);
    m_cupW->setCurrentIndex(-1);
}

void BeaTeil::zeigen()
{
    m_hinweis->clear();
    // The clubs known so far, before the first use of the chooser, so the dialog does not grow
    // while the user works in it.
    vereinSEnter();
    nichtModalZeigen(this);
}

void BeaTeil::hinzufuegen()
{
    m_bearbeiten = false;
    m_id = 0;
    zeigen();
    leeren();
    setWindowTitle(QStringLiteral("Teilnehmer hinzufügen"));
    m_ges->setCurrentIndex(0);
    listenFuellen();
    m_alt->setCurrentIndex(-1);
    m_cupW->setCurrentIndex(-1);
    ergebnisseAufbauen({});
    m_name->setFocus(Qt::OtherFocusReason);
}

void BeaTeil::bearbeiten(int s)
{
    if (s < 1 || s >= m_cup.teil.rowCount())
        return;
    m_bearbeiten = true;
    m_id = m_cup.teil.rowId(s);
    zeigen();
    setWindowTitle(QStringLiteral("Teilnehmer bearbeiten"));
    listenFuellen();
    const Teilnehmerdaten d = teilnehmerLesen(m_cup, s);
    ergebnisseAufbauen(d.ergebnisse);
    m_name->setText(d.name);
    m_vorname->setText(d.vorname);
    m_geb->setText(d.geb);
    m_verein->setText(d.verein);
    m_sn->setText(d.sn);
    // Long names and clubs are shown from their beginning.
    for (QLineEdit *e : {m_name, m_vorname, m_verein})
        e->setCursorPosition(0);
    auto waehlen = [](QComboBox *c, const QString &text) {
        c->setCurrentIndex(c->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
    };
    waehlen(m_ges, d.ges);
    waehlen(m_alt, d.alt);
    waehlen(m_cupW, d.cup);
    {
        const QSignalBlocker sperre(m_vereinS);
        m_vereinS->setCurrentIndex(-1);
    }
    m_name->setFocus(Qt::OtherFocusReason);
}

void BeaTeil::speichernClick()
{
    m_erg->checkentry();
    int s = -1;
    if (m_bearbeiten) {
        s = eigeneZeile();
        if (s < 0) {
            warnung(this, QStringLiteral("Der Teilnehmer, der bearbeitet werden sollte, ist nicht mehr vorhanden."));
            hide();
            return;
        }
    }
    // A save by Enter leaves no field: check the birth date and the start number as leaving would.
    gebExit();
    snExit();

    Teilnehmerdaten d;
    d.name = m_name->text();
    d.vorname = m_vorname->text();
    d.geb = m_geb->text();
    d.ges = m_ges->currentIndex() >= 0 ? m_ges->currentText() : QString();
    d.verein = m_verein->text();
    d.alt = m_alt->currentIndex() >= 0 ? m_alt->currentText() : QString();
    d.sn = m_sn->text();
    d.cup = m_cupW->currentIndex() >= 0 ? m_cupW->currentText() : QString();
    switch (teilnehmerFehlendeSpalte(m_cup, d)) {
    case Teilspalte::Name:
        fehlendesFeld(m_hinweis, m_name, QStringLiteral("Name"));
        return;
    case Teilspalte::Vorname:
        fehlendesFeld(m_hinweis, m_vorname, QStringLiteral("Vorname"));
        return;
    case Teilspalte::Geburtsdatum:
        fehlendesFeld(m_hinweis, m_geb, QStringLiteral("Geburtsdatum"));
        return;
    case Teilspalte::Geschlecht:
        fehlendesFeld(m_hinweis, m_ges, QStringLiteral("Geschlecht"));
        return;
    case Teilspalte::Verein:
        fehlendesFeld(m_hinweis, m_verein, QStringLiteral("Verein"));
        return;
    case Teilspalte::Altersgruppe:
        fehlendesFeld(m_hinweis, m_alt, QStringLiteral("Altersgruppe"));
        return;
    case Teilspalte::Startnummer:
        fehlendesFeld(m_hinweis, m_sn, QStringLiteral("Startnummer"));
        return;
    case Teilspalte::Cupvariation:
        fehlendesFeld(m_hinweis, m_cupW, QStringLiteral("Cup"));
        return;
    default:
        break;
    }

    // Only the entries the user changed are written; every other result stays as stored now (the
    // quick entry may have stored one meanwhile). Each entry goes to its race wherever it moved.
    const int n = m_cup.anzahlLaufe();
    for (int r = 1; r <= n; ++r)
        d.ergebnisse << (s >= 1 ? m_cup.teil.cell(Cup::ergebnisspalte(r), s) : QString());
    if (m_erg->isEnabled())
        for (int i = 0; i < m_erg->rowCount(); ++i) {
            const QTableWidgetItem *k = m_erg->item(i, 0);
            const QTableWidgetItem *w = m_erg->item(i, 1);
            if (!k || !w || w->text() == w->data(kAnfangRolle).toString())
                continue;
            const int c = m_cup.laufe.colOf(k->data(kLaufRolle).toULongLong());
            if (c >= 1)
                d.ergebnisse[c - 1] = w->text();
        }

    const QString text = QStringLiteral("Teilnehmer %1, %2 %3")
                             .arg(d.name, d.vorname,
                                  m_bearbeiten ? QStringLiteral("bearbeiten") : QStringLiteral("hinzufügen"));
    int zeile = -1;
    m_dok.ausfuehren(text, [&](Cup &cup) {
        zeile = m_bearbeiten ? teilnehmerAendern(cup, s, d) : teilnehmerHinzufuegen(cup, d);
    });
    leeren();
    m_hinweis->clear();
    ergebnisseAufbauen({});
    m_name->setFocus(Qt::OtherFocusReason);
    if (m_bearbeiten)
        hide();
    if (nachAenderung)
        nachAenderung(zeile);
}

bool teilnehmerLoeschenFragen(QWidget *parent, CupDokument &dok, int s)
{
    const Cup &cup = dok.cup();
    if (s < 1 || s >= cup.teil.rowCount())
        return false;
    if (!frage(parent, teilnehmerLoeschenFrage(cup, s)))
        return false;
    dok.ausfuehren(QStringLiteral("Teilnehmer %1, %2 löschen").arg(cup.teil.cell(Teilspalte::Name, s), cup.teil.cell(Teilspalte::Vorname, s)),
                   [s](Cup &c) { teilnehmerLoeschen(c, s); });
    return true;
}

} // namespace tlt::ui
