// What the rest of the game uses of the stop service.
#pragma once

class TForm1;

// Fills the stop just placed (imgStanice at Left 3200) with waiting
// passengers of the current route row, then restacks the scene.
void SpawnStationPassengers(TForm1& form);

// Brings the scene pictures to the front in their fixed back-to-front
// order. Reads only the persons' states and the passers-by's rows.
void RefreshSceneZOrder(TForm1& form);
