#include "platform/shell/ImageFile.h"

#include <QByteArray>
#include <QImageReader>

namespace {

bool IsShellFormat(const QByteArray& format)
{
    return format == "bmp" || format == "gif" || format == "png";
}

}  // namespace

QImage LoadImageFile(const QString& path)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    if (!reader.canRead() || !IsShellFormat(reader.format()))
        return {};
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty() ||
        static_cast<qint64>(size.width()) * size.height() > kMaxImageFilePixels)
        return {};
    QImage image;
    if (!reader.read(&image))
        return {};
    return image;
}

QPixmap LoadImageFilePixmap(const QString& path)
{
    const QImage image = LoadImageFile(path);
    return image.isNull() ? QPixmap() : QPixmap::fromImage(image);
}
