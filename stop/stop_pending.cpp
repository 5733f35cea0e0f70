// Stop service routines not written yet. Whoever writes one removes its line here.
#include "app/form1.h"
#include "stop/stop_service.h"

void SpawnStationPassengers(TForm1&) {}
void RefreshSceneZOrder(TForm1&) {}
