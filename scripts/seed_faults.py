#!/usr/bin/env python3
"""Seeds small faults a player would notice into the game, one at a time,
and tells which of them the test suite catches.

Each fault replaces one exact snippet of one source file. The file is
changed in place, the build directory is brought up to date, the suite
runs (all labels but soak), and the file is put back, also when the run
is interrupted. A fault whose snippet is no longer found (the code moved
on) is reported as stale, one that does not compile as broken; neither
counts toward the rate.

    scripts/seed_faults.py                      # every fault, this checkout
    scripts/seed_faults.py --repo ../other --build /tmp/faults-build
    scripts/seed_faults.py --only fare,speed    # faults named so or with such a word in the name
    scripts/seed_faults.py --more               # also the faults beyond the default set
    scripts/seed_faults.py --list               # the faults, nothing run
"""

import argparse
import os
import signal
import subprocess
import sys
import time

# (name, file, original snippet, replacement, what the player would notice)
ALL_FAULTS = [
    # --- the depot: prices and money --------------------------------------
    ("depot-buy-short", "game/depot_purchase.cpp", "price <= g_money", "price <= g_money + 100",
     "a tram is bought with up to 100 dollars too little"),
    ("depot-price-2nd", "game/tables.cpp", "{300, 300, 600, 600, 2000", "{300, 400, 600, 600, 2000",
     "the second tram costs 400"),
    ("depot-price-3rd", "game/tables.cpp", "{300, 300, 600, 600, 2000", "{300, 300, 500, 600, 2000",
     "the third tram costs 500"),
    ("depot-half-price", "game/depot_purchase.cpp", "g_money -= price;", "g_money -= price / 2;",
     "a purchase takes only half the price"),
    ("depot-third-tram", "game/depot_purchase.cpp", "kMostTramsBought = 2;", "kMostTramsBought = 3;",
     "a third tram can be bought"),
    ("depot-line-locked", "game/depot_choice.cpp", "if (g_selectedLine < g_level)",
     "if (g_selectedLine <= g_level)", "a line above the level can be chosen"),
    ("new-career-money", "game/save.cpp", "rec.moneyLo = 100;", "rec.moneyLo = 150;",
     "a new career starts with 350 dollars"),
    ("depot-selected-after-buy", "game/depot_purchase.cpp", "g_selectedTram = g_fleetSize;",
     "g_selectedTram = 1;", "the depot does not show the tram just bought"),
    # --- speed keys and acceleration --------------------------------------
    ("speed-w-target", "game/controls_speed.cpp", "{15, 1}", "{20, 1}", "W asks for 20 km/h"),
    ("speed-e-delay", "game/controls_speed.cpp", "{30, 2}", "{30, 4}",
     "the first speed step after E comes late"),
    ("speed-t-delay", "game/controls_speed.cpp", "{60, 4}", "{60, 3}",
     "the first speed step after T comes early"),
    ("speed-r-target", "game/controls_speed.cpp", "{45, 3}", "{40, 3}", "R asks for 40 km/h"),
    ("accel-band-40", "tick/speed.cpp", "{40, 3, 0.018}", "{40, 4, 0.018}",
     "the tram accelerates slower between 30 and 40 km/h"),
    ("accel-band-55", "tick/speed.cpp", "{55, 7, 0.021}", "{55, 6, 0.021}",
     "the tram accelerates faster between 50 and 55 km/h"),
    ("accel-period", "tick/schedule.cpp", "kSpeedStepPeriod = 4;", "kSpeedStepPeriod = 5;",
     "every speed change takes longer"),
    ("brake-twice", "tick/speed.cpp", "if (g_speed > 0) --g_speed;",
     "if (g_speed > 0) g_speed -= g_speed > 1 ? 2 : 1;", "the tram brakes twice as fast"),
    ("brake-pitch", "tick/speed.cpp", "kBrakePitchStep = 0.016;", "kBrakePitchStep = 0.02;",
     "the engine pitch falls faster when braking"),
    ("engine-start-pitch", "tick/speed.cpp", '"Zvuky//Tramvaje//Tram1.wav", 0.7f}',
     '"Zvuky//Tramvaje//Tram1.wav", 0.8f}', "the high engine loop starts at a higher pitch"),
    ("street-band", "tick/speed_band.h", "return (speed + 4) / 5;", "return (speed + 5) / 5;",
     "the street scrolls one pixel faster at 5, 10, ... km/h"),
    ("landscape-step-30", "tick/speed_band.h", "speed <= 30) return 1;", "speed <= 29) return 1;",
     "the landscape stands still at 30 km/h"),
    ("landscape-step-45", "tick/speed_band.h", "speed <= 45) return 2;", "speed <= 45) return 3;",
     "the landscape scrolls too fast between 31 and 45 km/h"),
    # --- fares ---------------------------------------------------------------
    ("fare-swap", "tick/passengers_boarding.cpp", "{{1, 0.05f}, {3, 0.1f}, {6, 0.15f}, {10, 0.2f}}",
     "{{1, 0.05f}, {10, 0.1f}, {6, 0.15f}, {3, 0.2f}}", "workers pay the elite's fare and back"),
    ("fare-clerk", "tick/passengers_boarding.cpp", "{6, 0.15f}", "{5, 0.15f}", "a clerk pays 5"),
    ("fare-coin-volume", "tick/passengers_boarding.cpp", "{1, 0.05f}", "{1, 0.5f}",
     "the poorest passengers' coin is loud"),
    ("fare-class-count", "tick/passengers_boarding.cpp", "AddToFigure(g_carriedByClass[person.passengerClass], 1);",
     "AddToFigure(g_carriedByClass[person.passengerClass == 3 ? 2 : person.passengerClass], 1);",
     "the elite are counted as clerks"),
    ("ride-longest", "tick/passengers_boarding.cpp", "kLongestRide = 7;", "kLongestRide = 5;",
     "riders leave earlier on the long lines"),
    # --- level goals -------------------------------------------------------
    ("goal-level2", "game/tables.cpp", "{300, 200, 0, 0},", "{300, 150, 0, 0},",
     "level 2 ends with 50 workers too few"),
    ("goal-level1", "game/tables.cpp", "{100, 30, 0, 0},", "{100, 0, 0, 0},",
     "level 1 asks for no workers"),
    ("goal-finished-row", "game/tables.cpp", "{1900, 2400, 1800, 1000},", "{1900, 2400, 1800, 100},",
     "the finished game shows a wrong elite goal"),
    ("goal-message-seconds", "tick/goals.cpp", "kLevelDoneSeconds = 10;", "kLevelDoneSeconds = 5;",
     "the level message vanishes early"),
    ("goal-applause-volume", "tick/goals.cpp", '"Zvuky//Obecne//Potlesk.wav", 0.3f',
     '"Zvuky//Obecne//Potlesk.wav", 0.6f', "the applause is too loud"),
    # --- route rows ----------------------------------------------------------
    ("route-l1-sign", "game/route.cpp", "{15, 10,  0,  0}, 60, 8,  3, 419, 552},",
     "{15, 10,  0,  0}, 45, 8,  3, 419, 552},", "a 45 sign on line 1 where 60 stands"),
    ("route-l2-workers", "game/route.cpp", "{ 5, 10,  0,  0}, 60, 4,  2, 326, 666},",
     "{ 5,  5,  0,  0}, 60, 4,  2, 326, 666},", "fewer workers wait at a stop of line 2"),
    ("route-l0-light", "game/route.cpp", "{ 0,   2,   2, 1, 0,  2, 2, 1, { 5,  0,  0,  0}, 45, 7,  3,",
     "{ 0,   2,   2, 1, 0,  2, 2, 0, { 5,  0,  0,  0}, 45, 7,  3,", "a traffic light of line 0 is missing"),
    ("route-l0-minute", "game/route.cpp", "{20,  0,  0,  0}, 60, 6,  2, 408, 608},",
     "{20,  0,  0,  0}, 60, 6,  3, 408, 608},", "a stop of line 0 is due a minute later"),
    ("route-l2-shelter", "game/route.cpp", "{ 2,   8,   8, 1, 0,  8, 6, 0,",
     "{ 2,   8,   8, 1, 0,  8, 5, 0,", "a stop of line 2 shows the wrong shelter"),
    ("route-l2-stops", "game/route.cpp", "{14, 12, 27}", "{14, 11, 27}",
     "line 2 counts a stop too few"),
    ("route-l2-scheme", "game/route.cpp", "60, 5,  9, 354, 609},", "60, 5,  9, 354, 619},",
     "the marker on the line scheme sits off the line"),
    ("route-l2-traffic", "game/route.cpp", "{ 5, 35,  0,  0}, 45, 3,  3,", "{ 5, 35,  0,  0}, 45, 5,  3,",
     "a section of line 2 has the wrong traffic"),
    ("route-l3-limit", "game/route.cpp", "{ 5, 15, 10,  0}, 45, 4,  3, 365, 678},",
     "{ 5, 15, 10,  0}, 50, 4,  3, 365, 678},", "line 3 shows a speed sign the game has no picture of"),
    ("route-l6-terminus", "game/route.cpp", "{ 6,   6,   6, 1, 1,  6, 4, 1,",
     "{ 6,   6,   6, 1, 0,  6, 4, 1,", "line 6 never ends"),
    ("route-l9-minute", "game/route.cpp", "{10, 15,  5,  0}, 45, 7, 13,  98, 630},",
     "{10, 15,  5,  0}, 45, 7, 11,  98, 630},", "a later stop of line 9 is due before an earlier one"),
    # --- the saved game ---------------------------------------------------
    ("save-words-3-5", "game/save.h",
     "    int32 tramsBought;          // 3\n    int32 level;                // 4\n    int32 fleetSize;            // 5\n",
     "    int32 fleetSize;            // 3\n    int32 level;                // 4\n    int32 tramsBought;          // 5\n",
     "the save file no longer matches its format"),
    ("save-split", "game/save.h", "inline int32 SplitHi(int32 v) { return v / 200; }\ninline int32 SplitLo(int32 v) { return v % 200; }",
     "inline int32 SplitHi(int32 v) { return v / 100; }\ninline int32 SplitLo(int32 v) { return v % 100; }",
     "the save file splits by 100"),
    ("save-level", "game/save.cpp", "rec.level = g_level;", "rec.level = 0;",
     "the level is lost between sessions"),
    ("save-purchase-money", "game/save.cpp", "    rec.moneyHi = SplitHi(g_money);\n",
     "    rec.moneyHi = SplitHi(g_money) + 1;\n", "a purchase saves 200 dollars too many"),
    # --- tram layouts --------------------------------------------------------
    ("tram2-seat", "game/tram_layout.cpp", "{887, 855, 831, 807, 775, 751, 679, 655, 623, 599, 387, 355,",
     "{897, 855, 831, 807, 775, 751, 679, 655, 623, 599, 387, 355,", "a seat of tram 2 moved by 10 px"),
    ("tram7-standing-x", "game/tram_layout.cpp", "633, 618, 603, 788, 550, 535,",
     "633, 618, 603, 588, 550, 535,", "a standing place of tram 7 moved"),
    ("tram4-standing-y", "game/tram_layout.cpp", "{4, 20, 43, 365, 0},", "{4, 20, 43, 375, 0},",
     "standing passengers of tram 4 float 10 px low"),
    ("tram1-places", "game/tram_layout.cpp", "{34, 495, 281, 538, 369,", "{36, 495, 281, 538, 369,",
     "tram 1 shows 36 free places"),
    ("tram6-door", "game/tram_layout.cpp", "{923, 375}, {735, 375}", "{933, 375}, {735, 375}",
     "a door of tram 6 sits off its opening"),
    ("tram-door-group", "game/tram_layout.cpp", "{3, {false, false, false, true, true, true}},",
     "{3, {false, false, true, true, true, true}},", "rear passengers walk to a front door"),
    ("tram7-floor", "game/tram_layout.cpp", "{245, 455, 386}", "{245, 455, 396}",
     "passengers of tram 7 climb to the wrong floor"),
    ("tram5-wheel", "game/tram_layout.cpp", "{{820, 435}, {580, 435},", "{{820, 435}, {590, 435},",
     "a wheel of tram 5 sits off its bogie"),
    ("tram3-display", "game/tram_layout.cpp", "{34, 495, 281, 540, 361,", "{34, 495, 281, 540, 371,",
     "the line display of tram 3 sits 10 px low"),
    # --- the scene -------------------------------------------------------------
    ("road-top", "app/loading.cpp", "f.imgSilnice1->Top = 338;", "f.imgSilnice1->Top = 348;",
     "the road drawn 10 px low"),
    ("landscape-top", "app/loading.cpp", "f.imgKrajina2->Top = 50;", "f.imgKrajina2->Top = 40;",
     "every other landscape tile drawn 10 px high"),
    ("pole-left", "app/loading.cpp", "f.imgSloup2->Left = 864;", "f.imgSloup2->Left = 884;",
     "the second pole stands in the wrong place"),
    ("pole-wrap", "tick/street.cpp", "kPoleWrapTo = 1200;", "kPoleWrapTo = 1100;",
     "a pole pops up on the screen"),
    ("message-bar", "app/loading.cpp", "f.panVarovani->Top = 514;", "f.panVarovani->Top = 560;",
     "the message bar lies over the dashboard"),
    ("dashboard-target", "app/form1_tree.cpp", "\"labZrychlitNa\", 670, 544,", "\"labZrychlitNa\", 680, 544,",
     "the target speed caption moved"),
    ("dashboard-money", "app/form1_tree.cpp", "\"labKasa\", 736, 10,", "\"labKasa\", 736, 20,",
     "the money caption moved"),
    ("dashboard-goal", "app/form1_tree.cpp", "\"labDelniciCil\", 848, 691,", "\"labDelniciCil\", 848, 651,",
     "the workers' goal is drawn over the clerks' goal"),
    ("loading-caption", "app/loading.cpp", "\"... loading streets ...\"", "\"... loading roads ...\"",
     "a wrong loading caption"),
    ("loading-bar", "app/loading.cpp", "f.imgLoading->Width = 50 * (step - kIntroStep);",
     "f.imgLoading->Width = 40 * (step - kIntroStep);", "the loading bar grows too slowly"),
    ("landscape-to-back", "tick/landscape.cpp", "    leading->SendToBack();\n", "",
     "a visible cut in the scenery at every other tile"),
    ("landscape-overlap", "tick/landscape.cpp", "kTileOverlap = 150;", "kTileOverlap = 140;",
     "a gap between landscape tiles"),
    ("road-overlap", "tick/street.cpp", "kRoadOverlap = 2;", "kRoadOverlap = 0;",
     "a seam between road tiles"),
    ("scene-shelter-front", "stop/scene_order.cpp",
     "    Raise(form.imgStanice);\n    RaisePersons(form, PersonBand::InFront);\n",
     "    RaisePersons(form, PersonBand::InFront);\n    Raise(form.imgStanice);\n",
     "waiting passengers hidden behind the shelter"),
    ("scene-sign-behind-tram", "stop/scene_order.cpp", "    Raise(form.imgZnacka);\n    RaiseAll(form.imgAutoDoprava);\n",
     "    RaiseAll(form.imgAutoDoprava);\n", "the speed sign hidden behind the tram"),
    ("income-top", "app/loading.cpp", "f.labPrijem->Top = 296;", "f.labPrijem->Top = 306;",
     "the stop income caption sits low"),
    ("stop-placed-at", "tick/street.cpp", "kStopPlacedAt = 3200;", "kStopPlacedAt = 3100;",
     "the stop comes into view early"),
    ("sign-placed-at", "tick/street.cpp", "kSignPlacedAt = 4310;", "kSignPlacedAt = 4200;",
     "the speed sign comes into view early"),
    # --- persons, passers-by, cars -------------------------------------------
    ("person-placed", "tick/person_sprites.cpp", "form.Clovek[k]->Left = g_persons[k].x;",
     "form.Clovek[k]->Left = g_persons[k].x + 4;", "every passenger figure drawn 4 px right"),
    ("passer-by-row", "tick/pedestrians.cpp", "kFrontRowTop = 455;", "kFrontRowTop = 470;",
     "passers-by walk on the road"),
    ("passer-by-enter", "tick/pedestrians.cpp", "kEnterLeftward = 1200;", "kEnterLeftward = 1000;",
     "passers-by appear in the middle of the screen"),
    ("passer-by-interval", "tick/pedestrians.cpp", "case 4: return 40;", "case 4: return 20;",
     "twice as many passers-by on quiet streets"),
    ("shelter-margin", "stop/waiting_passengers.cpp", "kShelterLeftMargin = 150;",
     "kShelterLeftMargin = 100;", "passengers wait left of the shelter"),
    ("platform-depth", "tick/passengers.cpp", "kPlatformBelowLine = 60;", "kPlatformBelowLine = 66;",
     "waiting passengers stand on the road"),
    ("car-lane", "tick/cars.cpp", "441, +1, 1400, -220, 100, 300}", "451, +1, 1400, -220, 100, 300}",
     "near-lane cars drive 10 px low"),
    ("car-idle-step", "tick/cars.cpp", "kIdleStep = 7;", "kIdleStep = 5;",
     "cars crawl past a standing tram"),
    ("car-scroll", "tick/street.cpp", "+= 7 - (n + 1) / 2;", "+= 7 - n / 2;",
     "near-lane cars pass the moving tram too fast"),
    ("car-spawn-moving", "tick/cars.cpp", "if (speed >= 30) return 3 * traffic;",
     "if (speed >= 30) return 2 * traffic;", "more cars while the tram drives fast"),
    ("exit-aim", "tick/passengers_alighting.cpp", "kExitAimLeftOfMiddle = 18;", "kExitAimLeftOfMiddle = 8;",
     "leaving passengers step down beside the door"),
    ("walk-away-edge", "tick/passengers_alighting.cpp", "kLeaveRightAbove = 1180;", "kLeaveRightAbove = 900;",
     "leaving passengers vanish in the middle of the screen"),
    # --- penalties ---------------------------------------------------------
    ("crossing-speed", "tick/warnings.cpp", "kCrossingSpeedLimit = 33;", "kCrossingSpeedLimit = 35;",
     "34 km/h over the crossing goes unpunished"),
    ("crossing-window", "tick/warnings.cpp", "kCrossingFrom = 830;", "kCrossingFrom = 860;",
     "the crossing is judged too late"),
    ("red-light-fine", "tick/warnings.cpp", "GivePenalty(form, 100, text, g_crossingPenalised);",
     "GivePenalty(form, 150, text, g_crossingPenalised);", "red and fast costs 150"),
    ("red-light-text", "tick/warnings.cpp", "\"(-50$) You\\xB4ve been penalized for overshooting the red light!\"",
     "\"(-50$) You\\xB4ve been penalized for passing the red light!\"", "the red light message changed"),
    ("missed-stop-fine", "tick/warnings.cpp", "kMissedStopFine = 5;", "kMissedStopFine = 10;",
     "a missed stop costs 10"),
    ("missed-stop-window", "tick/warnings.cpp", "kStopPassedAt = -136;", "kStopPassedAt = -120;",
     "the stop counts as missed too early"),
    ("over-limit-fine", "tick/landscape.cpp", "kOverLimitFine = 50;", "kOverLimitFine = 60;",
     "speeding costs 60"),
    ("over-limit-edge", "tick/landscape.cpp", "RouteRow(leftIndex).speedLimit < g_speed",
     "RouteRow(leftIndex).speedLimit <= g_speed", "driving at the limit is fined"),
    ("penalty-colour", "tick/messages.cpp", "ShowGameMessage(form, kPenaltyColour, text, kPenaltySeconds);",
     "ShowGameMessage(form, clBlack, text, kPenaltySeconds);", "penalty messages in the wrong colour"),
    ("penalty-sound", "tick/messages.cpp", "\"Zvuky//Obecne//Penalizace.wav\", 0.3f",
     "\"Zvuky//Obecne//Penalizace.wav\", 0.5f", "the penalty sound too loud"),
    # --- timetable, clock and doors ---------------------------------------------
    ("timetable-fine", "stop/timetable.cpp", "kTimetablePenalty = 20;", "kTimetablePenalty = 25;",
     "a late arrival costs 25"),
    ("timetable-in-time", "stop/timetable.cpp", "if (minute < scheduled) {", "if (minute <= scheduled) {",
     "an arrival in time is called early"),
    ("timetable-seconds", "stop/timetable.cpp", "kMessageSeconds = 7;", "kMessageSeconds = 4;",
     "timetable messages vanish early"),
    ("clock-colour", "tick/run_clock.cpp", "if (minute == timetableMinute) return clLime;",
     "if (minute == timetableMinute) return clYellow;", "the clock shows late when on time"),
    ("doors-open-frame", "stop/door_cycle.cpp", "kDoorsOpenFrame = 10;", "kDoorsOpenFrame = 8;",
     "boarding starts before the doors are open"),
    ("door-reach", "tick/door_button.cpp", "kStopReachFromTram = -200;", "kStopReachFromTram = -400;",
     "the doors open far from the stop"),
    ("doors-hold-exit", "tick/door_button.cpp", "        case PersonState::WalkToExit:\n", "",
     "the doors close on a leaving passenger"),
    ("crowd-sound-channel", "stop/door_cycle.cpp", "kCrowdChannel = 6;", "kCrowdChannel = 5;",
     "the crowd sound on the wrong channel"),
    ("door-sound-volume", "game/controls_speed.cpp", "kDoorSoundVolume = 0.5f;", "kDoorSoundVolume = 0.3f;",
     "the door sound is quiet"),
    # --- menu, tutorial, sounds --------------------------------------------------
    ("menu-caption", "app/form1_tree.cpp", "\"CONTINUE GAME\", \"PLAY ANOTHER GAMES\"",
     "\"CONTINUE\", \"PLAY ANOTHER GAMES\"", "a menu caption changed"),
    ("tutorial-stops", "game/tutorial.cpp", "kTutorialStops = 4;", "kTutorialStops = 5;",
     "the tutorial ride counts a stop too many"),
    ("tutorial-pages", "game/tutorial.cpp", "kLastPage = 6;", "kLastPage = 5;",
     "the last tutorial page is never shown"),
    ("purchase-coin", "game/depot_purchase.cpp", "kCoinVolume = 0.3f;", "kCoinVolume = 0.6f;",
     "the purchase coin sound too loud"),
    ("menu-music-volume", "game/menu_sound.cpp", "kMenuMusicVolume = 0.4f;", "kMenuMusicVolume = 0.5f;",
     "the menu music too loud after a run"),
    ("traffic-loop", "game/route.cpp", "case 2: return \"Zvuky//Traffic//Doprava4.wav\";",
     "case 2: return \"Zvuky//Traffic//Doprava3.wav\";", "the wrong street noise on quiet sections"),
    ("ambient-volume", "tick/landscape.cpp", "PlayOneShot(ambient.file, 0.25f);", "PlayOneShot(ambient.file, 0.4f);",
     "birds and bells too loud"),
    ("wind-channel", "game/run_start_prepare.cpp", "kWindChannel = 3;", "kWindChannel = 4;",
     "the wind on the wrong channel"),
    ("run-landscape-start", "game/run_start_prepare.cpp", "kLandscapeOverlap = 130;", "kLandscapeOverlap = 150;",
     "the landscape starts 20 px off"),
]


