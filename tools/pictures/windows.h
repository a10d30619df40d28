#pragma once
// The generator's pictures that the bench does not draw itself: those of
// the program's own windows and the components box's own buttons.

#include <vector>

#include "pictures/picture.h"

namespace voltaro::pictures {

void add_windows(std::vector<Picture>& out);
void add_box(std::vector<Picture>& out);

}  // namespace voltaro::pictures
