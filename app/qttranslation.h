#pragma once
// Qt's own texts (the file dialog's labels and buttons, the edit boxes'
// context menus) in Japanese, like the rest of the interface.

class QTranslator;

// Loads Qt's Japanese translation into the application; the translator
// belongs to the application. Null when the translation is not installed,
// and Qt's texts stay English.
QTranslator* InstallQtTranslation();
