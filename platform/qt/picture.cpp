#include "platform/qt/picture.h"

#include "resources/pictures.h"

#include <QPainter>
#include <QSvgRenderer>
#include <map>

QPixmap RenderPicture(int pictureId, QSize size, qreal devicePixelRatio) {
    const std::string_view path = PictureResourcePath(pictureId);
    QSvgRenderer renderer(QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size())));
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}

// Icons are made once and kept for the whole run, so a handle stays valid.
IconHandle LoadIconResource(int iconId) {
    static std::map<int, QIcon> loaded;
    auto [found, added] = loaded.try_emplace(iconId);
    if (added) {
        for (const int side : {16, 24, 32, 48, 64, 128, 256}) {
            found->second.addPixmap(RenderPicture(iconId, QSize(side, side)));
        }
    }
    return reinterpret_cast<IconHandle>(&found->second);
}

const QIcon& ToQIcon(IconHandle icon) {
    return *reinterpret_cast<const QIcon*>(icon);
}
