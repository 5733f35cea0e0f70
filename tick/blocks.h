// The blocks of the 10 ms game tick. TForm1::tMainTimerTimer (schedule.cpp)
// runs them in a fixed order, each behind its guard or countdown gate, and
// re-arms a gate after its block has run. A block that throws (a picture
// that cannot be opened) ends the tick there: no later block, no countdown.
#pragma once

class TForm1;

// --- block A: every tick ------------------------------------------------
void FadeMenuMusic(TForm1& form);
void UpdateDashboardCounters(TForm1& form);   // carried/goal labels, money clamp
void UpdateSchemeMarker(TForm1& form);
void CheckLevelGoals(TForm1& form);
void ColourGoalLabels(TForm1& form);
void UpdateEngineSounds(TForm1& form);        // also refreshes the moving flags
void UpdatePlacesLabels(TForm1& form);
void PlacePersonSprites(TForm1& form);        // Clovek1..92 at their records
void PlacePedestrianSprites(TForm1& form);    // Kolemjdouci1..20 at their records

// --- block B: passenger state machine -----------------------------------
void StepPassengers(TForm1& form);

// --- block C: landscape ---------------------------------------------------
void ScrollLandscape(TForm1& form);           // includes the tile change and section advance

// --- block D: street ------------------------------------------------------
void AnimateWheels(TForm1& form);
void WrapPolesAndCheckLight(TForm1& form);    // pole wrap, red light, crossing speed
void UpdateLightWarning(TForm1& form);
void CheckStopApproach(TForm1& form);         // stop warning, missed stop
void ScrollStreet(TForm1& form);              // road, poles, stop, light, sign, passers-by, cars, persons
void ChangeRoadTile(TForm1& form);
void PlaceStop(TForm1& form);                 // calls SpawnStationPassengers
void PlaceLight(TForm1& form);
void PlaceSign(TForm1& form);

// --- block E: traffic -----------------------------------------------------
void RemoveCarsAtEdges(TForm1& form);
void DriveCarsWhileStanding(TForm1& form);
void WalkPedestrians(TForm1& form);

// --- block F: speed step (gate 4) ----------------------------------------
void SpeedStep(TForm1& form);

// --- block G: walk animation (gate 6) --------------------------------------
void AnimatePedestrianWalkFrames(TForm1& form);
void RerollPedestrianPoses(TForm1& form);
void AnimatePedestrianStandFrames(TForm1& form);
void AnimatePersonWalkFrames(TForm1& form);      // states 2, 3, 5, then 9, 10, 11
void AdvanceWalkFrames(TForm1& form);            // every person and passer-by

// --- block H: stand animation (gate 6) -------------------------------------
void RerollPersonPoses(TForm1& form);
void AnimatePersonStandFrames(TForm1& form);

// --- block I: car frames (gate 2) ------------------------------------------
void AnimateCarFrames(TForm1& form);

// --- block J: gate 33 ---------------------------------------------------------
void StepMessageTimer(TForm1& form);
void StepCarSpawn(TForm1& form);

// --- block K: run clock (gate 33, not in the tutorial) ----------------------
void StepRunClock(TForm1& form);

// --- block L: passer-by spawn (gate from the section's traffic) ----------
void SpawnPedestrians(TForm1& form);

// --- tail ---------------------------------------------------------------------
void UpdateDoorButton(TForm1& form);
void CountDownGates();
void ClampFreePlacesLabel(TForm1& form);
