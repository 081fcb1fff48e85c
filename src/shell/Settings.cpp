#include "shell/Settings.h"

#include <charconv>

namespace {

std::string_view Trim(std::string_view s) {
  const auto first = s.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

bool ReadSwitch(std::string_view value, bool& to) {
  if (value == "on" || value == "yes" || value == "true") return to = true, true;
  if (value == "off" || value == "no" || value == "false") return to = false, true;
  return false;
}

bool ReadVolume(std::string_view value, int& to) {
  int percent = -1;
  const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), percent);
  if (ec != std::errc() || end != value.data() + value.size()) return false;
  if (percent < 0 || percent > 100 || percent % VolumeStepPercent != 0) return false;
  to = percent;
  return true;
}

// Why one line is not understood; empty when it set what it names.
std::string ReadLine(std::string_view line, GameOptions& options, bool& speechChosen) {
  const auto equals = line.find('=');
  if (equals == std::string_view::npos) return "no '=' in it";
  const std::string_view name = Trim(line.substr(0, equals));
  const std::string_view value = Trim(line.substr(equals + 1));
  bool known = true, read = false;
  if (name == "captions")
    read = ReadSwitch(value, options.Captions);
  else if (name == "reduce-flashing")
    read = ReadSwitch(value, options.ReduceFlashing);
  else if (name == "full-screen")
    read = ReadSwitch(value, options.FullScreen);
  else if (name == "volume")
    read = ReadVolume(value, options.VolumePercent);
  else if (name == "speech")
    read = speechChosen = ReadSwitch(value, options.Speech);
  else
    known = false;
  if (!known) return "no setting is called '" + std::string(name.substr(0, 40)) + "'";
  if (!read)
    return "'" + std::string(value.substr(0, 40)) + "' is no value for " + std::string(name) +
           (name == "volume" ? " (0 to 100, in steps of 10)" : " (on or off)");
  return {};
}

bool Printable(std::string_view line) {
  for (const char c : line)
    if ((static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\r') || c == 0x7f) return false;
  return true;
}

}  // namespace

SettingsReading ReadSettingsText(std::string_view text, bool whole) {
  SettingsReading reading;
  // Notepad before Windows 10's 1903, and PowerShell 5, begin UTF-8 text with
  // an invisible byte-order mark: it says nothing.
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  int unread = 0;
  std::string first;
  int number = 0;
  while (!text.empty()) {
    const auto end = text.find('\n');
    std::string_view line = text.substr(0, end);
    // A last line cut off where reading stopped is not a line at all.
    const bool cut = end == std::string_view::npos && !whole;
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    ++number;
    if (cut) break;
    const std::string_view content = Trim(line);
    if (content.empty() || content.front() == '#') continue;
    std::string why = Printable(content) ? ReadLine(content, reading.options, reading.speechChosen) : "it is not text";
    if (why.empty()) continue;
    if (unread++ == 0) first = "line " + std::to_string(number) + ": " + why;
  }
  if (!whole)
    reading.problem = "it is longer than a settings file can be; only its first " +
                      std::to_string(SettingsLimitBytes) + " bytes were read";
  if (unread > 0) {
    if (!reading.problem.empty()) reading.problem += "; ";
    reading.problem += std::to_string(unread) + (unread == 1 ? " line was" : " lines were") + " not understood (" +
                       first + ")";
  }
  return reading;
}

std::string SettingsText(const GameOptions& options, bool speechChosen) {
  const auto onOff = [](bool on) { return on ? "on" : "off"; };
  return std::string("# Tarnwick's settings, as chosen in its pause menu (Escape).\n") +
         "captions = " + onOff(options.Captions) + "\n" +
         "reduce-flashing = " + onOff(options.ReduceFlashing) + "\n" +
         "volume = " + std::to_string(options.VolumePercent) + "\n" +
         "full-screen = " + onOff(options.FullScreen) + "\n" +
         (speechChosen ? std::string("speech = ") + onOff(options.Speech) + "\n" : "");
}

SettingsKeeper::SettingsKeeper(SettingsStore& store) : store_(store) {
  bool whole = true;
  const auto text = store_.Read(SettingsLimitBytes, whole);
  if (!text) return;
  SettingsReading reading = ReadSettingsText(*text, whole);
  kept_ = reading.options;
  speechChosen_ = reading.speechChosen;
  if (!reading.problem.empty())
    store_.Say("tarnwick: the settings in " + store_.Place() + ": " + reading.problem +
               "; the defaults stand for the rest");
}

void SettingsKeeper::Write() {
  std::string error;
  if (store_.Write(SettingsText(kept_, speechChosen_), error) || failureSaid_) return;
  failureSaid_ = true;
  const std::string place = store_.Place().empty() ? "" : " in " + store_.Place();
  store_.Say("tarnwick: the settings could not be kept" + place + " (" + error + "); they hold for this run");
}

bool SpeechAtStart(std::optional<bool> commandLine, const SettingsKeeper& keeper,
                   const std::function<bool()>& screenReaderRunning) {
  if (commandLine) return *commandLine;
  if (keeper.SpeechChosen()) return keeper.Kept().Speech;
  return screenReaderRunning();
}
