// Process entry: the application object, the main window, the message loop.
#include "app/startup.h"

int main(int argc, char** argv) { return RunGame(argc, argv); }
