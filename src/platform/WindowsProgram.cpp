#include "platform/WindowsProgram.h"

#ifdef _WIN32

#include <SDL.h>
#include <windows.h>
// Windows' macro for its own function would rename the system's step.
#undef CreateWindow

#include <cstdio>
#include <string>
#include <vector>

namespace {

// Why the start failed, in the words shown to the player.
std::string startFailure;

bool HandleGiven(DWORD which) {
  const HANDLE handle = GetStdHandle(which);
  return handle != nullptr && handle != INVALID_HANDLE_VALUE && GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

bool IsFolder(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The folder the running .exe lies in (any length, any letters), or nothing.
std::wstring ProgramFolder() {
  std::vector<wchar_t> path(MAX_PATH);
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      const std::wstring file(path.data(), length);
      const std::size_t slash = file.find_last_of(L"\\/");
      return slash == std::wstring::npos ? std::wstring() : file.substr(0, slash);
    }
    path.resize(path.size() * 2);
  }
}

std::wstring Wide(const std::string& text) {
  const int length = MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, nullptr, 0);
  if (length <= 0) return L"Tarnwick could not start.";
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, wide.data(), length);
  wide.pop_back();  // the terminating zero
  return wide;
}

void NoteFailure(const std::string& reason) {
  if (startFailure.empty()) startFailure = reason;
}

std::string SdlError() {
  const std::string error = SDL_GetError();
  return error.empty() ? std::string() : " (" + error + ")";
}

// Passes every step on to the real system, and notes the first that failed.
class StartFailureNotes final : public System {
 public:
  explicit StartFailureNotes(std::unique_ptr<System> real) : real_(std::move(real)) {}

  void InitSubsystems() override { real_->InitSubsystems(); }
  bool CreateWindow() override {
    const bool made = real_->CreateWindow();
    if (!made) NoteFailure("no window could be opened" + SdlError() + ".");
    return made;
  }
  bool CreateRenderer() override {
    const bool made = real_->CreateRenderer();
    if (!made) NoteFailure("nothing could draw in the window" + SdlError() + ".");
    return made;
  }
  bool InitAudioEngine() override {
    const bool made = real_->InitAudioEngine();
    if (!made) NoteFailure("the sound could not be started.");
    return made;
  }
  void ConfigureDisplay() override { real_->ConfigureDisplay(); }
  void SetMasterVolume(float volume) override { real_->SetMasterVolume(volume); }
  unsigned RandomSeed() override { return real_->RandomSeed(); }
  void LoadTexture(TextureId texture, const char* path) override { real_->LoadTexture(texture, path); }
  void FreeSurfaces() override { real_->FreeSurfaces(); }
  bool TextureLoaded(TextureId texture) override { return real_->TextureLoaded(texture); }
  // The game logs one line only, the picture it could not load.
  void Log(const char* message) override {
    real_->Log(message);
    NoteFailure(std::string(message) +
                "\n\nIts pictures and sounds belong in the Assets folder beside Tarnwick.exe:"
                " unzip or install the whole game again.");
  }
  void CreateSound(SoundId sound, const char* path) override { real_->CreateSound(sound, path); }
  void UninitAudioEngine() override { real_->UninitAudioEngine(); }
  void DestroyTexture(TextureId texture) override { real_->DestroyTexture(texture); }
  void DestroyRenderer() override { real_->DestroyRenderer(); }
  void DestroyWindow() override { real_->DestroyWindow(); }
  void Quit() override { real_->Quit(); }
  Platform& GamePlatform() override { return real_->GamePlatform(); }
  void PauseSound() override { real_->PauseSound(); }
  void ResumeSound() override { real_->ResumeSound(); }
  bool IsFullScreen() override { return real_->IsFullScreen(); }
  void SetFullScreen(bool full) override { real_->SetFullScreen(full); }

 private:
  std::unique_ptr<System> real_;
};

}  // namespace

bool AttachParentConsole() {
  // Redirected output came with the process; only what has no handle yet
  // goes to the console.
  const bool outGiven = HandleGiven(STD_OUTPUT_HANDLE);
  const bool errorGiven = HandleGiven(STD_ERROR_HANDLE);
  if (!AttachConsole(ATTACH_PARENT_PROCESS)) return false;
  if (!outGiven) std::freopen("CONOUT$", "w", stdout);
  if (!errorGiven) std::freopen("CONOUT$", "w", stderr);
  return true;
}

void UseAssetsBesideProgram() {
  if (IsFolder(L"Assets")) return;
  const std::wstring folder = ProgramFolder();
  if (!folder.empty() && IsFolder(folder + L"\\Assets")) SetCurrentDirectoryW(folder.c_str());
}

std::unique_ptr<System> NotingStartFailures(std::unique_ptr<System> real) {
  return std::make_unique<StartFailureNotes>(std::move(real));
}

void ShowStartFailure() {
  const std::string text =
      "Tarnwick could not start:\n\n" + (startFailure.empty() ? std::string("it does not know why.") : startFailure);
  MessageBoxW(nullptr, Wide(text).c_str(), L"Tarnwick", MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
}

#endif
