#include "Library.h"

namespace art {

void AddCabinPictures(Painters&) {}

}  // namespace art
