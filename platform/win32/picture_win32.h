#pragma once

#include "platform/win32/windows_api.h"

// A bitmap resource scaled to the given size in pixels over the dialog's background; its
// transparent parts show the background. The caller owns the result.
HBITMAP ScaledPicture(int pictureId, SIZE size);

// An icon resource at the given size in pixels; the caller owns the result.
HICON LoadIconOfSize(int iconId, int side);
