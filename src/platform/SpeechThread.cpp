#include "platform/SpeechThread.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

}  // namespace

// Everything the thread uses, kept alive by the thread itself as well: a
// thread left to a hung service outlives the SpeechThread that started it.
struct SpeechThread::Shared {
  std::function<std::unique_ptr<Voice>()> makeVoice;
  std::function<void(const std::string&)> said;
  SpeechThreadLimits limits;

  std::mutex mutex;
  std::condition_variable wake;
  std::condition_variable finished;
  std::deque<std::optional<std::string>> requests;  // a text, or (empty) a cancel
  bool ending = false;
  bool done = false;
  std::thread thread;
};

namespace {

void SpeakInTurn(const std::shared_ptr<SpeechThread::Shared>& shared) {
  std::unique_ptr<Voice> voice;
  bool open = false;
  bool told = false;
  std::optional<Clock::time_point> failedAt;
  const auto lost = [&](const std::string& why) {
    voice->Close();
    open = false;
    failedAt = Clock::now();
    if (!told) shared->said(why);
    told = true;
  };
  for (;;) {
    std::optional<std::string> request;
    {
      std::unique_lock lock(shared->mutex);
      shared->wake.wait(lock, [&] { return shared->ending || !shared->requests.empty(); });
      if (shared->ending) break;
      request = std::move(shared->requests.front());
      shared->requests.pop_front();
    }
    std::string why;
    if (!open) {
      // Without a service nothing is being said, so there is nothing to cancel.
      if (!request) continue;
      if (failedAt && Clock::now() - *failedAt < shared->limits.retryAfter) continue;
      if (!voice) voice = shared->makeVoice();
      if (!voice->Open(why)) {
        lost(why);
        continue;
      }
      open = true;
    }
    if (!(request ? voice->Speak(*request, why) : voice->Cancel(why))) lost(why);
  }
  if (voice) voice->Close();
  {
    std::lock_guard lock(shared->mutex);
    shared->done = true;
  }
  shared->finished.notify_all();
}

}  // namespace

SpeechThread::SpeechThread(std::function<std::unique_ptr<Voice>()> makeVoice,
                           std::function<void(const std::string&)> said, SpeechThreadLimits limits)
    : shared_(std::make_shared<Shared>()) {
  shared_->makeVoice = std::move(makeVoice);
  shared_->said = std::move(said);
  shared_->limits = limits;
}

SpeechThread::~SpeechThread() {
  if (!started_) return;
  std::unique_lock lock(shared_->mutex);
  shared_->ending = true;
  shared_->requests.clear();
  shared_->wake.notify_all();
  const bool done = shared_->finished.wait_for(lock, shared_->limits.quitWait, [&] { return shared_->done; });
  lock.unlock();
  if (done)
    shared_->thread.join();
  else
    shared_->thread.detach();
}

void SpeechThread::StartThread() {
  started_ = true;
  shared_->thread = std::thread(SpeakInTurn, shared_);
}

void SpeechThread::Say(std::string_view text, bool interrupt) {
  // An empty text is nothing to say (and a service may refuse it); an
  // interrupting one still stops what is said.
  if (text.empty()) {
    if (interrupt) Silence();
    return;
  }
  if (!started_) StartThread();
  {
    std::lock_guard lock(shared_->mutex);
    if (interrupt) {
      shared_->requests.clear();
      shared_->requests.emplace_back();
    }
    while (shared_->requests.size() >= shared_->limits.waitingTexts) shared_->requests.pop_front();
    shared_->requests.emplace_back(std::string(text));
  }
  shared_->wake.notify_one();
}

void SpeechThread::Silence() {
  // Before the first text nothing has been said.
  if (!started_) return;
  {
    std::lock_guard lock(shared_->mutex);
    shared_->requests.clear();
    shared_->requests.emplace_back();
  }
  shared_->wake.notify_one();
}
