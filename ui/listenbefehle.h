#pragma once

namespace tlt::ui {

class MainUnit;

// The commands of the four lists "E&inlaufliste dieses Laufes", "Gesamtstatistik &ausführlich nach
// diesem Lauf", "&Wer kann noch gewinnen?" (races table) and "&Cup-Auskunft" (participants table):
// each submenu's "&Vorschau", "&Drucken", "&HTML-Export" and an added "&PDF-Export".
void listenAnschliessen(MainUnit &w);

// "Wer kann noch gewinnen?" asks for the number of races still to come (default 1). A queued
// answer replaces that question in tests; a negative one means "cancelled".
void setNextVerbleibend(int laeufe);
// How often the question was asked without a queued answer since the last call (then reset).
int unerwarteteVerbleibendFragen();

} // namespace tlt::ui
