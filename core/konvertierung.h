#pragma once

#include <QString>
#include <exception>

namespace tlt {

// Thrown when a cell that must hold an integer does not; carries the German message for the user.
class Konvertierungsfehler : public std::exception {
public:
    explicit Konvertierungsfehler(const QString &text);
    // The message itself ("'x' ist kein gültiger Integerwert").
    const QString &meldung() const { return m_meldung; }
    // Where the value stands, when the computation knew it ("Lauf 3, Startnummer 007 (Muster, Erika)").
    const QString &ort() const { return m_ort; }
    void setOrt(const QString &ort) { m_ort = ort; }
    // What the user is shown: the message and, when known, where the value stands.
    QString text() const;
    const char *what() const noexcept override { return m_utf8.constData(); }

protected:
    // For derived failures of a computation that carry their own complete message.
    struct EigeneMeldung {};
    Konvertierungsfehler(EigeneMeldung, const QString &meldung);

private:
    QString m_meldung;
    QString m_ort;
    QByteArray m_utf8;
};

// Runs f and returns its result; a Konvertierungsfehler from it that does not say yet where the
// value stands is told ort() (called only then) and passed on. The innermost place wins.
template <class F, class O>
decltype(auto) amOrt(F &&f, O &&ort)
{
    try {
        return f();
    } catch (Konvertierungsfehler &e) {
        if (e.ort().isEmpty())
            e.setOrt(ort());
        throw;
    }
}

// Reads a decimal integer (optional blanks in front, optional sign, 32-bit range);
// anything else throws Konvertierungsfehler with "'x' ist kein gültiger Integerwert".
int toInt(const QString &text);
// The same without throwing.
bool istInt(const QString &text, int *wert = nullptr);

} // namespace tlt
