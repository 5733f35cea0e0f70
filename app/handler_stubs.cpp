// Handlers not written yet. Whoever writes a handler removes its line here.
#include "app/form1.h"

