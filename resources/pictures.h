#pragma once

#include <string_view>

// Where the picture of an icon or bitmap resource is kept among the program's embedded files.
std::string_view PictureResourcePath(int pictureId);
