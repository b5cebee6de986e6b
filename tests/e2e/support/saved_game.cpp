#include "support/saved_game.h"

#include <stdexcept>
#include <vector>

namespace mokopi::e2e {

namespace {

constexpr const char* True = "#TRUE#";
constexpr const char* False = "#FALSE#";

std::vector<std::string> fields(const std::string& line)
{
    std::vector<std::string> result(1);
    bool quoted = false;
    for (char c : line) {
        if (c == '"')
            quoted = !quoted;
        else if (c == ',' && !quoted)
            result.emplace_back();
        else
            result.back() += c;
    }
    return result;
}

bool mark(const std::string& field)
{
    if (field != True && field != False)
        throw std::runtime_error("not a mark: " + field);
    return field == True;
}

}  // namespace

SavedGame readSavedGame(const std::string& bytes)
{
    if (bytes.size() < 2 || bytes.substr(bytes.size() - 2) != "\r\n")
        throw std::runtime_error("the record does not end in CR LF");
    const std::vector<std::string> f = fields(bytes.substr(0, bytes.size() - 2));
    if (f.size() != 18)
        throw std::runtime_error("not 18 fields but " + std::to_string(f.size()));
    SavedGame g;
    g.owner = f[0];
    g.pet = f[1];
    int* numbers[] = {&g.affection, &g.song, &g.dance, &g.fatigue, &g.hour, &g.day};
    for (int i = 0; i < 6; ++i)
        *numbers[i] = std::stoi(f[2 + i]);
    for (int i = 0; i < 9; ++i)
        g.cleared[i] = mark(f[8 + i]);
    g.started = mark(f[17]);
    return g;
}

std::string savedGameBytes(const SavedGame& g)
{
    std::string line = "\"" + g.owner + "\",\"" + g.pet + "\"";
    for (int n : {g.affection, g.song, g.dance, g.fatigue, g.hour, g.day})
        line += "," + std::to_string(n);
    for (bool c : g.cleared)
        line += c ? ",#TRUE#" : ",#FALSE#";
    return line + (g.started ? ",#TRUE#" : ",#FALSE#") + "\r\n";
}

}  // namespace mokopi::e2e
