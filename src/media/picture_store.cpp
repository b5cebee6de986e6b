#include "media/picture_store.h"

#include <QFileInfo>
#include <QImage>
#include <QImageReader>

namespace mokopi {

PictureFileError::PictureFileError(QString path, Kind kind)
    : std::runtime_error((kind == Kind::Missing ? "missing picture file: " : "unreadable picture file: ")
                         + path.toStdString()),
      path_(std::move(path)),
      kind_(kind)
{
}

PictureStore::PictureStore(QString appPath) : appPath_(std::move(appPath)) {}

QString PictureStore::pathOf(std::string_view fileName) const
{
    return appPath_ + QString::fromUtf8(fileName.data(), static_cast<qsizetype>(fileName.size()));
}

QPixmap PictureStore::readFile(std::string_view fileName, QSize size) const
{
    const QString path = pathOf(fileName);
    if (!QFileInfo(path).isFile())
        throw PictureFileError(path, PictureFileError::Kind::Missing);

    // Decode by content, not by the name's extension: a file named .bmp that
    // is something else must still either load or fail here, never later.
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    QImage image = reader.read();
    if (image.isNull())
        throw PictureFileError(path, PictureFileError::Kind::Unreadable);

    if (size.isValid() && !size.isEmpty() && image.size() != size)
        image = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return QPixmap::fromImage(std::move(image));
}

void PictureStore::loadAll(QSize size)
{
    loaded_ = false;
    std::array<QPixmap, PictureCount> fresh;
    for (Picture p : loadOrder())
        fresh[index(p)] = readFile(fileName(p), size);
    pictures_ = std::move(fresh);
    loaded_ = true;
}

}  // namespace mokopi
