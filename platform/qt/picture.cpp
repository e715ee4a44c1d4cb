#include "platform/qt/picture.h"

#include "platform/qt/dialog_builder.h"
#include "resources/pictures.h"

#include <QPainter>
#include <QSvgRenderer>

QPixmap RenderPicture(int pictureId, QSize size, qreal devicePixelRatio) {
    QSvgRenderer renderer(ToQString(PictureResourcePath(pictureId)));
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}

QIcon RenderIcon(int iconId) {
    QIcon icon;
    for (const int side : {16, 24, 32, 48, 64, 128, 256}) {
        icon.addPixmap(RenderPicture(iconId, QSize(side, side)));
    }
    return icon;
}
