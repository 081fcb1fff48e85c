#pragma once
// The three ways the story ends, and what a player meets on each, from the
// record of the description: the scenes in the order visited, and the lines
// as they read on screen.

#include <string>
#include <vector>

enum class StoryEnd { DriveAway, Jumpscare, DeathThenDriveAway };

std::vector<int> ExpectedScenes(StoryEnd ending);
std::vector<std::string> ExpectedLines(StoryEnd ending);
