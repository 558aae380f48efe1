#pragma once

class QCoreApplication;

namespace tavolim::app {

// Qt's own dialogs (printer set-up, colour and file choosers, standard buttons) in Brazilian
// Portuguese, and pt_BR dates and numbers for them. False when Qt's translation file is not
// installed: those dialogs then stay in English, nothing else changes.
bool installPortugueseTranslations(QCoreApplication& application);

} // namespace tavolim::app
