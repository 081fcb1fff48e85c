#include "Library.h"

namespace art {

void AddComputerPictures(Painters&) {}

}  // namespace art
