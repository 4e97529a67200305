#pragma once

class QWidget;

namespace tlt::ui {

// Centres a window on the screen it is on (or the primary screen).
void zentrieren(QWidget *fenster);
// Shows a non-modal dialog on top of its main window, centred the first time.
void nichtModalZeigen(QWidget *fenster);

} // namespace tlt::ui
