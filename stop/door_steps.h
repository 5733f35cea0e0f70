// The steps the door timer runs at full opening and full closing. They
// take nothing: like the door timer they work on the game state and on
// the widgets of the main window Form1.
#pragma once

// Arrival at a stop, judged against the stop's scheduled minute.
void CheckArrivalTime();
// Gives every waiting person a place and a door, or turns it away.
void AssignBoardingPlaces();
// Leaving a stop before its scheduled minute costs money.
void CheckDepartureTime();
// The doors closed at the last stop of the line: save, back to the depot.
void EndRunAtTerminus();

