#pragma once

class QCoreApplication;

// Loads Qt's own Czech translations (standard buttons, print dialogs) and sets the
// Czech locale as the default. Returns false when the translation file is missing;
// the program then runs with Qt's English texts.
bool NactiCeskePreklady(QCoreApplication &aplikace);
