#include "ui/autosicherung.h"

#include "core/uhr.h"
#include "ui/main_unit.h"
#include "ui/meldung.h"

#include <QDir>
#include <QLocale>
#include <QStatusBar>

namespace tlt::ui {

Autosicherung::Autosicherung(MainUnit &w, const QString &ordner)
    : QObject(&w), m_w(w), m_wh(ordner), m_sperre(ordner)
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(kVerzoegerungMs);
    connect(&m_timer, &QTimer::timeout, this, &Autosicherung::sichern);
}

Autosicherung::~Autosicherung()
{
    m_wh.entfernen();
}

void Autosicherung::geaendert()
{
    dateinameGeprueft();
    if (!m_w.cup().geaendert) {
        // Saved, or a new or loaded cup: nothing left to recover.
        m_timer.stop();
        m_wh.entfernen();
        return;
    }
    // Not restarted by further changes: during steady typing the file is still written every second.
    if (!m_timer.isActive())
        m_timer.start();
}

void Autosicherung::sichern()
{
    m_timer.stop();
    if (!m_w.cup().geaendert)
        return;
    QString fehler;
    if (!m_wh.schreiben(m_w.cup(), jetzt(), &fehler))
        m_w.statusBar()->showMessage(
            QStringLiteral("Die Wiederherstellungsdatei konnte nicht geschrieben werden: ") + fehler, 15000);
}

void Autosicherung::dateinameGeprueft()
{
    const QString &name = m_w.cup().dateiname;
    if (name == m_gesperrt)
        return;
    m_gesperrt = name;
    if (name.isEmpty()) {
        m_sperre.freigeben();
        return;
    }
    qint64 prozess = 0;
    if (!m_sperre.sperren(name, &prozess))
        warnung(&m_w, QStringLiteral("Die Datei \"%1\" ist bereits in einem anderen Fenster von Tempolauftabellator "
                                     "geöffnet%2.\\r\\nWer dort und hier speichert, überschreibt die Änderungen des "
                                     "anderen Fensters.")
                          .arg(QDir::toNativeSeparators(name),
                               prozess > 0 ? QStringLiteral(" (Prozess %1)").arg(prozess) : QString()));
}

bool Autosicherung::anbieten()
{
    const QLocale de(QLocale::German, QLocale::Germany);
    for (const Wiederherstellung::Fund &f : m_wh.verwaist()) {
        const QDateTime zeit = f.zeit.toLocalTime();
        const QString ort = f.cupdatei.isEmpty()
                                  ? QStringLiteral("noch ohne Dateinamen")
                                  : QStringLiteral("Datei \"%1\"").arg(QDir::toNativeSeparators(f.cupdatei));
        const QString text =
            QStringLiteral("Tempolauftabellator wurde nicht ordentlich beendet. Vom Cup \"%1\" (%2) gibt es "
                           "ungesicherte Änderungen, zuletzt am %3 um %4 Uhr.\r\n"
                           "Wiederherstellen lädt sie als geänderten Cup, den Sie dann speichern können.")
                .arg(f.cupname, ort, de.toString(zeit.date(), QStringLiteral("dd.MM.yyyy")),
                     de.toString(zeit.time(), QStringLiteral("HH:mm:ss")));
        const Antwort a = frageMitKnoepfen(&m_w, QStringLiteral("Wiederherstellung"), text,
                                           QStringLiteral("&Wiederherstellen"), QStringLiteral("&Verwerfen"));
        if (a == Antwort::Nein) {
            Wiederherstellung::verwerfen(f);
            continue;
        }
        if (a != Antwort::Ja)
            return false; // kept for the next start
        QString grund;
        if (!Wiederherstellung::laden(f, m_w.cup(), &grund)) {
            fehler(&m_w, grund);
            return false;
        }
        m_w.neuAnzeigen();
        // The restored cup is this window's now: its own recovery file replaces the old one.
        sichern();
        if (!datei().isEmpty())
            Wiederherstellung::verwerfen(f);
        return true;
    }
    return false;
}

} // namespace tlt::ui
