#include "Scenes.h"

#include "world/SceneTable.h"

FrameDriver ArrivedIn(int scene) {
  FrameDriver driver;
  driver.Frame();
  driver.state.SceneIndex = scene - 1;
  driver.state.DialogueActive = false;
  ApplySceneRow(driver.state, driver.rec.audio, 255);
  return driver;
}

FrameDriver StandingIn(int scene, TextureId backdrop, FRect view) {
  FrameDriver driver;
  driver.Frame();
  driver.state.SceneIndex = scene;
  driver.state.BackgroundTexture = backdrop;
  driver.state.BackgroundRect = view;
  driver.state.DialogueActive = false;
  return driver;
}
