// Setting up a board by hand, for the runner, tests and benchmarks.
#pragma once

#include "game/form1.h"

namespace gus {

// A worm in `slot` as ColocaMonstruo leaves it (board cell, record, counter, step timer with the
// phase's interval, channel with its step loaded) without the draws and the entry sound. A worm
// already in the slot is moved.
void ponMonstruo(Form1& f, int slot, int x, int y, int direccion);

}  // namespace gus