# The faults run by default: one or a few per part of the game, so a run
# takes about three quarters of an hour. --more runs the rest as well.
CORE = set("""
    depot-buy-short depot-price-2nd depot-third-tram depot-line-locked new-career-money
    speed-w-target speed-e-delay speed-t-delay accel-band-40 accel-period brake-twice engine-start-pitch
    street-band landscape-step-30 fare-swap fare-clerk fare-coin-volume goal-level2 goal-level1
    goal-finished-row route-l1-sign route-l2-workers route-l0-light route-l0-minute route-l2-stops
    route-l3-limit route-l6-terminus save-words-3-5 save-split save-level tram2-seat tram7-standing-x
    tram4-standing-y tram1-places tram6-door tram-door-group road-top landscape-top pole-left message-bar
    dashboard-target dashboard-goal loading-caption landscape-to-back scene-shelter-front stop-placed-at
    person-placed passer-by-row shelter-margin car-lane car-idle-step exit-aim crossing-speed
    crossing-window red-light-fine missed-stop-fine missed-stop-window over-limit-edge penalty-sound
    timetable-fine timetable-in-time clock-colour doors-open-frame doors-hold-exit crowd-sound-channel
    menu-caption tutorial-stops traffic-loop wind-channel
""".split())
FAULTS = [f for f in ALL_FAULTS if f[0] in CORE]


