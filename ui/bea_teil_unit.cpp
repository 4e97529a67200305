#include "ui/bea_teil_unit.h"

#include "core/cup.h"
#include "core/laufbefehle.h"
#include "core/pruefungen.h"
#include "core/teilnehmerbefehle.h"
#include "ui/meldung.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
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

bool echterWechsel(QEvent *e)
{
    const auto grund = static_cast<QFocusEvent *>(e)->reason();
    return grund != Qt::ActiveWindowFocusReason && grund != Qt::PopupFocusReason;
}

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

void Ergebnistabelle::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint)
{
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

BeaTeil::BeaTeil(Cup &cup, QWidget *parent) : QDialog(parent), m_cup(cup)
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
    knopf->addStretch(1);
    knopf->addWidget(m_speichern);
    haupt->addLayout(knopf);
    haupt->setSizeConstraint(QLayout::SetFixedSize);

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
    return m_bearbeiten ? teilnehmerFinden(m_cup, m_kennung, m_zeile) : -1;
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
    // The chooser is narrow beside the club field; its list opens wide enough for the longest club.
    int breite = 0;
    for (const QString &v : neu)
        breite = std::max(breite, m_vereinS->view()->fontMetrics().horizontalAdvance(v));
    m_vereinS->view()->setMinimumWidth(breite + 2 * m_vereinS->view()->frameWidth() +
                                       m_vereinS->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 12);
}

void BeaTeil::listenFuellen()
{
    if (m_cup.ag.rowCount() > 1) {
        m_alt->clear();
        for (int r = 1; r < m_cup.ag.rowCount(); ++r)
            m_alt->addItems({m_cup.ag.cell(Agspalte::Weiblich, r), m_cup.ag.cell(Agspalte::Maennlich, r)});
    }
    m_cupW->clear();
    if (!hatCupVariationen(m_cup)) {
        m_cupW->setEnabled(false);
    } else {
        m_cupW->setEnabled(true);
        for (int r = 1; r < m_cup.cv.rowCount(); ++r)
            m_cupW->addItem(m_cup.cv.cell(Cvspalte::Name, r));
    }
}

void BeaTeil::ergebnisseAufbauen(const QStringList &werte)
{
    const int n = m_cup.anzahlLaufe();
    m_laufkennungen.clear();
    m_laufform = m_cup.laufe.shapeRevision();
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
        m_laufkennungen << laufkennung(m_cup, r);
        auto *kopf = new QTableWidgetItem(laufbezeichnung(m_cup, r));
        kopf->setFlags(Qt::ItemIsEnabled);
        kopf->setData(kTypRolle, m_cup.lauftyp(r));
        kopf->setBackground(palette().button());
        m_erg->setItem(r - 1, 0, kopf);
        m_erg->setItem(r - 1, 1, new QTableWidgetItem(werte.value(r - 1)));
    }
    m_erg->setCurrentCell(0, 1);
}

void BeaTeil::laufBearbeitet(const QStringList &bisher, int c)
{
    if (!m_erg->isEnabled() || c < 1 || c > m_cup.anzahlLaufe())
        return;
    const int i = m_laufkennungen.indexOf(bisher);
    if (i < 0)
        return;
    m_laufkennungen[i] = laufkennung(m_cup, c);
    // The row shows the race as it is now; an entry is checked by the race's type from here on.
    if (QTableWidgetItem *kopf = m_erg->item(i, 0)) {
        kopf->setText(laufbezeichnung(m_cup, c));
        kopf->setData(kTypRolle, m_cup.lauftyp(c));
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
    show();
    raise();
    activateWindow();
}

void BeaTeil::hinzufuegen()
{
    m_bearbeiten = false;
    m_zeile = -1;
    m_kennung.clear();
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
    m_zeile = s;
    m_kennung = teilnehmerkennung(m_cup, s);
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
    if (!teilnehmerVollstaendig(m_cup, d))
        return;

    // The table lists the races as they were at opening; move each entry to its race as it is now.
    QStringList eingaben;
    if (m_erg->isEnabled())
        for (int i = 0; i < m_erg->rowCount(); ++i)
            eingaben << (m_erg->item(i, 1) ? m_erg->item(i, 1)->text() : QString());
    const QStringList bisher = m_bearbeiten ? teilnehmerLesen(m_cup, s).ergebnisse : QStringList();
    d.ergebnisse =
        ergebnisseZuordnen(m_cup, m_laufkennungen, eingaben, bisher, m_cup.laufe.shapeRevision() == m_laufform);

    const int zeile = m_bearbeiten ? teilnehmerAendern(m_cup, s, d) : teilnehmerHinzufuegen(m_cup, d);
    leeren();
    ergebnisseAufbauen({});
    m_name->setFocus(Qt::OtherFocusReason);
    if (m_bearbeiten)
        hide();
    if (nachAenderung)
        nachAenderung(zeile);
}

bool teilnehmerLoeschenFragen(QWidget *parent, Cup &cup, int s)
{
    if (s < 1 || s >= cup.teil.rowCount())
        return false;
    if (!frage(parent, teilnehmerLoeschenFrage(cup, s)))
        return false;
    teilnehmerLoeschen(cup, s);
    return true;
}

} // namespace tlt::ui
