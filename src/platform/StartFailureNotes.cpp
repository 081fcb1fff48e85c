#include "platform/StartFailureNotes.h"

#include <SDL.h>
// Should SDL bring in Windows' headers, their macro must not rename the step.
#undef CreateWindow

namespace {

// SDL's own words for the last failure, where it has any.
std::string SdlError() {
  const std::string error = SDL_GetError();
  return error.empty() ? std::string() : " (" + error + ")";
}

// A path as Windows writes it.
std::string WindowsPath(std::string path) {
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

}  // namespace

StartFailureNotes::StartFailureNotes(std::unique_ptr<System> real) : real_(std::move(real)) {}

void StartFailureNotes::Note(const std::string& reason) {
  if (reason_.empty()) reason_ = reason;
}

bool StartFailureNotes::CreateWindow() {
  const bool made = real_->CreateWindow();
  if (!made) Note("no window could be opened" + SdlError() + ".");
  return made;
}

bool StartFailureNotes::CreateRenderer() {
  const bool made = real_->CreateRenderer();
  if (!made) Note("nothing could draw in the window" + SdlError() + ".");
  return made;
}

bool StartFailureNotes::InitAudioEngine() {
  const bool made = real_->InitAudioEngine();
  if (!made) Note("the sound could not be started.");
  return made;
}

void StartFailureNotes::LoadTexture(TextureId texture, const char* path) {
  if (texture >= 0 && texture < TextureCapacity) paths_[texture] = path;
  real_->LoadTexture(texture, path);
}

bool StartFailureNotes::TextureLoaded(TextureId texture) {
  const bool loaded = real_->TextureLoaded(texture);
  if (!loaded && missing_.empty() && texture >= 0 && texture < TextureCapacity) missing_ = paths_[texture];
  return loaded;
}

// The game logs one line only: the picture it could not load, by its name in
// the code. The box keeps that line, for a player who reports it, and names
// the file.
void StartFailureNotes::Log(const char* message) {
  real_->Log(message);
  const std::string file = missing_.empty() ? "A picture" : "The picture " + WindowsPath(missing_);
  Note(std::string(message) + "\n\n" + file +
       " is missing or cannot be read. The game's pictures and sounds belong in the Assets folder"
       " beside Tarnwick.exe: unzip or install the whole game again.");
}
