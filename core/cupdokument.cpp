#include "core/cupdokument.h"

namespace tlt {

Tabelle &tabelle(Cup &cup, Tabellenteil t)
{
    switch (t) {
    case Tabellenteil::Cv:
        return cup.cv;
    case Tabellenteil::Ag:
        return cup.ag;
    case Tabellenteil::Pv:
        return cup.pv;
    case Tabellenteil::Laufe:
        return cup.laufe;
    case Tabellenteil::Teil:
        break;
    }
    return cup.teil;
}

namespace {
constexpr std::array<Tabellenteil, 5> kTeile{Tabellenteil::Cv, Tabellenteil::Ag, Tabellenteil::Pv, Tabellenteil::Laufe,
                                            Tabellenteil::Teil};
}

Einstellungen einstellungenLesen(const Cup &cup)
{
    return Einstellungen{cup.name, cup.veranstalter, cup.kategorie, cup.min, cup.max};
}

void einstellungenSchreiben(Cup &cup, const Einstellungen &e)
{
    cup.name = e.name;
    cup.veranstalter = e.veranstalter;
    cup.kategorie = e.kategorie;
    cup.min = e.min;
    cup.max = e.max;
}

bool Schritt::leer() const
{
    for (const auto &p : tabellen)
        if (!p.leer())
            return false;
    return !vorher.has_value();
}

CupDokument::CupDokument(QObject *parent) : QObject(parent), m_cup(m_eigen)
{
    qRegisterMetaType<QSharedPointer<tlt::Schritt>>();
    qRegisterMetaType<tlt::Tabellenteil>();
}

CupDokument::CupDokument(Cup &fremd, QObject *parent) : QObject(parent), m_cup(fremd)
{
    qRegisterMetaType<QSharedPointer<tlt::Schritt>>();
    qRegisterMetaType<tlt::Tabellenteil>();
}

bool CupDokument::ausfuehren(const QString &text, const std::function<void(Cup &)> &befehl, Art art, int verschmelzen)
{
    if (m_zeichnetAuf) {
        // A command started while another one runs is part of that one's step.
        befehl(m_cup);
        return true;
    }
    auto s = QSharedPointer<Schritt>::create();
    s->text = text;
    s->nurOrdnung = art == Art::Ordnung;
    s->verschmelzen = verschmelzen;
    const Einstellungen vorher = einstellungenLesen(m_cup);
    for (size_t i = 0; i < kTeile.size(); ++i)
        tabelle(m_cup, kTeile[i]).setProtokoll(&s->tabellen[i]);
    m_zeichnetAuf = true;
    auto aufzeichnungBeenden = [&] {
        m_zeichnetAuf = false;
        for (size_t i = 0; i < kTeile.size(); ++i) {
            Tabelle &t = tabelle(m_cup, kTeile[i]);
            t.setProtokoll(nullptr);
            t.protokollAbschliessen(s->tabellen[i]);
        }
        const Einstellungen nachher = einstellungenLesen(m_cup);
        if (!(nachher == vorher)) {
            s->vorher = vorher;
            s->nachher = nachher;
        }
    };
    const bool warGeaendert = m_cup.geaendert;
    try {
        befehl(m_cup);
    } catch (...) {
        // Whatever the command did before it failed is taken back: the cup stays consistent.
        aufzeichnungBeenden();
        abspielen(*s, true);
        m_cup.geaendert = warGeaendert;
        melden(*s);
        throw;
    }
    aufzeichnungBeenden();
    if (s->leer()) {
        // Core commands mark the cup changed themselves; nothing changed, so that stays as it was.
        if (m_cup.geaendert != warGeaendert)
            m_cup.edit(warGeaendert ? Cup::Stand::Geaendert : Cup::Stand::Gesichert);
        return false;
    }
    melden(*s);
    if (art == Art::Inhalt)
        setGeaendert(true);
    else if (m_cup.geaendert != warGeaendert)
        setGeaendert(warGeaendert);
    emit schrittAufgezeichnet(s);
    return true;
}

void CupDokument::abspielen(const Schritt &s, bool rueckwaerts)
{
    for (size_t i = 0; i < kTeile.size(); ++i)
        if (!s.tabellen[i].leer())
            tabelle(m_cup, kTeile[i]).abspielen(s.tabellen[i], rueckwaerts);
    if (s.vorher && s.nachher)
        einstellungenSchreiben(m_cup, rueckwaerts ? *s.vorher : *s.nachher);
}

void CupDokument::melden(const Schritt &s)
{
    for (size_t i = 0; i < kTeile.size(); ++i)
        if (!s.tabellen[i].leer())
            emit tabelleGeaendert(kTeile[i], s.tabellen[i].formGeaendert);
    if (s.vorher)
        emit einstellungenGeaendert();
}

void CupDokument::rueckgaengig(const Schritt &s)
{
    abspielen(s, true);
    melden(s);
}

void CupDokument::wiederholen(const Schritt &s)
{
    abspielen(s, false);
    melden(s);
}

void CupDokument::ersetzen(Cup &&neu)
{
    m_cup.uebernehmen(std::move(neu));
    ersetztMelden();
}

void CupDokument::ersetztMelden()
{
    emit ersetzt();
    m_cup.edit(m_cup.geaendert ? Cup::Stand::Geaendert : Cup::Stand::Gesichert);
    emit zustandGeaendert();
}

void CupDokument::setGeaendert(bool geaendert)
{
    // edit() also tells whoever hooked onto the cup (Cup::beiAenderung), e.g. an autosave.
    m_cup.edit(geaendert ? Cup::Stand::Geaendert : Cup::Stand::Gesichert);
    emit zustandGeaendert();
}

void CupDokument::setDateiname(const QString &pfad)
{
    m_cup.dateiname = pfad;
    emit zustandGeaendert();
}

} // namespace tlt
