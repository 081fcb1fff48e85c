#include "StoryRoutes.h"

#include "ScreenReader.h"
#include "core/GameState.h"
#include "record/DialogueLines.h"

namespace {

using record::dialogue::Conversation;

// The lines of a conversation as they read on screen, from the record.
std::vector<std::string> LinesOf(const Conversation& conversation) {
  std::vector<std::string> lines;
  for (int index = conversation.first; index < conversation.closing; ++index)
    lines.push_back(AsDrawn(record::dialogue::Find(index)->text));
  return lines;
}

}  // namespace

std::vector<std::string> ExpectedLines(StoryEnd ending) {
  std::vector<std::string> lines;
  for (const Conversation& conversation : record::dialogue::Conversations) {
    const auto part = LinesOf(conversation);
    lines.insert(lines.end(), part.begin(), part.end());
    // Dying once in bed means lying down again to the same thoughts.
    if (ending == StoryEnd::DeathThenDriveAway && conversation.first == 150)
      lines.insert(lines.end(), part.begin(), part.end());
  }
  return lines;
}

void AddRange(std::vector<int>& scenes, int from, int to) {
  for (int scene = from; scene <= to; ++scene) scenes.push_back(scene);
}

std::vector<int> ExpectedScenes(StoryEnd ending) {
  std::vector<int> scenes;
  AddRange(scenes, 0, 62);
  scenes.insert(scenes.end(), {61, 62});  // to the lake, fishing, and back to its thoughts
  if (ending == StoryEnd::DeathThenDriveAway) {
    AddRange(scenes, 63, 83);
    scenes.insert(scenes.end(), {DeathScene, 81});  // the game over, then back to the bedroom
    AddRange(scenes, 82, 86);
  } else {
    AddRange(scenes, 63, 86);
  }
  if (ending == StoryEnd::Jumpscare) {
    AddRange(scenes, 88, 90);
    scenes.insert(scenes.end(), {DeathScene, JumpscareGameOverScene, JumpscareClosingScene});
  } else {
    AddRange(scenes, 88, 92);
  }
  return scenes;
}


const char* NameOf(StoryEnd ending) {
  switch (ending) {
    case StoryEnd::DriveAway: return "DriveAway";
    case StoryEnd::Jumpscare: return "Jumpscare";
    case StoryEnd::DeathThenDriveAway: return "DeathThenDriveAway";
  }
  return "";
}
