#include "Library.h"

namespace art {

void AddCabinOutsidePictures(Painters&) {}

}  // namespace art