def parse_args():
    here = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    p = argparse.ArgumentParser(description="Seed player-visible faults one at a time and run the suite.")
    p.add_argument("--repo", default=here, help="source tree to mutate (default: this checkout)")
    p.add_argument("--build", help="build directory (default: REPO/build-faults)")
    p.add_argument("--timeout", type=int, default=300, help="seconds per suite run (default 300)")
    p.add_argument("--jobs", type=int, default=4, help="build and test parallelism (default 4)")
    p.add_argument("--only", help="comma-separated words; run the faults whose name contains one")
    p.add_argument("--exclude", help="regular expression of tests to leave out (ctest -E), e.g. to save time")
    p.add_argument("--more", action="store_true", help="all faults, not only the default set")
    p.add_argument("--list", action="store_true", help="list the faults and exit")
    return p.parse_args()


ENV = dict(os.environ, SDL_VIDEODRIVER="dummy", SDL_AUDIODRIVER="dummy", ALSOFT_DRIVERS="null")


def run(cmd, timeout=None):
    """Runs cmd in its own process group; returns (exit code or None on timeout, output)."""
    proc = subprocess.Popen(cmd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, env=ENV,
                            start_new_session=True, text=True)
    try:
        out, _ = proc.communicate(timeout=timeout)
        return proc.returncode, out
    except subprocess.TimeoutExpired:
        os.killpg(proc.pid, signal.SIGKILL)
        out, _ = proc.communicate()
        return None, out
    except BaseException:
        os.killpg(proc.pid, signal.SIGKILL)
        proc.communicate()
        raise


