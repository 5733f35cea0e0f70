// Process entry: the application object, the main window, the message loop.
#include "app/startup.h"
#include "platform/standard_streams.h"

int main(int argc, char** argv) {
    KeepStandardStreamsOpen();
    return RunGame(argc, argv);
}
