// Qt's own texts (message box buttons and the like) in Spanish.
#pragma once

class QCoreApplication;

namespace gus {

// Loads Qt's Spanish translations into the application; false when they are not installed
// (the buttons then keep their English names).
bool installSpanishTranslator(QCoreApplication& app);

}  // namespace gus
