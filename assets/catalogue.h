// The list of every file of the asset set with the routine that makes it.
// Each picture family adds its files; the runner writes them in parallel.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "assets/raster.h"

namespace assets {

struct Output {
    std::string path;                   // relative to the output folder, "/" separated
    std::function<std::string()> make;  // the file's bytes
};

class Catalogue {
public:
    void Picture(const std::string& path, std::function<Raster()> draw);
    void Text(const std::string& path, const std::string& lines);  // "\n" becomes CRLF, cp1250 bytes
    void Wave(const std::string& path, std::function<std::string()> encode);
    void Add(const Output& output) { outputs_.push_back(output); }
    const std::vector<Output>& outputs() const { return outputs_; }

private:
    std::vector<Output> outputs_;
};

// Every family of the set.
void AddScreens(Catalogue& c);
void AddPanels(Catalogue& c);
void AddLandscapes(Catalogue& c);
void AddRoads(Catalogue& c);
void AddSchemes(Catalogue& c);
void AddTrams(Catalogue& c);
void AddStreetFurniture(Catalogue& c);
void AddCars(Catalogue& c);
void AddPeople(Catalogue& c);
void AddPreviews(Catalogue& c);
void AddFormArtwork(Catalogue& c);
void AddTexts(Catalogue& c);
void AddSounds(Catalogue& c);

// Writes every output below `root`, creating folders; returns the number of
// failures (each reported on stderr).
int WriteAll(const Catalogue& c, const std::string& root, unsigned threads);

}  // namespace assets
