#pragma once
// Where the player's settings are kept between runs: a small text file in the
// player's own settings folder on the desktop, the browser's local storage on
// the web. The text itself is the shell's to read and write.

#include <memory>
#include <optional>
#include <string>

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // The kept text; nothing when none was ever kept. At most `limit` bytes
  // are read; `whole` tells whether that was all of it.
  virtual std::optional<std::string> Read(std::size_t limit, bool& whole) = 0;
  // Replaces the kept text in one step (a power cut leaves the old text or
  // the new, never half of one). False, with the reason, when it could not.
  virtual bool Write(const std::string& text, std::string& error) = 0;
  // Where it is kept, for the player: a path, or the browser's storage;
  // empty where there is nowhere to keep it (no home folder).
  virtual std::string Place() const = 0;
  // One line for the player, on the standard error (or the web page's console).
  virtual void Say(const std::string& line) = 0;
};

// The real store of this platform.
std::unique_ptr<SettingsStore> MakeSettingsStore();
