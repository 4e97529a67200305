#include "certificates/aufzeichnung.h"

namespace tlt {

namespace {
AufzeichnendeLeinwand::Eintrag neu(AufzeichnendeLeinwand::Eintrag::Art art, const QString &text)
{
    AufzeichnendeLeinwand::Eintrag e;
    e.art = art;
    e.text = text;
    return e;
}
} // namespace

bool AufzeichnendeLeinwand::beginDokument(const QString &titel)
{
    m_seite = 1;
    ++m_dokumente;
    Eintrag e = neu(Eintrag::Beginn, titel);
    e.seite = m_seite;
    m_eintraege.append(e);
    return true;
}

void AufzeichnendeLeinwand::endDokument()
{
    Eintrag e = neu(Eintrag::Ende, {});
    e.seite = m_seite;
    m_eintraege.append(e);
}

void AufzeichnendeLeinwand::neueSeite()
{
    ++m_seite;
    Eintrag e = neu(Eintrag::Seite, {});
    e.seite = m_seite;
    m_eintraege.append(e);
}

void AufzeichnendeLeinwand::setSchrift(const QString &name, const QColor &)
{
    Eintrag e = neu(Eintrag::Schrift, name);
    e.seite = m_seite;
    m_eintraege.append(e);
}

int AufzeichnendeLeinwand::textbreite(const QString &text) const
{
    return static_cast<int>(text.size()) * m_zellhoehe / 2;
}

void AufzeichnendeLeinwand::text(int x, int y, const QString &text)
{
    Eintrag e = neu(Eintrag::Text, text);
    e.x = x;
    e.y = y;
    e.zellhoehe = m_zellhoehe;
    e.seite = m_seite;
    m_eintraege.append(e);
}

void AufzeichnendeLeinwand::bild(const QRect &ziel, Bild bild)
{
    Eintrag e = neu(Eintrag::Bildrechteck, {});
    e.rechteck = ziel;
    e.bild = bild;
    e.seite = m_seite;
    m_eintraege.append(e);
}

QList<AufzeichnendeLeinwand::Eintrag> AufzeichnendeLeinwand::texte(int seite) const
{
    QList<Eintrag> l;
    for (const auto &e : m_eintraege)
        if (e.art == Eintrag::Text && e.seite == seite)
            l.append(e);
    return l;
}

QList<AufzeichnendeLeinwand::Eintrag> AufzeichnendeLeinwand::bilder(int seite) const
{
    QList<Eintrag> l;
    for (const auto &e : m_eintraege)
        if (e.art == Eintrag::Bildrechteck && e.seite == seite)
            l.append(e);
    return l;
}

AufzeichnendeLeinwand::Eintrag AufzeichnendeLeinwand::suche(int seite, const QString &text) const
{
    for (const auto &e : m_eintraege)
        if (e.art == Eintrag::Text && e.seite == seite && e.text == text)
            return e;
    return neu(Eintrag::Ende, {});
}

void AufzeichnendeLeinwand::leeren()
{
    m_eintraege.clear();
    m_seite = 0;
    m_dokumente = 0;
}

} // namespace tlt
