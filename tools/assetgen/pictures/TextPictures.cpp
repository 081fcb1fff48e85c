#include "Library.h"

namespace art {

void AddTextPictures(Painters&) {}

}  // namespace art
