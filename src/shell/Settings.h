#pragma once
// The player's settings as kept between runs: one "name = value" a line, in
// the words of the command line (captions, reduce-flashing, volume,
// full-screen). Read once at start-up; written whole, and only when the player
// changes a setting in the pause menu. A damaged text never stops the game:
// what can be read is kept, the rest takes its default, and one line says so.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

#include "core/GameOptions.h"
#include "platform/SettingsStore.h"

// More than this is no settings text: only this much of it is read.
inline constexpr std::size_t SettingsLimitBytes = 4096;

struct SettingsReading {
  GameOptions options;  // what the text sets, and the defaults for the rest
  std::string problem;  // empty when every line was understood
  // Whether the text says anything of speech: where it does not, speech
  // follows the system's screen reader.
  bool speechChosen = false;
};

// `whole` false: the text went on past what was read.
SettingsReading ReadSettingsText(std::string_view text, bool whole = true);
// The speech line is written only once the player has chosen (`speechChosen`).
std::string SettingsText(const GameOptions& options, bool speechChosen = true);

// The settings the player keeps, and this run's, which the command line may
// have changed for this run alone.
class SettingsKeeper {
 public:
  // Reads the kept settings (saying in one line what it could not read).
  explicit SettingsKeeper(SettingsStore& store);
  const GameOptions& Kept() const { return kept_; }
  // Whether the player ever turned speech on or off (kept, or this run).
  bool SpeechChosen() const { return speechChosen_; }

  // The player changed one setting in the menu: `run` holds the new value,
  // which is kept, with the other kept settings as they were. A failure to
  // keep it is said once a run; the change holds for the run all the same.
  template <typename Field>
  void Keep(Field GameOptions::*field, const GameOptions& run) {
    kept_.*field = run.*field;
    if constexpr (std::is_same_v<Field, bool>)
      if (field == &GameOptions::Speech) speechChosen_ = true;
    Write();
  }

 private:
  void Write();

  SettingsStore& store_;
  GameOptions kept_;
  bool speechChosen_ = false;
  bool failureSaid_ = false;
};

// Whether the game speaks from the start: as the command line says, else as
// the player last chose, else on while the system's screen reader runs (the
// system is asked only then).
bool SpeechAtStart(std::optional<bool> commandLine, const SettingsKeeper& keeper,
                   const std::function<bool()>& screenReaderRunning);