def build(args):
    return run(["cmake", "--build", args.build, "-j", str(args.jobs)])


def suite(args):
    """True when the suite passes, False when a test fails; failing tests listed."""
    cmd = ["ctest", "--test-dir", args.build, "-LE", "soak", "-j", str(args.jobs), "--timeout", str(args.timeout),
           "--stop-on-failure"]
    if args.exclude:
        cmd += ["-E", args.exclude]
    code, out = run(cmd, timeout=args.timeout + 60)
    failed = [line.split(" - ")[1].split()[0] for line in out.splitlines()
              if " - " in line and ("(Failed)" in line or "(Timeout)" in line or "(SEGFAULT)" in line
                                    or "(Subprocess aborted)" in line)]
    if code is None:
        failed.append("(suite timed out)")
    return code == 0, failed


def main():
    args = parse_args()
    args.repo = os.path.abspath(args.repo)
    args.build = os.path.abspath(args.build or os.path.join(args.repo, "build-faults"))
    faults = ALL_FAULTS if args.more else FAULTS
    if args.only:
        words = args.only.split(",")
        faults = [f for f in ALL_FAULTS if any(w == f[0] or w in f[0].split("-") for w in words)]
    if args.list:
        for name, path, _, _, what in faults:
            print(f"{name:26} {path:32} {what}")
        print(f"{len(faults)} faults")
        return 0

    if not os.path.exists(os.path.join(args.build, "CMakeCache.txt")):
        code, out = run(["cmake", "-S", args.repo, "-B", args.build, "-DKORVALO_BENCH=OFF"])
        if code != 0:
            print(out)
            return 2
    code, out = build(args)
    if code != 0:
        print(out[-4000:])
        print("the unchanged tree does not build")
        return 2
    ok, failed = suite(args)
    if not ok:
        print("the unchanged tree fails its own suite:", " ".join(failed))
        return 2

    caught, survived, stale, broken = [], [], [], []
    for name, rel, original, replacement, what in faults:
        path = os.path.join(args.repo, rel)
        with open(path, encoding="latin-1") as f:
            text = f.read()
        if text.count(original) != 1:
            stale.append(name)
            print(f"STALE    {name:26} snippet found {text.count(original)} times in {rel}", flush=True)
            continue
        started = time.time()
        try:
            with open(path, "w", encoding="latin-1") as f:
                f.write(text.replace(original, replacement))
            code, out = build(args)
            if code != 0:
                broken.append(name)
                print(f"BROKEN   {name:26} does not compile", flush=True)
                continue
            ok, failed = suite(args)
        finally:
            with open(path, "w", encoding="latin-1") as f:
                f.write(text)
        seconds = time.time() - started
        if ok:
            survived.append(name)
            print(f"SURVIVED {name:26} {what} ({seconds:.0f} s)", flush=True)
        else:
            caught.append(name)
            print(f"caught   {name:26} by {', '.join(failed[:3]) or '?'} ({seconds:.0f} s)", flush=True)

    build(args)  # leave the build directory matching the sources again
    counted = len(caught) + len(survived)
    rate = 100.0 * len(caught) / counted if counted else 0.0
    print(f"\ncaught {len(caught)} of {counted} ({rate:.0f}%); stale {len(stale)}, not compiling {len(broken)}")
    if survived:
        print("survived: " + " ".join(survived))
    return 0 if not survived else 1


def interrupted(signum, frame):
    raise KeyboardInterrupt


if __name__ == "__main__":
    signal.signal(signal.SIGINT, signal.default_int_handler)  # also when started in the background
    signal.signal(signal.SIGTERM, interrupted)  # a kill puts the file back too
    try:
        sys.exit(main())
    except KeyboardInterrupt:
        print("\ninterrupted; the mutated file was put back")
        sys.exit(130)
