// The folder of the running program, where its sound files live.
#pragma once

#include "platform/services.h"

namespace gus {

ProgramFolder qtProgramFolder();

}  // namespace gus
