// Blocks not written yet. Whoever writes a block removes its line here.
#include "app/form1.h"
#include "tick/blocks.h"

void FadeMenuMusic(TForm1&) {}
void UpdateDashboardCounters(TForm1&) {}
void UpdateSchemeMarker(TForm1&) {}
void CheckLevelGoals(TForm1&) {}
void ColourGoalLabels(TForm1&) {}
void UpdateEngineSounds(TForm1&) {}
void UpdatePlacesLabels(TForm1&) {}
void PlacePersonSprites(TForm1&) {}
void PlacePedestrianSprites(TForm1&) {}
void StepPassengers(TForm1&) {}
void ScrollLandscape(TForm1&) {}
void AnimateWheels(TForm1&) {}
void WrapPolesAndCheckLight(TForm1&) {}
void UpdateLightWarning(TForm1&) {}
void CheckStopApproach(TForm1&) {}
void ScrollStreet(TForm1&) {}
void ChangeRoadTile(TForm1&) {}
void PlaceStop(TForm1&) {}
void PlaceLight(TForm1&) {}
void PlaceSign(TForm1&) {}
void RemoveCarsAtEdges(TForm1&) {}
void DriveCarsWhileStanding(TForm1&) {}
void WalkPedestrians(TForm1&) {}
void SpeedStep(TForm1&) {}
void AnimatePedestrianWalkFrames(TForm1&) {}
void RerollPedestrianPoses(TForm1&) {}
void AnimatePedestrianStandFrames(TForm1&) {}
void AnimatePersonWalkFrames(TForm1&) {}
void AdvanceWalkFrames(TForm1&) {}
void RerollPersonPoses(TForm1&) {}
void AnimatePersonStandFrames(TForm1&) {}
void AnimateCarFrames(TForm1&) {}
void StepMessageTimer(TForm1&) {}
void StepCarSpawn(TForm1&) {}
void StepRunClock(TForm1&) {}
void SpawnPedestrians(TForm1&) {}
void UpdateDoorButton(TForm1&) {}
void CountDownGates() {}
void ClampFreePlacesLabel(TForm1&) {}
