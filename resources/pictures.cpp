#include "resources/pictures.h"

#include "resources/resource_ids.h"

std::string_view PictureResourcePath(int pictureId) {
    switch (pictureId) {
    case IDR_MAINFRAME:
        return ":/pictures/icon.svg";
    case IDB_MODULE:
        return ":/pictures/module.svg";
    case IDB_EDGE_FALLING:
        return ":/pictures/edge_falling.svg";
    case IDB_EDGE_RISING:
        return ":/pictures/edge_rising.svg";
    default:
        return "";
    }
}
