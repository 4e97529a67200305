#include "ui/ausgabe_ansicht.h"

#include "reports/ausgabe.h"

#include <QTextBlock>
#include <QTextCursor>

namespace tlt::ui {

AusgabeAnsicht::AusgabeAnsicht(const Ausgabe *ausgabe, QWidget *parent) : QPlainTextEdit(parent), m_ausgabe(ausgabe)
{
    setReadOnly(true);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    QFont f(QStringLiteral("Courier New"), 9);
    f.setStyleHint(QFont::Monospace);
    setFont(f);
    m_timer.setSingleShot(true);
    m_timer.setInterval(0);
    connect(&m_timer, &QTimer::timeout, this, &AusgabeAnsicht::aktualisieren);
}

void AusgabeAnsicht::spaeterAktualisieren()
{
    m_timer.start();
}

void AusgabeAnsicht::aktualisieren()
{
    m_timer.stop();
    QTextDocument *doc = document();
    doc->clear();
    QTextCursor cur(doc);
    cur.beginEditBlock();
    bool erste = true;
    for (const Ausgabezeile &z : m_ausgabe->zeilen()) {
        QTextCharFormat fmt;
        QFont f(QStringLiteral("Courier New"));
        f.setStyleHint(QFont::Monospace);
        f.setPointSize(z.groesse > 0 ? z.groesse : 9);
        f.setBold(z.stil & Fett);
        f.setItalic(z.stil & Kursiv);
        f.setUnderline(z.stil & Unterstrichen);
        fmt.setFont(f);
        // Colours are stored as 0x00BBGGRR.
        fmt.setForeground(QColor(z.farbe & 0xff, (z.farbe >> 8) & 0xff, (z.farbe >> 16) & 0xff));
        if (!erste)
            cur.insertBlock(QTextBlockFormat(), fmt);
        else
            cur.setBlockCharFormat(fmt);
        erste = false;
        cur.insertText(z.text, fmt);
    }
    cur.endEditBlock();
    moveCursor(QTextCursor::Start);
}

} // namespace tlt::ui
