// Blocks not written yet. Whoever writes a block removes its line here.
#include "app/form1.h"
#include "tick/blocks.h"

