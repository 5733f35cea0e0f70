// Blocks not written yet. Whoever writes a block removes its line here.
#include "app/form1.h"
#include "tick/blocks.h"

void PlacePersonSprites(TForm1&) {}
void PlacePedestrianSprites(TForm1&) {}
void StepPassengers(TForm1&) {}
void RemoveCarsAtEdges(TForm1&) {}
void DriveCarsWhileStanding(TForm1&) {}
void WalkPedestrians(TForm1&) {}
void AnimatePedestrianWalkFrames(TForm1&) {}
void RerollPedestrianPoses(TForm1&) {}
void AnimatePedestrianStandFrames(TForm1&) {}
void AnimatePersonWalkFrames(TForm1&) {}
void AdvanceWalkFrames(TForm1&) {}
void RerollPersonPoses(TForm1&) {}
void AnimatePersonStandFrames(TForm1&) {}
void AnimateCarFrames(TForm1&) {}
void StepCarSpawn(TForm1&) {}
void SpawnPedestrians(TForm1&) {}
