#pragma once

namespace tlt::ui {

class MainUnit;
class BeaErg;
class BeaLauf;
class BeaTeil;

// Creates the race, participant and quick result dialogs once, as children of the main window, and
// connects them to the context-menu items that open them ("laufe_pop_h", "laufe_pop_b", "laufe_pop_l",
// "laufe_pop_e", "teil_pop_h", "teil_pop_b", "teil_pop_l", "teil_pop_e").
void eingabeAnschliessen(MainUnit &w);

// Hides the three dialogs (the cup they were opened for is being replaced).
void eingabeSchliessen(MainUnit &w);

// The dialogs eingabeAnschliessen created.
BeaLauf *bea_lauf(MainUnit &w);
BeaTeil *bea_teil(MainUnit &w);
BeaErg *bea_erg(MainUnit &w);

} // namespace tlt::ui
