#pragma once

#include <QString>
#include <exception>

namespace tlt {

// Thrown when a cell that must hold an integer does not; carries the German message for the user.
class Konvertierungsfehler : public std::exception {
public:
    explicit Konvertierungsfehler(const QString &text);
    const QString &meldung() const { return m_meldung; }
    const char *what() const noexcept override { return m_utf8.constData(); }

protected:
    // For derived failures of a computation that carry their own complete message.
    struct EigeneMeldung {};
    Konvertierungsfehler(EigeneMeldung, const QString &meldung);

private:
    QString m_meldung;
    QByteArray m_utf8;
};

// Reads a decimal integer (optional blanks in front, optional sign, 32-bit range);
// anything else throws Konvertierungsfehler with "'x' ist kein gültiger Integerwert".
int toInt(const QString &text);
// The same without throwing.
bool istInt(const QString &text, int *wert = nullptr);

} // namespace tlt
