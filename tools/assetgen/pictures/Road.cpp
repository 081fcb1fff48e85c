#include "Library.h"

namespace art {

void AddRoadPictures(Painters&) {}

}  // namespace art
