#pragma once
// Decoding the game's pictures ahead of their loading. Once started, worker
// threads decode every picture of the texture catalog, in catalog order; the
// loading then takes each one as it comes to it and only has the renderer make
// the texture. Started while the display switches to full screen, the decoding
// costs the start-up little more than the wait for the last picture, if any.
//
// The workers use libpng alone, never SDL: every SDL call stays on the game's
// thread. They decode only the kind of file every picture of the game is, an
// 8-bit RGBA PNG without interlacing, whose pixels SDL_image would deliver
// unchanged; a file of any other kind, or one they cannot read, is left to the
// loading to read itself with SDL_image, exactly as it would without them.

#include <SDL.h>

#include <array>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "assets/TextureCatalog.h"

// The pixels of an 8-bit RGBA picture, rows packed, top row first.
struct RgbaPicture {
  std::unique_ptr<unsigned char[]> pixels;
  int width = 0;
  int height = 0;
};

// Decodes `path` when it is an 8-bit RGBA PNG without interlacing; false for a
// missing file, any other kind of file, or a damaged one.
bool DecodeRgbaPng(const char* path, RgbaPicture& picture);

class PictureReader {
 public:
  PictureReader() = default;
  ~PictureReader() { Stop(); }
  PictureReader(const PictureReader&) = delete;
  PictureReader& operator=(const PictureReader&) = delete;

  // Starts decoding the whole catalog on `workers` threads (at least one).
  // Does nothing while an earlier start has not been stopped.
  void Start(int workers);
  // A surface (RGBA32) over the picture's decoded pixels, waiting for the
  // workers to reach it if need be; null when the reading was not started,
  // the picture was already taken, or it was not decoded ahead (then the
  // caller reads the file itself). The caller frees the surface before
  // Release or Stop, which free the pixels under it.
  SDL_Surface* Take(TextureId id);
  // Frees the decoded pixels of a picture that has been taken.
  void Release(TextureId id);
  // Waits for the workers and frees every decoded picture left.
  void Stop();

 private:
  void Work();

  std::mutex mutex_;
  std::condition_variable decoded_;
  std::array<RgbaPicture, TextureCount> pictures_{};
  std::array<bool, TextureCount> done_{};
  std::array<bool, TextureCount> usable_{};
  std::array<bool, TextureCount> taken_{};
  int next_ = TextureCount;  // the next picture a worker decodes
  bool started_ = false;
  std::vector<std::thread> workers_;
};
