#include "ui/meldung.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QInputDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QUrl>
#include <QMessageBox>
#include <QPushButton>
#include <algorithm>
#include <deque>

namespace tlt::ui {

namespace {
struct Hooks {
    std::deque<Antwort> antworten;
    std::deque<QString> dateien;
    std::deque<int> zahlen;
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

QString alsText(const QString &s)
{
    return s;
}
QString alsText(int n)
{
    return QString::number(n);
}

// The next queued value (file name, number) instead of a dialog, recorded under art with what the
// dialog proposed. In test mode a dialog without one is recorded as unexpected and answered with
// abbruch. False: show the dialog.
template <class T>
bool gescriptetWert(std::deque<T> &schlange, const QString &art, const QString &titel, T abbruch, T *wert,
                    const QString &vorschlag = {})
{
    Hooks &h = hooks();
    if (!schlange.empty()) {
        *wert = schlange.front();
        schlange.pop_front();
        h.protokoll.append({art, titel, alsText(*wert), vorschlag});
        return true;
    }
    if (h.testmodus) {
        h.protokoll.append({QStringLiteral("unerwartet"), titel, QString(), vorschlag});
        *wert = abbruch;
        return true;
    }
    return false;
}

// The system's print dialog under a caption, or a scripted answer (Ja or Ok confirms). Neither a
// file, a selection nor a page range: a printer and its properties, every print the whole report.
bool systemDruckdialog(QWidget *parent, QPrinter *drucker, const QString &art, const QString &name, const QString &titel)
{
    Antwort a;
    if (gescriptet(art, titel, QString(), &a))
        return a == Antwort::Ja || a == Antwort::Ok;
    QPrintDialog dlg(drucker, parent);
    dlg.setObjectName(name);
    dlg.setWindowTitle(titel);
    dlg.setOption(QAbstractPrintDialog::PrintToFile, false);
    dlg.setOption(QAbstractPrintDialog::PrintSelection, false);
    dlg.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dlg.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    return dlg.exec() == QDialog::Accepted;
}

// The open or save dialog (a save dialog asks before overwriting), or a scripted file name.
QString dateidialog(QWidget *parent, const Dateiauswahl &a, QFileDialog::AcceptMode modus)
{
    const bool oeffnen = modus == QFileDialog::AcceptOpen;
    QString n;
    if (gescriptetWert(hooks().dateien, oeffnen ? QStringLiteral("oeffnen") : QStringLiteral("speichern"), a.titel,
                       QString(), &n, a.verzeichnis))
        return n;
    QFileDialog dlg(parent, a.titel, a.verzeichnis, a.filter);
    dlg.setAcceptMode(modus);
    dlg.setFileMode(oeffnen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (oeffnen)
        dlg.setOption(QFileDialog::ReadOnly, false);
    dlg.setDefaultSuffix(a.endung);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return {};
    return dlg.selectedFiles().first();
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
    return dateidialog(parent, a, QFileDialog::AcceptOpen);
}

QString dateiSpeichern(QWidget *parent, const Dateiauswahl &a)
{
    return dateidialog(parent, a, QFileDialog::AcceptSave);
}

QString ordnerWaehlen(QWidget *parent, const Dateiauswahl &a)
{
    QString n;
    if (gescriptetWert(hooks().dateien, QStringLiteral("ordner"), a.titel, QString(), &n))
        return n;
    return QFileDialog::getExistingDirectory(parent, a.titel, a.verzeichnis);
}

bool druckdialog(QWidget *parent, QPrinter *drucker)
{
    return systemDruckdialog(parent, drucker, QStringLiteral("drucken"), QStringLiteral("drucken"),
                             QStringLiteral("Drucken"));
}

int zahlFragen(QWidget *parent, const QString &titel, const QString &text, int vorgabe, int min, int max)
{
    int n = 0;
    if (gescriptetWert(hooks().zahlen, QStringLiteral("zahl"), titel, -1, &n))
        return std::max(n, -1);
    bool ok = false;
    n = QInputDialog::getInt(parent, titel, text, vorgabe, min, max, 1, &ok);
    return ok ? n : -1;
}

bool druckerEinrichten(QWidget *parent, QPrinter *drucker)
{
    return systemDruckdialog(parent, drucker, QStringLiteral("drucker"), QStringLiteral("druckersetup"),
                             QStringLiteral("Druckereinstellungen"));
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

void setNextNumber(int zahl)
{
    hooks().zahlen.push_back(zahl);
}

const QList<Protokolleintrag> &protokoll()
{
    return hooks().protokoll;
}

int protokollAnzahl(const QString &art)
{
    int n = 0;
    for (const Protokolleintrag &e : hooks().protokoll)
        n += e.art == art ? 1 : 0;
    return n;
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
