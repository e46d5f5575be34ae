// The program folder as Qt reports it, with '/' as separator.
#include "platform/qt/program_folder.h"

#include <QCoreApplication>

namespace gus {

ProgramFolder qtProgramFolder() {
    return ProgramFolder{QCoreApplication::applicationDirPath().toStdString(), '/'};
}

}  // namespace gus
