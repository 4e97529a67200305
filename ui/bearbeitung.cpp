#include "ui/bearbeitung.h"

#include <QAction>
#include <QUndoCommand>
#include <QUndoStack>

namespace tlt::ui {

namespace {
// One recorded step on the stack. The document has already done it when it is pushed.
class Schrittbefehl : public QUndoCommand {
public:
    Schrittbefehl(CupDokument &dok, QSharedPointer<Schritt> s) : QUndoCommand(s->text), m_dok(dok), m_s(std::move(s)) {}

    void undo() override { m_dok.rueckgaengig(*m_s); }
    void redo() override
    {
        if (m_erst) {
            m_erst = false;
            return;
        }
        m_dok.wiederholen(*m_s);
    }
    int id() const override { return m_s->verschmelzen > 0 ? m_s->verschmelzen : -1; }
    bool mergeWith(const QUndoCommand *other) override
    {
        // Typing into a setting field: the keystrokes of one field make one step.
        const auto *o = static_cast<const Schrittbefehl *>(other);
        for (const auto &p : m_s->tabellen)
            if (!p.leer())
                return false;
        for (const auto &p : o->m_s->tabellen)
            if (!p.leer())
                return false;
        if (!m_s->nachher || !o->m_s->nachher)
            return false;
        m_s->nachher = o->m_s->nachher;
        return true;
    }
    bool nurOrdnung() const { return m_s->nurOrdnung; }

private:
    CupDokument &m_dok;
    QSharedPointer<Schritt> m_s;
    bool m_erst = true;
};
} // namespace

Bearbeitung::Bearbeitung(CupDokument &dok, QObject *parent) : QObject(parent), m_dok(dok)
{
    m_stapel = new QUndoStack(this);
    m_rueck = new QAction(this);
    m_rueck->setObjectName(QStringLiteral("m_b_r"));
    m_rueck->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    m_wieder = new QAction(this);
    m_wieder->setObjectName(QStringLiteral("m_b_w"));
    m_wieder->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    connect(m_rueck, &QAction::triggered, m_stapel, &QUndoStack::undo);
    connect(m_wieder, &QAction::triggered, m_stapel, &QUndoStack::redo);
    connect(m_stapel, &QUndoStack::indexChanged, this, [this] {
        texteSetzen();
        flagBerechnen();
    });
    connect(m_stapel, &QUndoStack::cleanChanged, this, &Bearbeitung::flagBerechnen);
    connect(&m_dok, &CupDokument::schrittAufgezeichnet, this,
            [this](QSharedPointer<Schritt> s) { m_stapel->push(new Schrittbefehl(m_dok, std::move(s))); });
    texteSetzen();
}

void Bearbeitung::texteSetzen()
{
    const QString r = m_stapel->undoText();
    const QString w = m_stapel->redoText();
    m_rueck->setText(r.isEmpty() ? QStringLiteral("&Rückgängig") : QStringLiteral("&Rückgängig: ") + r);
    m_wieder->setText(w.isEmpty() ? QStringLiteral("&Wiederherstellen") : QStringLiteral("&Wiederherstellen: ") + w);
    m_rueck->setEnabled(m_stapel->canUndo());
    m_wieder->setEnabled(m_stapel->canRedo());
}

void Bearbeitung::flagBerechnen()
{
    if (m_leert)
        return;
    const int sauber = m_stapel->cleanIndex();
    bool geaendert = sauber < 0;
    if (!geaendert) {
        // Changed when a step between the saved state and now changed the content.
        const int von = std::min(sauber, m_stapel->index());
        const int bis = std::max(sauber, m_stapel->index());
        for (int i = von; i < bis && !geaendert; ++i) {
            const auto *b = static_cast<const Schrittbefehl *>(m_stapel->command(i));
            geaendert = b && !b->nurOrdnung();
        }
    }
    if (geaendert != m_dok.geaendert())
        m_dok.setGeaendert(geaendert);
}

void Bearbeitung::leeren()
{
    m_leert = true;
    m_stapel->clear();
    m_leert = false;
    texteSetzen();
}

void Bearbeitung::gespeichert()
{
    m_stapel->setClean();
    flagBerechnen();
}

} // namespace tlt::ui
