#include "ui/meldung.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QUrl>
#include <QMessageBox>
#include <QPushButton>
#include <deque>

namespace tlt::ui {

namespace {
struct Hooks {
    std::deque<Antwort> antworten;
    std::deque<QString> dateien;
    QList<Protokolleintrag> protokoll;
    bool testmodus = false;
};
Hooks &hooks()
{
    static Hooks h;
    return h;
}

// Messages keep CR LF line breaks as stored; a dialog shows them as one line break.
QString fuerAnzeige(const QString &text)
{
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    return t;
}
bool gescriptet(const QString &art, const QString &titel, const QString &text, Antwort *a)
{
    Hooks &h = hooks();
    if (!h.antworten.empty()) {
        *a = h.antworten.front();
        h.antworten.pop_front();
        h.protokoll.append({art, titel, text, {}});
        return true;
    }
    if (h.testmodus) {
        h.protokoll.append({QStringLiteral("unerwartet"), titel, text, {}});
        *a = Antwort::Nein;
        return true;
    }
    return false;
}

bool jaNein(QWidget *parent, const QString &art, const QString &titel, const QString &text, QMessageBox::Icon icon,
            Antwort vorgabe = Antwort::Ja)
{
    Antwort a;
    if (gescriptet(art, titel, text, &a))
        return a == Antwort::Ja;
    QMessageBox box(icon, titel, fuerAnzeige(text), QMessageBox::NoButton, parent);
    QPushButton *ja = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
    QPushButton *nein = box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
    box.setDefaultButton(vorgabe == Antwort::Nein ? nein : ja);
    box.setEscapeButton(nein);
    box.exec();
    return box.clickedButton() == ja;
}

void okBox(QWidget *parent, const QString &art, const QString &titel, const QString &text, QMessageBox::Icon icon)
{
    Antwort a;
    if (gescriptet(art, titel, text, &a))
        return;
    QMessageBox box(icon, titel, fuerAnzeige(text), QMessageBox::NoButton, parent);
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
}

QString dateiGescriptet(const QString &art, const Dateiauswahl &a, bool *gescriptet)
{
    Hooks &h = hooks();
    *gescriptet = true;
    if (!h.dateien.empty()) {
        QString n = h.dateien.front();
        h.dateien.pop_front();
        h.protokoll.append({art, a.titel, n, a.verzeichnis});
        return n;
    }
    if (h.testmodus) {
        h.protokoll.append({QStringLiteral("unerwartet"), a.titel, QString(), a.verzeichnis});
        return {};
    }
    *gescriptet = false;
    return {};
}

} // namespace

bool frage(QWidget *parent, const QString &text, Antwort vorgabe)
{
    return jaNein(parent, QStringLiteral("frage"), QStringLiteral("Warnung"), text, QMessageBox::Warning, vorgabe);
}

void warnung(QWidget *parent, const QString &text)
{
    okBox(parent, QStringLiteral("warnung"), QStringLiteral("Warnung"), text, QMessageBox::Warning);
}

void hinweis(QWidget *parent, const QString &text)
{
    okBox(parent, QStringLiteral("hinweis"), QStringLiteral("Tempolauftabellator"), text, QMessageBox::Information);
}

bool frageOhneSymbol(QWidget *parent, const QString &text)
{
    return jaNein(parent, QStringLiteral("frageOhneSymbol"), QStringLiteral("Tempolauftabellator"), text,
                  QMessageBox::NoIcon);
}

void fehler(QWidget *parent, const QString &text)
{
    okBox(parent, QStringLiteral("fehler"), QStringLiteral("Tempolauftabellator"), text, QMessageBox::Critical);
}

Antwort frageMitKnoepfen(QWidget *parent, const QString &titel, const QString &text, const QString &ja,
                         const QString &nein)
{
    Antwort a;
    if (gescriptet(QStringLiteral("frage"), titel, text, &a))
        return a;
    QMessageBox box(QMessageBox::Question, titel, fuerAnzeige(text), QMessageBox::NoButton, parent);
    QPushButton *jaKnopf = box.addButton(ja, QMessageBox::AcceptRole);
    QPushButton *neinKnopf = box.addButton(nein, QMessageBox::DestructiveRole);
    QPushButton *spaeter = box.addButton(QStringLiteral("&Abbrechen"), QMessageBox::RejectRole);
    box.setDefaultButton(jaKnopf);
    box.setEscapeButton(spaeter);
    box.exec();
    if (box.clickedButton() == jaKnopf)
        return Antwort::Ja;
    if (box.clickedButton() == neinKnopf)
        return Antwort::Nein;
    return Antwort::Abbrechen;
}

QString dateiOeffnen(QWidget *parent, const Dateiauswahl &a)
{
    bool g = false;
    QString n = dateiGescriptet(QStringLiteral("oeffnen"), a, &g);
    if (g)
        return n;
    QFileDialog dlg(parent, a.titel, a.verzeichnis, a.filter);
    dlg.setAcceptMode(QFileDialog::AcceptOpen);
    dlg.setFileMode(QFileDialog::ExistingFile);
    dlg.setOption(QFileDialog::ReadOnly, false);
    dlg.setDefaultSuffix(a.endung);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return {};
    return dlg.selectedFiles().first();
}

QString dateiSpeichern(QWidget *parent, const Dateiauswahl &a)
{
    bool g = false;
    QString n = dateiGescriptet(QStringLiteral("speichern"), a, &g);
    if (g)
        return n;
    QFileDialog dlg(parent, a.titel, a.verzeichnis, a.filter);
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    dlg.setFileMode(QFileDialog::AnyFile);
    dlg.setDefaultSuffix(a.endung);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return {};
    return dlg.selectedFiles().first();
}

QString ordnerWaehlen(QWidget *parent, const Dateiauswahl &a)
{
    bool g = false;
    QString n = dateiGescriptet(QStringLiteral("ordner"), a, &g);
    if (g)
        return n;
    return QFileDialog::getExistingDirectory(parent, a.titel, a.verzeichnis);
}

bool druckerEinrichten(QWidget *parent, QPrinter *drucker)
{
    Antwort a;
    if (gescriptet(QStringLiteral("drucker"), QStringLiteral("Druckereinstellungen"), QString(), &a))
        return a == Antwort::Ja || a == Antwort::Ok;
    QPrintDialog dlg(drucker, parent);
    dlg.setWindowTitle(QStringLiteral("Druckereinstellungen"));
    // Only the choice of printer and its properties: the pages are chosen by each command.
    dlg.setOption(QAbstractPrintDialog::PrintToFile, false);
    dlg.setOption(QAbstractPrintDialog::PrintSelection, false);
    dlg.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dlg.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    return dlg.exec() == QDialog::Accepted;
}

void adresseOeffnen(const QString &adresse)
{
    Hooks &h = hooks();
    if (h.testmodus) {
        h.protokoll.append({QStringLiteral("web"), QString(), adresse, {}});
        return;
    }
    QDesktopServices::openUrl(QUrl(adresse));
}

void setNextAnswer(Antwort a)
{
    hooks().antworten.push_back(a);
}

void setNextFileName(const QString &name)
{
    hooks().dateien.push_back(name);
}

const QList<Protokolleintrag> &protokoll()
{
    return hooks().protokoll;
}

void resetTestHooks()
{
    hooks() = Hooks{};
}

void setTestmodus(bool an)
{
    hooks().testmodus = an;
}

} // namespace tlt::ui
