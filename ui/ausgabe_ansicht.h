#pragma once

#include <QAbstractScrollArea>
#include <QFont>
#include <QHash>
#include <QTimer>
#include <vector>

namespace tlt {
class Ausgabe;
struct Ausgabezeile;
} // namespace tlt

namespace tlt::ui {

// The page "Ausgabe": a read-only view of the output pane model. Every line of the model is one line
// of the view, in "Courier New" with the line's own size, style and colour on white paper, without word
// wrap and with both scroll bars. Only the visible lines are painted, so a report of hundreds of
// thousands of lines scrolls as quickly as a short one.
//
// Whole lines can be selected with the mouse (Shift extends) or with Ctrl+A, and copied with Ctrl+C or
// the context menu.
class AusgabeAnsicht : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit AusgabeAnsicht(const Ausgabe *ausgabe, QWidget *parent = nullptr);

    // Lays the model out again now and scrolls back to its first line.
    void aktualisieren();
    // The same, once the current command is done (reports write many lines one by one).
    void spaeterAktualisieren();

    // What the view shows: number of lines, and the font and top edge (in content pixels) of line i.
    int zeilenAnzahl() const { return static_cast<int>(m_oben.size()) - 1; }
    QFont schrift(int i) const;
    int zeilenOben(int i) const { return m_oben[static_cast<size_t>(i)]; }
    int inhaltsBreite() const { return m_breite; }
    int inhaltsHoehe() const { return m_oben.back(); }
    // The index of the line at content height y (clamped to the lines).
    int zeileBei(int y) const;

    // Selected lines [von, bis], -1/-1 when nothing is selected, and their text joined by line breaks.
    int auswahlVon() const { return m_anker < 0 ? -1 : qMin(m_anker, m_ende); }
    int auswahlBis() const { return m_anker < 0 ? -1 : qMax(m_anker, m_ende); }
    void alleMarkieren();
    QString ausgewaehlterText() const;
    void kopieren() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void contextMenuEvent(QContextMenuEvent *e) override;
    void changeEvent(QEvent *e) override;

private:
    // Fonts and metrics per size and style, shared by all lines that look alike.
    struct Schrift {
        QFont font;
        int zeilenhoehe = 0;
        int oberlaenge = 0;
        int zeichenbreite = 0;
    };
    const Schrift &schriftFuer(int groesse, int stil) const;
    void layout();
    void scrollbalkenAnpassen();
    int zeileBeiPunkt(const QPoint &p) const;

    const Ausgabe *m_ausgabe;
    QTimer m_timer;
    // m_oben[i] is the top of line i in content pixels; one more entry holds the total height.
    std::vector<int> m_oben{0};
    int m_breite = 0;
    int m_anker = -1;
    int m_ende = -1;
    mutable QHash<int, Schrift> m_schriften;
};

} // namespace tlt::ui
