#pragma once

#include <QIcon>
#include <QPixmap>

// Renders an icon or bitmap resource at the given size in device-independent pixels, sharp on
// high-density screens too.
QPixmap RenderPicture(int pictureId, QSize size, qreal devicePixelRatio = 1.0);

QIcon RenderIcon(int iconId);
