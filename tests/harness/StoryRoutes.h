#pragma once
// The three ways the story ends, and what a player meets on each, from the
// record of the description: the scenes in the order visited, and the lines
// as they read on screen.

#include <ostream>
#include <string>
#include <vector>

enum class StoryEnd { DriveAway, Jumpscare, DeathThenDriveAway };
const char* NameOf(StoryEnd ending);
inline void PrintTo(StoryEnd ending, std::ostream* os) { *os << NameOf(ending); }

std::vector<int> ExpectedScenes(StoryEnd ending);
std::vector<std::string> ExpectedLines(StoryEnd ending);
