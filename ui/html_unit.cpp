#include "ui/html_unit.h"

#include "core/cup.h"
#include "ui/fensterhilfe.h"
#include "ui/meldung.h"

#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSvgRenderer>
#include <QVBoxLayout>

// Resources of a static library must be registered by name, outside any namespace.
static void htmlRessourcenLaden()
{
    Q_INIT_RESOURCE(html_unit);
}

namespace tlt::ui {

QString HtmlUnit::validatorAdresse()
{
    return QStringLiteral("https://validator.w3.org/");
}

QPixmap HtmlUnit::badge(qreal pixelverhaeltnis)
{
    htmlRessourcenLaden();
    QSvgRenderer r(QStringLiteral(":/tlt/validhtml.svg"));
    const QSize groesse(88, 31);
    QPixmap p(groesse * pixelverhaeltnis);
    p.fill(Qt::transparent);
    QPainter maler(&p);
    maler.setRenderHint(QPainter::Antialiasing);
    r.render(&maler, QRectF(QPointF(0, 0), QSizeF(p.size())));
    maler.end();
    p.setDevicePixelRatio(pixelverhaeltnis);
    return p;
}

HtmlUnit::HtmlUnit(Cup &cup, QWidget *parent) : QDialog(parent), m_cup(cup)
{
    setObjectName(QStringLiteral("html"));
    setWindowTitle(QStringLiteral("HTML-Einstellungen"));
    setModal(false);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint, true);

    auto *frage = new QLabel(QStringLiteral("Wählen Sie einen Stil für die exportierten HTML-Dateien aus:"), this);
    frage->setObjectName(QStringLiteral("Label1"));

    m_stil = new QComboBox(this);
    m_stil->setObjectName(QStringLiteral("stil"));
    m_stil->addItems({QStringLiteral("Standard TLT Stil"), QStringLiteral("weiss-blauer Hintergrund")});
    frage->setBuddy(m_stil);
    // The choice counts at once; there is nothing to confirm.
    connect(m_stil, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i >= 0)
            m_cup.htmlstil = i;
    });

    m_validrahmen = new QFrame(this);
    m_validrahmen->setObjectName(QStringLiteral("validrahmen"));
    m_validrahmen->setFrameShape(QFrame::StyledPanel);
    m_validrahmen->setFrameShadow(QFrame::Sunken);
    m_validhtml = new QLabel(m_validrahmen);
    m_validhtml->setObjectName(QStringLiteral("validhtml"));
    m_validhtml->setPixmap(badge(devicePixelRatioF()));
    m_validhtml->setCursor(Qt::PointingHandCursor);
    m_validhtml->setToolTip(validatorAdresse());
    m_validhtml->installEventFilter(this);
    auto *rahmenLayout = new QHBoxLayout(m_validrahmen);
    rahmenLayout->setContentsMargins(6, 6, 6, 6);
    rahmenLayout->addWidget(m_validhtml);

    auto *text1 = new QLabel(QStringLiteral("Tempolauftabellator erzeugt validierte HTML-Dateien."), this);
    text1->setObjectName(QStringLiteral("Label2"));
    auto *text2 = new QLabel(this);
    text2->setObjectName(QStringLiteral("Label3"));
    text2->setTextFormat(Qt::RichText);
    text2->setText(
        QStringLiteral("Mehr Informationen erhalten Sie unter: <a href=\"%1\">%1</a>").arg(validatorAdresse()));
    text2->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    connect(text2, &QLabel::linkActivated, this, [](const QString &adresse) { adresseOeffnen(adresse); });

    auto *texte = new QVBoxLayout;
    texte->addStretch(1);
    texte->addWidget(text1);
    texte->addWidget(text2);
    texte->addStretch(1);

    auto *unten = new QHBoxLayout;
    unten->addWidget(m_validrahmen);
    unten->addSpacing(8);
    unten->addLayout(texte, 1);

    auto *schliessen = new QPushButton(QStringLiteral("Schließen"), this);
    schliessen->setObjectName(QStringLiteral("schliessen"));
    schliessen->setDefault(true);
    connect(schliessen, &QPushButton::clicked, this, &QDialog::close);
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(schliessen);

    auto *haupt = new QVBoxLayout(this);
    haupt->addWidget(frage);
    haupt->addWidget(m_stil);
    haupt->addSpacing(10);
    haupt->addLayout(unten);
    haupt->addSpacing(6);
    haupt->addLayout(knoepfe);
    // A fixed dialog border: the size follows the contents and cannot be changed.
    haupt->setSizeConstraint(QLayout::SetFixedSize);

    stilAnzeigen();
}

void HtmlUnit::stilAnzeigen()
{
    const QSignalBlocker sperre(m_stil);
    m_stil->setCurrentIndex(m_cup.htmlstil >= 0 && m_cup.htmlstil < m_stil->count() ? m_cup.htmlstil : 0);
}

void HtmlUnit::zeigen()
{
    stilAnzeigen();
    nichtModalZeigen(this);
}

void HtmlUnit::showEvent(QShowEvent *e)
{
    stilAnzeigen();
    QDialog::showEvent(e);
}

bool HtmlUnit::eventFilter(QObject *o, QEvent *e)
{
    if (o == m_validhtml && e->type() == QEvent::MouseButtonRelease) {
        auto *m = static_cast<QMouseEvent *>(e);
        if (m->button() == Qt::LeftButton && m_validhtml->rect().contains(m->position().toPoint())) {
            adresseOeffnen(validatorAdresse());
            return true;
        }
    }
    return QDialog::eventFilter(o, e);
}

} // namespace tlt::ui
