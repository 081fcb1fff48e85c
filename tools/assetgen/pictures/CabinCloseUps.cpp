#include "Library.h"

namespace art {

void AddCabinCloseUps(Painters&) {}

}  // namespace art
