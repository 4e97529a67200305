#include "certificates/leinwand.h"

#include <QList>
#include <QSize>
#include <cmath>

namespace tlt {

int rundeGerade(double wert)
{
    // The default floating-point rounding mode rounds halves to even.
    return static_cast<int>(std::nearbyint(wert));
}

namespace {
struct Bilddaten {
    Bild bild;
    const char *name;
    int breite;
    int hoehe;
};

constexpr Bilddaten kBilder[] = {
    {Bild::Laufer, "bild_laufer", 215, 527},        {Bild::LauferLeer, "bild_laufer_leer", 215, 527},
    {Bild::SerieLogo, "bild_serie_logo", 686, 549}, {Bild::Sponsor1, "bild_sponsor_1", 327, 480},
    {Bild::Sponsor2, "bild_sponsor_2", 267, 98},    {Bild::Sponsor3, "bild_sponsor_3", 1136, 449},
    {Bild::Sponsor4, "bild_sponsor_4", 165, 110},   {Bild::Sponsor5, "bild_sponsor_5", 691, 116},
    {Bild::Sponsor6, "bild_sponsor_6", 929, 364},   {Bild::VereinLogo, "bild_verein_logo", 193, 220},
};

const Bilddaten &daten(Bild b)
{
    return kBilder[static_cast<int>(b)];
}
} // namespace

QString bildname(Bild bild)
{
    return QString::fromLatin1(daten(bild).name);
}

QSize bildgroesse(Bild bild)
{
    return {daten(bild).breite, daten(bild).hoehe};
}

const QList<Bild> &alleBilder()
{
    static const QList<Bild> liste = [] {
        QList<Bild> l;
        for (const auto &d : kBilder)
            l.append(d.bild);
        return l;
    }();
    return liste;
}

} // namespace tlt
