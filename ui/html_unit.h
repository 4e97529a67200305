#pragma once

#include <QDialog>
#include <QPixmap>

class QComboBox;
class QFrame;
class QLabel;

namespace tlt {
class Cup;
}

namespace tlt::ui {

// The HTML settings dialog `html` ("HTML-Einstellungen"): chooses the style sheet of the exported
// pages. The choice is stored in the cup at once and lasts until the next new cup. A click on the
// badge opens the public HTML validation service in the browser.
class HtmlUnit : public QDialog {
    Q_OBJECT
public:
    explicit HtmlUnit(Cup &cup, QWidget *parent = nullptr);

    // Shows the dialog without blocking, on top, centred the first time.
    void zeigen();
    // Sets the choice box to the cup's current style (after showing, and after a new cup).
    void stilAnzeigen();

    QComboBox *stil() const { return m_stil; }
    QLabel *validhtml() const { return m_validhtml; }

    static QString validatorAdresse();
    // The badge, drawn from our own SVG, in device-independent pixels 88 x 31.
    static QPixmap badge(qreal pixelverhaeltnis = 1.0);

protected:
    void showEvent(QShowEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    Cup &m_cup;
    QComboBox *m_stil = nullptr;
    QFrame *m_validrahmen = nullptr;
    QLabel *m_validhtml = nullptr;
};

} // namespace tlt::ui
