// The one instance of the main window, created by the application object.
#include "app/form1.h"

TForm1* Form1 = nullptr;
