#pragma once

#include "certificates/leinwand.h"

#include <QList>

namespace tlt {

// A canvas that only records what is drawn, for tests. A text is half a cell height wide per
// character, so layouts can be checked to the pixel without any font.
class AufzeichnendeLeinwand : public Leinwand {
public:
    struct Eintrag {
        enum Art { Beginn, Ende, Seite, Schrift, Text, Bildrechteck };
        Art art = Ende;
        QString text; // Beginn: title; Schrift: font name; Text: the text
        int x = 0;
        int y = 0;
        int zellhoehe = 0; // Text: the cell height it was drawn with
        QRect rechteck;    // Bildrechteck
        Bild bild = Bild::Laufer;
        int seite = 0; // page the entry belongs to (1-based)
    };

    AufzeichnendeLeinwand(int breite, int hoehe) : m_breite(breite), m_hoehe(hoehe) {}

    bool beginDokument(const QString &titel) override;
    void endDokument() override;
    void neueSeite() override;
    int breite() const override { return m_breite; }
    int hoehe() const override { return m_hoehe; }
    void setSchrift(const QString &name, const QColor &farbe) override;
    void setZellhoehe(int pixel) override { m_zellhoehe = pixel; }
    int zellhoehe() const override { return m_zellhoehe; }
    int textbreite(const QString &text) const override;
    void text(int x, int y, const QString &text) override;
    void bild(const QRect &ziel, Bild bild) override;

    const QList<Eintrag> &eintraege() const { return m_eintraege; }
    // Pages of the last document: 0 before beginDokument, then 1 plus every new page.
    int seiten() const { return m_seite; }
    int dokumente() const { return m_dokumente; }
    // The texts drawn on one page, in order.
    QList<Eintrag> texte(int seite) const;
    QList<Eintrag> bilder(int seite) const;
    // The first text entry on a page with exactly this text; art Ende when there is none.
    Eintrag suche(int seite, const QString &text) const;
    void leeren();

private:
    int m_breite;
    int m_hoehe;
    int m_zellhoehe = 0;
    int m_seite = 0;
    int m_dokumente = 0;
    QList<Eintrag> m_eintraege;
};

} // namespace tlt
