#include "platform/WindowsProgram.h"

#ifdef _WIN32

#include "platform/StartFailureNotes.h"

#include <windows.h>
// Windows' macro for its own function would rename the system's step.
#undef CreateWindow

#include <cstdio>
#include <string>
#include <vector>

namespace {

// The real system, wrapped to note why a start fails.
StartFailureNotes* startNotes = nullptr;

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
  auto notes = std::make_unique<StartFailureNotes>(std::move(real));
  startNotes = notes.get();
  return notes;
}

void ShowStartFailure() {
  const std::string reason = startNotes ? startNotes->Reason() : std::string();
  const std::string text = "Tarnwick could not start:\n\n" + (reason.empty() ? std::string("it does not know why.") : reason);
  MessageBoxW(nullptr, Wide(text).c_str(), L"Tarnwick", MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
}

#endif
