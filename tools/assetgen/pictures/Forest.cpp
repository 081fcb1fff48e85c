#include "Library.h"

namespace art {

void AddForestPictures(Painters&) {}

}  // namespace art
