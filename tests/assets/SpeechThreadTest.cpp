// The system's voice on its own thread: an interrupting text drops what waits
// and cancels what is being said before it is spoken.
#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>

#include "platform/SpeechThread.h"

namespace {

// What a voice was asked, in order; its first text holds it until released,
// as a service busy with it would.
struct Heard {
  std::mutex mutex;
  std::condition_variable changed;
  std::vector<std::string> asked;
  bool released = false;
};

class HeldVoice final : public Voice {
 public:
  explicit HeldVoice(Heard& heard) : heard_(heard) {}
  bool Open(std::string&) override { return true; }
  bool Speak(const std::string& text, std::string&) override {
    std::unique_lock lock(heard_.mutex);
    heard_.asked.push_back(text);
    heard_.changed.notify_all();
    heard_.changed.wait(lock, [&] { return heard_.released; });
    return true;
  }
  bool Cancel(std::string&) override {
    std::lock_guard lock(heard_.mutex);
    heard_.asked.push_back("(cancel)");
    heard_.changed.notify_all();
    return true;
  }
  void Close() override {}

 private:
  Heard& heard_;
};

TEST(SpeechThread, AnInterruptingTextDropsWhatWaitsAndCancelsWhatIsSaid) {
  Heard heard;
  {
    SpeechThread speech([&] { return std::make_unique<HeldVoice>(heard); }, [](const std::string&) {});
    speech.Say("morning already...?", false);
    std::unique_lock lock(heard.mutex);
    heard.changed.wait(lock, [&] { return heard.asked.size() == 1; });
    lock.unlock();
    speech.Say("i should get ready for the day.", false);
    speech.Say("i will go brush my teeth.", true);
    lock.lock();
    heard.released = true;
    heard.changed.notify_all();
    heard.changed.wait(lock, [&] { return heard.asked.size() == 3; });
  }
  EXPECT_EQ(heard.asked, (std::vector<std::string>{"morning already...?", "(cancel)", "i will go brush my teeth."}));
}

}  // namespace
