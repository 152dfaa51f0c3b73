#pragma once

// Loads Qt's own Hungarian texts (the buttons of message boxes such as "Igen" and "Nem",
// the edit menu of text fields) from the translations Qt is installed with. Installing
// twice does nothing more. False when the catalogue could not be loaded; the program then
// shows Qt's English texts.
bool installQtTranslation();
