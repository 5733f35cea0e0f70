// Where things stand in the driving scene, in screen pixels. Landscape,
// road, platform, tram and street furniture are drawn against these lines so
// that every picture agrees with the positions the game puts them at.
#pragma once

namespace assets::scene {

// Landscape tiles: imgKrajina at top 50; the next tile is laid 150 pixels
// (130 at a run's start) into the one before it, so both seams must meet
// the common backdrop. A tile is one route section: its width - 150 sets
// how far the street moves per section, 3 pixels per landscape pixel at
// 15 km/h. The sign is placed at 4310 and the stop at 3200 each section;
// 1600 landscape pixels take the sign (35 wide) off the left edge before
// the next section places it again, even with a stop and a red light in
// the section, whose braking and pulling away below 15 km/h move the
// street less.
constexpr int kLandscapeTop = 50;
constexpr int kLandscapeWidth = 1750;
constexpr int kLandscapeHeight = 300;
constexpr int kLandscapeOverlap = 150;
constexpr int kLandscapeStartOverlap = 130;

// Road tiles: imgSilnice at top 338, each laid 2 pixels into the other.
// Width - 2 is a multiple of every period of the road's patterns.
constexpr int kRoadTop = 338;
constexpr int kRoadWidth = 1202;
constexpr int kRoadHeight = 200;
constexpr int kRoadOverlap = 2;
constexpr int kRoadPeriod = kRoadWidth - kRoadOverlap;  // 1200

// Overhead line, drawn into the landscape (the pantographs reach it).
constexpr int kContactWireY = 282;
constexpr int kMessengerWireY = 272;

// Cross-section of the street, top to bottom.
constexpr int kBackPavementTop = 338;  // passers-by of the back row: feet 403..411
constexpr int kBackKerbTop = 413;
constexpr int kFarLaneTop = 420;       // foot of the poles
constexpr int kFarLaneBottom = 446;    // leftward cars stand at 441
constexpr int kTrackTop = 446;
constexpr int kFarRailTop = 450;
constexpr int kRailTop = 457;          // the wheels of the trams stand here
constexpr int kIslandTop = 463;        // light and sign stand at 478
constexpr int kIslandKerbTop = 478;
constexpr int kNearLaneTop = 483;
constexpr int kNearLaneBottom = 508;   // rightward cars stand at 501
constexpr int kFrontKerbTop = 508;
constexpr int kFrontPavementTop = 512; // passers-by of the front row: feet 509..527
constexpr int kStreetBottom = 537;

// The stop: platform at top 457 (waiting feet 467..478), board at top 353.
constexpr int kPlatformTop = 457;
constexpr int kPlatformHeight = 29;
constexpr int kPlatformWalkFrom = 150;  // waiting people stand right of this
constexpr int kBoardTop = 353;

// Standing furniture: light at top 228, sign at 354, both with the foot at 478.
constexpr int kFurnitureFoot = 478;

}  // namespace assets::scene
