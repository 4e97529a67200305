#include "ui/ubertlt_unit.h"

#include "core/version.h"
#include "ui/fensterhilfe.h"
#include "ui/meldung.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>
#include <QVBoxLayout>

// Resources of a static library must be registered by name, outside any namespace.
static void ressourcenLaden()
{
    Q_INIT_RESOURCE(ubertlt);
}

namespace tlt::ui {

namespace {
// A one-line web address; a click opens it in the default browser.
class Verweis : public QLabel {
public:
    Verweis(const QString &adresse, QWidget *parent) : QLabel(parent), m_adresse(adresse)
    {
        setText(QStringLiteral("<span style=\"color:#0645ad; text-decoration:underline\">%1</span>")
                    .arg(adresse.toHtmlEscaped()));
        setTextFormat(Qt::RichText);
        setCursor(Qt::DragMoveCursor);
        setToolTip(adresse);
    }

protected:
    void mouseReleaseEvent(QMouseEvent *e) override
    {
        if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
            adresseOeffnen(m_adresse);
        QLabel::mouseReleaseEvent(e);
    }

private:
    QString m_adresse;
};
} // namespace

QString UberTlt::herstellerAdresse()
{
    return kWebadresse + QStringLiteral("/projekt");
}

QString UberTlt::programmAdresse()
{
    return kWebadresse;
}

QPixmap UberTlt::bild(const QSize &groesse)
{
    ressourcenLaden();
    QSvgRenderer r(QStringLiteral(":/tlt/laeufer.svg"));
    QPixmap p(groesse);
    p.fill(Qt::transparent);
    QPainter maler(&p);
    QSize s = r.defaultSize().scaled(groesse, Qt::KeepAspectRatio);
    r.render(&maler, QRectF((groesse.width() - s.width()) / 2.0, (groesse.height() - s.height()) / 2.0, s.width(),
                            s.height()));
    return p;
}

QIcon UberTlt::programmsymbol()
{
    QIcon i;
    for (int g : {16, 32, 48, 64, 128})
        i.addPixmap(bild(QSize(g, g)));
    return i;
}

UberTlt::UberTlt(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ubertlt"));
    // The version goes into the caption once, when the box is made.
    setWindowTitle(QStringLiteral("Über TLT ") + kVersion);
    setModal(false);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto *text1 = new QLabel(this);
    text1->setObjectName(QStringLiteral("text1"));
    text1->setWordWrap(true);
    text1->setTextFormat(Qt::RichText);
    text1->setText(QStringLiteral("<b>Tempolauftabellator (TLT)</b><br>Version %1<br><br>"
                                  "Auswertung von Läufercups: Läufe, Teilnehmer, Ergebnislisten, "
                                  "Gesamtwertung, DLV-Bericht und Urkunden.<br><br>"
                                  "Entwickelt vom TLT-Projekt.<br>"
                                  "Dank an alle Vereine und Helfer, die das Programm erprobt haben.<br>"
                                  "Läuferbild: TLT-Projekt.")
                       .arg(kVersion));
    text1->setFocusPolicy(Qt::NoFocus);
    text1->setTextInteractionFlags(Qt::NoTextInteraction);

    m_label1 = new Verweis(herstellerAdresse(), this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label2 = new Verweis(programmAdresse(), this);
    m_label2->setObjectName(QStringLiteral("Label2"));

    auto *text2 = new QLabel(this);
    text2->setObjectName(QStringLiteral("text2"));
    text2->setWordWrap(true);
    text2->setText(QStringLiteral("Nutzungsbedingungen: Tempolauftabellator ist freie Software und darf von "
                                  "Vereinen und Veranstaltern kostenlos genutzt und weitergegeben werden. "
                                  "Die Nutzung erfolgt ohne Gewähr und auf eigene Verantwortung. "
                                  "Weitere Informationen und Downloads finden Sie auf der Programmseite<br>%1")
                       .arg(programmAdresse().toHtmlEscaped()));
    text2->setTextFormat(Qt::RichText);
    text2->setFocusPolicy(Qt::NoFocus);

    // A narrow text column beside the picture, so the box keeps its designed proportions.
    for (QLabel *l : {text1, text2})
        l->setFixedWidth(280);
    auto *links = new QVBoxLayout;
    links->addWidget(text1);
    links->addSpacing(4);
    links->addWidget(m_label1);
    links->addWidget(m_label2);
    links->addSpacing(4);
    links->addWidget(text2);
    links->addStretch(1);

    auto *bildLabel = new QLabel(this);
    bildLabel->setObjectName(QStringLiteral("bild"));
    bildLabel->setAlignment(Qt::AlignCenter);
    bildLabel->setPixmap(bild(QSize(232, 286)));
    bildLabel->setFixedWidth(232);

    auto *haupt = new QHBoxLayout(this);
    haupt->addLayout(links, 1);
    haupt->addWidget(bildLabel);

    setFixedSize(QSize(472, 286).expandedTo(sizeHint()));
}

void UberTlt::zeigen()
{
    nichtModalZeigen(this);
}

} // namespace tlt::ui
