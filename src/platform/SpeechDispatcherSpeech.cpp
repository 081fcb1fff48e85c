// Speech on Linux, through Speech Dispatcher: the service the desktop's
// screen reader (Orca) speaks through, so the voice, rate and language are
// the ones the player chose there; the game sets none of them.
#if !defined(_WIN32) && !defined(__EMSCRIPTEN__)
#include <libspeechd.h>
#include <pthread.h>
#include <sys/socket.h>
#include <sys/time.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "platform/SpeechThread.h"
#include "platform/SystemSpeech.h"

namespace {

// Speech Dispatcher answers every request as soon as it has queued it, long
// before it is spoken: one that has not answered in this time has hung.
constexpr timeval ReplyWait{3, 0};

// Used on the speech thread only (SpeechThread.h).
class SpeechDispatcherVoice final : public Voice {
 public:
  SpeechDispatcherVoice() {
    // A service that has closed its socket makes a write raise SIGPIPE,
    // which would end the game. Blocked on this thread (which alone writes
    // to the service), the write fails with EPIPE instead.
    sigemptyset(&pipeSignal_);
    sigaddset(&pipeSignal_, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipeSignal_, nullptr);
  }
  ~SpeechDispatcherVoice() override { Close(); }

  bool Open(std::string& why) override {
    char* error = nullptr;
    // The address as libspeechd finds it (SPEECHD_ADDRESS, or the user's own
    // socket). The service is started on the user's socket if it is not
    // running, as for any of its clients; an address the player set names a
    // service they run themselves.
    const bool spawn = std::getenv("SPEECHD_ADDRESS") == nullptr;
    connection_ = spd_open2("tarnwick", "game", nullptr, SPD_MODE_SINGLE, nullptr, spawn, &error);
    if (!connection_) {
      why = "no speech: Speech Dispatcher could not be reached (" + std::string(error ? error : "no reason given") +
            "); the game goes on silent";
      std::free(error);
      return false;
    }
    setsockopt(connection_->socket, SOL_SOCKET, SO_RCVTIMEO, &ReplyWait, sizeof ReplyWait);
    setsockopt(connection_->socket, SOL_SOCKET, SO_SNDTIMEO, &ReplyWait, sizeof ReplyWait);
    return true;
  }

  bool Speak(const std::string& text, std::string& why) override {
    return Answered(spd_say(connection_, SPD_TEXT, text.c_str()) >= 0, why);
  }

  bool Cancel(std::string& why) override { return Answered(spd_cancel(connection_) == 0, why); }

  void Close() override {
    if (connection_) spd_close(connection_);
    connection_ = nullptr;
    DropPipeSignal();
  }

 private:
  bool Answered(bool answered, std::string& why) {
    if (answered) return true;
    why = "speech: Speech Dispatcher stopped answering; the game goes on silent";
    return false;
  }

  // A SIGPIPE raised while blocked waits on this thread; let it go.
  void DropPipeSignal() {
    const timespec now{0, 0};
    while (sigtimedwait(&pipeSignal_, nullptr, &now) == SIGPIPE) {
    }
  }

  SPDConnection* connection_ = nullptr;
  sigset_t pipeSignal_{};
};

}  // namespace

std::unique_ptr<Speech> MakeSystemSpeech() {
  return std::make_unique<SpeechThread>([] { return std::make_unique<SpeechDispatcherVoice>(); },
                                        [](const std::string& line) { std::fprintf(stderr, "tarnwick: %s\n", line.c_str()); });
}
#endif
