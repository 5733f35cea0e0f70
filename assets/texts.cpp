// Texts: the six tutorial pages and the depot's descriptions of every tram
// and every line. Plain ASCII (a part of code page 1250), CRLF line ends,
// pre-wrapped to fit their boxes.
#include <string>

#include "assets/catalogue.h"
#include "assets/stop_names.h"

namespace assets {

namespace {

const char* const kTutorial[6] = {
    // 1
    "TUTORIAL 1/6 - WELCOME ON BOARD, DRIVER!\n"
    "You drive tram 1 on line 0. Take your passengers from stop to stop, keep to the timetable and obey the\n"
    "traffic rules of the town. This is a practice ride: nobody pays a fare, no fine is taken and the clock stands still.\n"
    "The ride ends when you close the doors at the last stop of the line (the depot); then you are in the depot.\n"
    "MAIN MENU (top right) leaves the ride at any time. Press NEXT to read on.\n",
    // 2
    "TUTORIAL 2/6 - SPEED AND DOORS\n"
    "Choose the speed with the keys:  Q = stop,  W = 15 km/h,  E = 30 km/h,  R = 45 km/h,  T = 60 km/h.\n"
    "The tram speeds up and brakes gradually, so start braking well before you want to stand.\n"
    "On the dashboard (lower right) SET is the speed you chose and NOW is the speed you really go.\n"
    "D opens the doors when the tram stands at a stop, and closes them again. Try it now: press W.\n",
    // 3
    "TUTORIAL 3/6 - STOPS\n"
    "When a stop comes near, the STOP warning lights up on the dashboard and its gauge runs down to the stop.\n"
    "Stand the tram at the platform with the waiting people and press D. The passengers walk to the doors and get in;\n"
    "riders who have reached their stop get off. When nobody is getting in or out any more, press D to close the doors.\n"
    "If you drive past a stop without opening the doors, the tram is stopped and you pay $5:\n"
    "open and close the doors there before the speed keys work again.\n",
    // 4
    "TUTORIAL 4/6 - THE TIMETABLE\n"
    "The clock on the dashboard shows the time of the ride in minutes and seconds, and its colour compares it with\n"
    "the timetable of the next stop:  LIGHT BLUE = early,  GREEN = on time,  YELLOW = late.\n"
    "Arriving late costs $20. Closing the doors while the clock is still light blue costs $20 as well,\n"
    "so when you are early, wait at the stop with the doors open until the clock turns green.\n",
    // 5
    "TUTORIAL 5/6 - TRAFFIC RULES\n"
    "Before a traffic light the LIGHT warning shows on the dashboard with a copy of the light and a gauge.\n"
    "Never drive through a red light: that costs $50, or $100 when you are faster than 33 km/h.\n"
    "Cross every junction at 33 km/h or slower (E = 30 km/h is safe), or you pay $50 even on green.\n"
    "Speed signs (30, 45 or 60 km/h) give the highest speed of a stretch: be that slow when the stretch ends,\n"
    "or you pay $50.\n",
    // 6
    "TUTORIAL 6/6 - PASSENGERS, MONEY AND LEVELS\n"
    "Passengers pay when they get in: Nemajetni $1, Delnici $3, Urednici $6, Elita $10.\n"
    "The dashboard counts the passengers of each class you have CARRIED beside the GOAL of your level;\n"
    "a goal turns green when it is reached. Reach all of them to rise a level and open the next line.\n"
    "Between rides you are in the depot: buy trams, choose your tram and your line, then START NEW ROUTE.\n"
    "Now drive on to the last stop of line 0 and close the doors there to finish the tutorial.\n",
};


const char* const kTrams[8] = {
    // -1
    "No tram selected yet.\n"
    "Buy your first tram in\n"
    "the left column, then\n"
    "it is yours to drive.\n",
    // 0: tram 1
    "Tram 1: a single car,\n"
    "3 doors, 2 bogies.\n"
    "34 places: 10 seats\n"
    "and 24 to stand.\n"
    "Nimble on short lines.\n",
    // 1: tram 2
    "Tram 2: articulated,\n"
    "two cars, 6 doors.\n"
    "68 places: 20 seats\n"
    "and 48 to stand.\n"
    "For the busy lines.\n",
    // 2: tram 3
    "Tram 3: a modern\n"
    "single car, 3 doors.\n"
    "34 places: 10 seats\n"
    "and 24 to stand.\n",
    // 3: tram 4
    "Tram 4: a modern\n"
    "articulated tram,\n"
    "two cars, 6 doors.\n"
    "68 places: 20 seats\n"
    "and 48 to stand.\n",
    // 4: tram 5
    "Tram 5: long, low\n"
    "floor, three sections\n"
    "and 5 doors.\n"
    "68 places: 20 seats\n"
    "and 48 to stand.\n",
    // 5: tram 6
    "Tram 6: three short\n"
    "sections, 4 doors.\n"
    "62 places: 20 seats\n"
    "and 42 to stand.\n",
    // 6: tram 7
    "Tram 7: the flagship,\n"
    "three sections and\n"
    "4 doors.\n"
    "68 places: 20 seats\n"
    "and 48 to stand.\n",
};

struct LineFacts {
    int stops, minutes, from, to;
    const char* opens;
};

const LineFacts kLines[11] = {
    {4, 4, 0, 40, "Open from the start."},
    {4, 5, 0, 40, "Opens at level 1:\n50 Nemajetni carried."},
    {12, 12, 0, 40, "Opens at level 2: 100\nNemajetni, 30 Delnici."},
    {7, 7, 0, 41, nullptr},  {9, 9, 6, 9, nullptr},    {6, 7, 24, 41, nullptr}, {8, 9, 6, 6, nullptr},
    {8, 9, 30, 23, nullptr}, {7, 9, 28, 28, nullptr}, {20, 24, 0, 41, nullptr}, {20, 25, 0, 41, nullptr},
};

std::string LineText(int line) {
    const LineFacts& f = kLines[line];
    std::string t = "Line " + std::to_string(line) + ": " + std::to_string(f.stops) + " stops, " +
                    std::to_string(f.minutes) + " minutes.\n";
    t += "From " + StopName(f.from) + "\nto " + StopName(f.to) + ".\n";
    t += f.opens ? std::string(f.opens) + "\n" : "Not in service yet.\n";
    return t;
}

}  // namespace

void AddTexts(Catalogue& c) {
    for (int page = 1; page <= 6; ++page) c.Text("Data/Tutorial/" + std::to_string(page) + ".txt", kTutorial[page - 1]);
    for (int n = -1; n <= 6; ++n) c.Text("Textures/Nahledy/Tramvaje/" + std::to_string(n) + ".txt", kTrams[n + 1]);
    for (int line = 0; line <= 10; ++line) c.Text("Textures/Nahledy/Linky/" + std::to_string(line) + ".txt", LineText(line));
}

}  // namespace assets
