// The settings kept as a file in the player's settings folder (on the web, in
// the browser's local storage under the same text).
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "platform/SettingsStore.h"

#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#elif defined(_WIN32)
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

#ifdef __EMSCRIPTEN__

constexpr const char* StorageKey = "tarnwick.settings";

EM_JS(char*, ReadLocalStorage, (const char* key), {
  let text = null;
  try { text = window.localStorage.getItem(UTF8ToString(key)); } catch (e) {}
  if (text === null) return 0;
  const size = lengthBytesUTF8(text) + 1;
  const buffer = _malloc(size);
  stringToUTF8(text, buffer, size);
  return buffer;
});

EM_JS(int, WriteLocalStorage, (const char* key, const char* text), {
  try { window.localStorage.setItem(UTF8ToString(key), UTF8ToString(text)); return 1; } catch (e) { return 0; }
});

class LocalStorageSettings final : public SettingsStore {
 public:
  std::optional<std::string> Read(std::size_t limit, bool& whole) override {
    char* text = ReadLocalStorage(StorageKey);
    if (!text) return std::nullopt;
    std::string kept(text);
    std::free(text);
    whole = kept.size() <= limit;
    if (!whole) kept.resize(limit);
    return kept;
  }
  bool Write(const std::string& text, std::string& error) override {
    if (WriteLocalStorage(StorageKey, text.c_str())) return true;
    error = "the browser keeps no local storage for this page";
    return false;
  }
  std::string Place() const override { return "the browser's local storage"; }
  void Say(const std::string& line) override { std::fprintf(stderr, "%s\n", line.c_str()); }
};

#else

namespace fs = std::filesystem;

// $XDG_CONFIG_HOME/tarnwick (or ~/.config/tarnwick) on Linux; the player's
// application-data folder on Windows. Empty without a home folder: a folder
// made wherever the game happened to start would be found by no later run.
fs::path SettingsFolder() {
#ifdef _WIN32
  // Wide, as Windows names a folder of a player whose name is not ASCII.
  if (const wchar_t* appData = _wgetenv(L"APPDATA"); appData && *appData) return fs::path(appData) / "Tarnwick";
#else
  if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config == '/') return fs::path(config) / "tarnwick";
  if (const char* home = std::getenv("HOME"); home && *home) return fs::path(home) / ".config" / "tarnwick";
#endif
  return {};
}

#ifdef _WIN32
constexpr const char* NoHome = "there is no home folder: APPDATA is not set";
#else
constexpr const char* NoHome = "there is no home folder: neither HOME nor XDG_CONFIG_HOME is set";
#endif

// What Notepad on Windows 7 and 8 shows as lines: Windows' own line ends.
std::string SystemLineEnds(const std::string& text) {
#ifdef _WIN32
  std::string crlf;
  for (const char c : text) {
    if (c == '\n') crlf += '\r';
    crlf += c;
  }
  return crlf;
#else
  return text;
#endif
}

std::FILE* Open(const fs::path& path, bool write) {
#ifdef _WIN32
  return _wfopen(path.c_str(), write ? L"wb" : L"rb");
#else
  return std::fopen(path.c_str(), write ? "wb" : "rb");
#endif
}

class FileSettings final : public SettingsStore {
 public:
  FileSettings() {
    if (const fs::path folder = SettingsFolder(); !folder.empty()) path_ = folder / "settings.conf";
  }

  std::optional<std::string> Read(std::size_t limit, bool& whole) override {
    if (path_.empty()) return std::nullopt;
    std::FILE* file = Open(path_, false);
    if (!file) return std::nullopt;
    std::string text(limit + 1, '\0');
    const std::size_t got = std::fread(text.data(), 1, text.size(), file);
    std::fclose(file);
    whole = got <= limit;
    text.resize(whole ? got : limit);
    return text;
  }

  bool Write(const std::string& given, std::string& error) override {
    if (path_.empty()) return error = NoHome, false;
    const std::string text = SystemLineEnds(given);
    std::error_code ec;
    fs::create_directories(path_.parent_path(), ec);
    // The new text goes to a file of its own, reaches the disk, and is then
    // renamed over the old: the rename is the one step that changes what is kept.
    fs::path fresh = path_;
    fresh += ".new";
    std::FILE* file = Open(fresh, true);
    if (!file) return Failed(error);
    bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size() && std::fflush(file) == 0;
#ifdef _WIN32
    written = written && _commit(_fileno(file)) == 0;
#else
    written = written && fsync(fileno(file)) == 0;
#endif
    const int savedErrno = errno;
    written = std::fclose(file) == 0 && written;
    if (!written) {
      errno = savedErrno;
      Failed(error);
      fs::remove(fresh, ec);
      return false;
    }
    fs::rename(fresh, path_, ec);
    if (ec) {
      error = ec.message();
      fs::remove(fresh, ec);
      return false;
    }
    return true;
  }

  std::string Place() const override {
    return path_.empty() ? std::string() : reinterpret_cast<const char*>(path_.u8string().c_str());
  }
  void Say(const std::string& line) override { std::fprintf(stderr, "%s\n", line.c_str()); }

 private:
  static bool Failed(std::string& error) {
    error = std::strerror(errno);
    return false;
  }
  fs::path path_;
};

#endif

}  // namespace

std::unique_ptr<SettingsStore> MakeSettingsStore() {
#ifdef __EMSCRIPTEN__
  return std::make_unique<LocalStorageSettings>();
#else
  return std::make_unique<FileSettings>();
#endif
}
