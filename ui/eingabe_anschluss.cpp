#include "ui/eingabe_anschluss.h"

#include "ui/bea_erg_unit.h"
#include "ui/bea_lauf_unit.h"
#include "ui/bea_teil_unit.h"
#include "ui/gitter.h"
#include "ui/main_unit.h"

#include <QAction>

namespace tlt::ui {

namespace {
void anschliessen(QAction *a, QObject *ziel, std::function<void()> handler)
{
    QObject::connect(a, &QAction::triggered, ziel, std::move(handler));
}

// Shows the race or participant that a dialog just stored as the current cell of its grid.
void laufWaehlen(MainUnit &w, int c)
{
    w.aktualisieren();
    if (c > 0)
        w.laufeGitter()->setAktuelleZelle(c, w.laufeGitter()->aktZeile());
}
void zeileWaehlen(MainUnit &w, int s)
{
    w.aktualisieren();
    if (s > 0)
        w.teilGitter()->setAktuelleZelle(w.teilGitter()->aktSpalte(), s);
}
} // namespace

void eingabeAnschliessen(MainUnit &w)
{
    auto *lauf = new BeaLauf(w.dokument(), &w);
    auto *teil = new BeaTeil(w.dokument(), &w);
    auto *erg = new BeaErg(w.dokument(), &w);
    MainUnit *wp = &w;
    w.dialoge().bea_lauf = lauf;
    w.dialoge().bea_teil = teil;
    w.dialoge().bea_erg = erg;
    const Menuepunkte &p = w.punkte();

    lauf->nachAenderung = [wp](int c) { laufWaehlen(*wp, c); };
    teil->nachAenderung = [wp](int s) { zeileWaehlen(*wp, s); };
    erg->beiTreffer = [wp](int s) { wp->teilGitter()->setAktuelleZelle(wp->teilGitter()->aktSpalte(), s); };
    erg->nachAenderung = [wp](int) { wp->aktualisieren(); };

    anschliessen(p.laufe_pop_h, lauf, [lauf] { lauf->hinzufuegen(); });
    anschliessen(p.laufe_pop_b, lauf, [lauf, wp] { lauf->bearbeiten(wp->gewaehlterLauf()); });
    anschliessen(p.laufe_pop_l, lauf, [wp] {
        const int c = wp->gewaehlterLauf();
        if (laufLoeschenFragen(wp, wp->dokument(), c))
            laufWaehlen(*wp, std::min(c, wp->cup().anzahlLaufe()));
    });
    anschliessen(p.laufe_pop_e, erg, [erg, wp] { erg->oeffnen(wp->gewaehlterLauf()); });
    anschliessen(p.teil_pop_h, teil, [teil] { teil->hinzufuegen(); });
    anschliessen(p.teil_pop_b, teil, [teil, wp] { teil->bearbeiten(wp->gewaehlteZeile()); });
    anschliessen(p.teil_pop_l, teil, [wp] {
        const int s = wp->gewaehlteZeile();
        if (teilnehmerLoeschenFragen(wp, wp->dokument(), s))
            zeileWaehlen(*wp, std::min(s, wp->cup().anzahlTeilnehmer()));
    });
    anschliessen(p.teil_pop_e, erg, [erg, wp] { erg->oeffnen(wp->gewaehlterLaufTeil()); });
}

void eingabeSchliessen(MainUnit &w)
{
    for (QDialog *d : std::initializer_list<QDialog *>{bea_lauf(w), bea_teil(w), bea_erg(w)})
        if (d)
            d->hide();
}

BeaLauf *bea_lauf(MainUnit &w)
{
    return w.dialoge().bea_lauf;
}

BeaTeil *bea_teil(MainUnit &w)
{
    return w.dialoge().bea_teil;
}

BeaErg *bea_erg(MainUnit &w)
{
    return w.dialoge().bea_erg;
}

} // namespace tlt::ui
