#pragma once
// The system's voice on a thread of its own, so that a speech service that is
// slow, dies or hangs never holds up a frame: Say and Silence only put a
// request in a queue; the thread hands them to the Voice in order. The thread
// starts with the first request, and so does the voice (a player who never
// turns speech on never reaches the service).

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "platform/Speech.h"

// One system's speech service, used by the speech thread only.
class Voice {
 public:
  virtual ~Voice() = default;
  // Reaches the service. False when it cannot; `why` then says why.
  virtual bool Open(std::string& why) = 0;
  // Queued after what is being said. False when the service is lost.
  virtual bool Speak(const std::string& text, std::string& why) = 0;
  // Stops what is being said and what waits. False when the service is lost.
  virtual bool Cancel(std::string& why) = 0;
  // Lets the service go (also after it was lost).
  virtual void Close() = 0;
};

struct SpeechThreadLimits {
  // How long quitting waits for the thread to let the service go; a thread
  // still held by a hung service is then left to the process's end.
  std::chrono::milliseconds quitWait{500};
  // After the service failed, how long before it is tried again (a service
  // that was restarted speaks again; one that is missing is not asked at
  // every line).
  std::chrono::milliseconds retryAfter{10000};
  // Texts kept waiting at most while the service does not take them; the
  // oldest go first.
  size_t waitingTexts = 64;
};

class SpeechThread final : public Speech {
 public:
  // `makeVoice` runs on the thread. `said` takes the one line said when the
  // service first fails (stderr in the game).
  SpeechThread(std::function<std::unique_ptr<Voice>()> makeVoice, std::function<void(const std::string&)> said,
               SpeechThreadLimits limits = {});
  ~SpeechThread() override;
  SpeechThread(const SpeechThread&) = delete;
  SpeechThread& operator=(const SpeechThread&) = delete;

  void Say(std::string_view text, bool interrupt) override;
  void Silence() override;

  struct Shared;

 private:
  void StartThread();

  std::shared_ptr<Shared> shared_;
  bool started_ = false;
};
