#include "app/file_paths.h"

#include <QDir>
#include <QFileInfo>

QString LogFormOfPath(const QString& path) {
    return QDir::toNativeSeparators(path).toUpper();
}

QString SaveTargetPath(const QString& chosenPath) {
    const QFileInfo chosen(chosenPath);
    if (chosen.exists()) {
        return chosenPath;
    }
    return chosen.dir().filePath(chosen.fileName().toUpper());
}

std::filesystem::path ToFileSystemPath(const QString& path) {
    return std::filesystem::path(path.toStdU16String());
}
