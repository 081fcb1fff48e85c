// Speech on Windows, through SAPI 5, the Speech API every Windows has: its
// default voice, at the rate and in the language the player chose in
// Windows' settings. SAPI is reached through COM at run time, on the speech
// thread (SpeechThread.h), so a Windows or a Wine without it starts and plays
// the game all the same, silently.
#ifdef _WIN32
#include <windows.h>
// (windows.h first: sapi.h needs its types.)
#include <sapi.h>

#include <cstdio>

#include "platform/SpeechThread.h"
#include "platform/SystemSpeech.h"

namespace {

std::wstring Wide(const std::string& text) {
  const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  return wide;
}

std::string Failure(const char* what, HRESULT result) {
  char code[16];
  std::snprintf(code, sizeof code, "0x%08lX", static_cast<unsigned long>(result));
  return std::string(what) + " (error " + code + "); the game goes on silent";
}

// Used on the speech thread only.
class SapiVoice final : public Voice {
 public:
  ~SapiVoice() override { Close(); }

  bool Open(std::string& why) override {
    const HRESULT com = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    if (FAILED(com)) {
      why = Failure("no speech: COM could not be started for Windows' speech", com);
      return false;
    }
    comStarted_ = true;
    const HRESULT made = CoCreateInstance(CLSID_SpVoice, nullptr, CLSCTX_ALL, IID_ISpVoice,
                                          reinterpret_cast<void**>(&voice_));
    if (FAILED(made)) {
      voice_ = nullptr;
      why = Failure("no speech: Windows' speech (SAPI) could not be reached", made);
      return false;
    }
    return true;
  }

  // Queued by SAPI, which speaks on a thread of its own: it returns at once.
  // The text is words, never SAPI's markup.
  bool Speak(const std::string& text, std::string& why) override {
    const HRESULT said = voice_->Speak(Wide(text).c_str(), SPF_ASYNC | SPF_IS_NOT_XML, nullptr);
    if (SUCCEEDED(said)) return true;
    why = Failure("speech: Windows' speech (SAPI) failed", said);
    return false;
  }

  bool Cancel(std::string& why) override {
    const HRESULT purged = voice_->Speak(nullptr, SPF_ASYNC | SPF_PURGEBEFORESPEAK, nullptr);
    if (SUCCEEDED(purged)) return true;
    why = Failure("speech: Windows' speech (SAPI) failed", purged);
    return false;
  }

  void Close() override {
    if (voice_) voice_->Release();
    voice_ = nullptr;
    if (comStarted_) CoUninitialize();
    comStarted_ = false;
  }

 private:
  ISpVoice* voice_ = nullptr;
  bool comStarted_ = false;
};

}  // namespace

std::unique_ptr<Speech> MakeSystemSpeech() {
  return std::make_unique<SpeechThread>([] { return std::make_unique<SapiVoice>(); },
                                        [](const std::string& line) { std::fprintf(stderr, "tarnwick: %s\n", line.c_str()); });
}

bool SystemScreenReaderRunning() {
  BOOL running = FALSE;
  return SystemParametersInfoW(SPI_GETSCREENREADER, 0, &running, 0) && running;
}
#endif
