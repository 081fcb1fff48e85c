// Every sound file is there, decodes as the game decodes it, and sits at its
// level: headroom below full scale (the game plays at a master volume of 1.5
// and mixes several sounds at once), the beds under the effects, and the
// scares above everything.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <set>

#include "SoundChecks.h"
#include "record/Sounds.h"
#include "sounds/SoundBook.h"

namespace {

using namespace soundcheck;

struct Measured {
  std::string path;
  bool persistent;
  double seconds;
  double peakDb;
  double loudnessDb;  // the loudest 400 ms
};

const std::set<std::string> Scares = {"Jumpscare.mp3", "ItGettingAwayScare.mp3", "CreepyYell.mp3",
                                      "GlassShatter.mp3"};

// Decoded once for all the tests here.
const std::vector<Measured>& All() {
  static const std::vector<Measured> all = [] {
    std::vector<Measured> out;
    auto add = [&](const char* path, bool persistent) {
      const DecodedAudio d = DecodeMp3(BuiltPath(path));
      if (!d.ok) {
        out.push_back({path, persistent, 0, -240, -240});
        return;
      }
      const sound::Sound s = ToSound(d);
      out.push_back({path, persistent, static_cast<double>(d.Frames()) / d.sampleRate, Db(sound::Peak(s)),
                     Db(sound::Loudness(s))});
    };
    for (const SoundEntry& e : SoundCatalog) add(e.path, true);
    for (const char* p : PlayOnceSoundFiles) add(p, false);
    return out;
  }();
  return all;
}

bool IsScare(const Measured& m) { return Scares.count(FileName(m.path)) > 0; }

TEST(SoundFiles, AllFortySixDecodeAtCdRateInMonoOrStereo) {
  for (const SoundEntry& e : SoundCatalog) {
    const DecodedAudio d = DecodeMp3(BuiltPath(e.path));
    ASSERT_TRUE(d.ok) << e.path;
    EXPECT_EQ(d.sampleRate, 44100) << e.path;
    EXPECT_TRUE(d.channels == 1 || d.channels == 2) << e.path;
  }
  for (const char* p : PlayOnceSoundFiles) {
    const DecodedAudio d = DecodeMp3(BuiltPath(p));
    ASSERT_TRUE(d.ok) << p;
    EXPECT_EQ(d.sampleRate, 44100) << p;
    EXPECT_TRUE(d.channels == 1 || d.channels == 2) << p;
  }
  EXPECT_EQ(All().size(), 46u);
}

TEST(SoundFiles, LengthsSuitTheirUse) {
  for (const Measured& m : All()) {
    if (m.persistent) {
      // Beds and songs run under whole scenes.
      EXPECT_GE(m.seconds, 8.0) << m.path;
      EXPECT_LE(m.seconds, 40.0) << m.path;
    } else {
      // Effects are over quickly.
      EXPECT_GE(m.seconds, 0.05) << m.path;
      EXPECT_LE(m.seconds, 6.0) << m.path;
    }
  }
}

TEST(SoundLevels, EveryPeakStaysBelowMinusOneDb) {
  for (const Measured& m : All()) {
    EXPECT_LT(m.peakDb, -1.0) << m.path;
    EXPECT_GT(m.loudnessDb, -45.0) << m.path << " is all but silent";
  }
}

// Played alone through the game's master volume, every file stays a decibel
// under full scale.
TEST(SoundLevels, EveryFileAloneIsHeardADecibelUnderFullScale) {
  for (const Measured& m : All()) EXPECT_LE(m.peakDb + Db(record::MasterVolume), -1.0) << m.path;
}

TEST(SoundLevels, BedsSitUnderTheEffects) {
  std::vector<double> effects;
  double loudestBed = -240;
  std::string loudestBedName;
  for (const Measured& m : All()) {
    if (m.persistent) {
      if (m.loudnessDb > loudestBed) {
        loudestBed = m.loudnessDb;
        loudestBedName = m.path;
      }
    } else {
      effects.push_back(m.loudnessDb);
    }
  }
  std::sort(effects.begin(), effects.end());
  const double median = effects[effects.size() / 2];
  EXPECT_LT(loudestBed, median) << loudestBedName << " is louder than the typical effect";
  EXPECT_LT(loudestBed, -20.0) << loudestBedName;
}

TEST(SoundLevels, TheScaresAreTheLoudestOfAll) {
  double quietestScare = 0, loudestOther = -240;
  std::string quietestName, loudestName;
  for (const Measured& m : All()) {
    if (IsScare(m)) {
      if (m.loudnessDb < quietestScare) {
        quietestScare = m.loudnessDb;
        quietestName = m.path;
      }
    } else if (m.loudnessDb > loudestOther) {
      loudestOther = m.loudnessDb;
      loudestName = m.path;
    }
  }
  EXPECT_GT(quietestScare, loudestOther) << quietestName << " is not louder than " << loudestName;
  // And the jumpscare is a jolt: loud from its very first moments.
  for (const Measured& m : All())
    if (FileName(m.path) == "Jumpscare.mp3") {
      EXPECT_GT(m.loudnessDb, -10.0);
    }
  const sound::Sound jump = ToSound(DecodeMp3(BuiltPath(JumpscareFile)));
  sound::Sound first{{sound::Track(jump.channels[0].begin(), jump.channels[0].begin() + 4410)}};
  EXPECT_GT(Db(sound::Rms(first)), -16.0) << "the jumpscare's first 100 ms";
}

TEST(SoundLevels, PrintsTheTable) {
  std::printf("%-38s %8s %8s %8s\n", "file", "seconds", "peak dB", "loud dB");
  for (const Measured& m : All())
    std::printf("%-38s %8.2f %8.1f %8.1f\n", m.path.c_str(), m.seconds, m.peakDb, m.loudnessDb);
}

}  // namespace
