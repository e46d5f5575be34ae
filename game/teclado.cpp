// placeholder
#include "game/form1.h"
