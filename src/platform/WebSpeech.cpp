// Speech on the web: each text goes to the page at once, which puts it into
// its live region (read by the player's own screen reader, with their voice
// and rate, whether or not speech is on) and, with speech on, has the
// browser's own voice say it as well (page.js). Nothing waits for either.
#ifdef __EMSCRIPTEN__
#include <emscripten.h>

#include <string>

#include "platform/SystemSpeech.h"

namespace {

EM_JS(void, PageSays, (const char* text, int interrupt), {
  if (Module["onSpeech"]) Module["onSpeech"](UTF8ToString(text), !!interrupt);
});
EM_JS(void, PageSilences, (), {
  if (Module["onSilence"]) Module["onSilence"]();
});
EM_JS(void, PageVoiceOn, (int on), {
  if (Module["onVoice"]) Module["onVoice"](!!on);
});

class WebSpeech final : public Speech {
 public:
  void Say(std::string_view text, bool interrupt) override { PageSays(std::string(text).c_str(), interrupt ? 1 : 0); }
  void Silence() override { PageSilences(); }
  void SetOn(bool on) override { PageVoiceOn(on ? 1 : 0); }
  // The live region is always fed: a player whose screen reader runs needs
  // to turn nothing on.
  bool HeardWithSpeechOff() const override { return true; }
};

}  // namespace

std::unique_ptr<Speech> MakeSystemSpeech() { return std::make_unique<WebSpeech>(); }
// A page cannot know whether a screen reader runs.
bool SystemScreenReaderRunning() { return false; }
#endif
