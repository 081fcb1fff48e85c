#include "Library.h"

namespace art {

void AddCabinBedroomPictures(Painters&) {}

}  // namespace art
