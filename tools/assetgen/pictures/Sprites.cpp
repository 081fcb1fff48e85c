#include "Library.h"

namespace art {

void AddSpritePictures(Painters&) {}

}  // namespace art
