#include "platform/picture.h"

#include "resources/pictures.h"
#include "resources/resource_ids.h"

#include <QPainter>
#include <QSvgRenderer>

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

QIcon ApplicationIcon() {
    QIcon icon;
    for (const int side : {16, 24, 32, 48, 64, 128, 256}) {
        icon.addPixmap(RenderPicture(IDR_MAINFRAME, QSize(side, side)));
    }
    return icon;
}
