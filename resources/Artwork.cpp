#include "resources/Artwork.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

#include <algorithm>
#include <mutex>

#include "platform/shell/Density.h"

namespace {

struct ButtonImages {
    int command;
    std::array<int, 3> bitmaps;  // by image set
};

constexpr std::array kButtonImages{
    ButtonImages{1205, {101, 296, 265}},  ButtonImages{32781, {102, 298, 275}},
    ButtonImages{1206, {343, 345, 347}},  ButtonImages{32824, {342, 344, 348}},
    ButtonImages{32823, {117, 304, 269}}, ButtonImages{32845, {350, 349, 351}},
    ButtonImages{1207, {333, 335, 337}},  ButtonImages{1208, {108, 306, 278}},
    ButtonImages{1209, {109, 309, 280}},
};

constexpr std::array kIconSizes{16, 24, 32, 48, 64, 128, 256};

// The screens the three image sets were made for.
constexpr std::array kImageSetDpi{96, 131, 192};

bool IsImageSetDensity(int dpiX, int dpiY)
{
    return dpiX == dpiY && std::find(kImageSetDpi.begin(), kImageSetDpi.end(), dpiX) != kImageSetDpi.end();
}

// The artwork's own size is its size at 96 dpi.
QPixmap DrawButtonArtwork(int commandId, int dpiX, int dpiY)
{
    QSvgRenderer svg(QStringLiteral(":/dayvane/buttons/%1.svg").arg(commandId));
    if (!svg.isValid())
        return {};
    const QSize natural = svg.defaultSize();
    const QSize size(ScaleForDpi(natural.width(), dpiX), ScaleForDpi(natural.height(), dpiY));
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    svg.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    return QPixmap::fromImage(image);
}

}  // namespace

// The compiled-in pictures live in a static library; naming their
// initialiser keeps the linker from dropping them.
static void EnsureArtworkRegistered()
{
    static std::once_flag once;
    std::call_once(once, [] { Q_INIT_RESOURCE(dayvane_artwork); });
}

int ButtonBitmapId(int commandId, int imageSet)
{
    if (imageSet < 0 || imageSet >= kImageSetCount)
        return 0;
    for (const ButtonImages& images : kButtonImages) {
        if (images.command == commandId)
            return images.bitmaps[static_cast<std::size_t>(imageSet)];
    }
    return 0;
}

QPixmap LoadAppBitmap(int bitmapId)
{
    EnsureArtworkRegistered();
    const QString path = QStringLiteral(":/dayvane/bitmaps/%1.png").arg(bitmapId);
    QPixmap pixmap;
    if (QFile::exists(path))
        pixmap.load(path, "PNG");
    return pixmap;
}

QPixmap ButtonBitmapForDensity(int commandId, int dpiX, int dpiY)
{
    const int id = ButtonBitmapId(commandId, ImageSetForDpi(dpiX));
    if (id == 0)
        return {};
    if (IsImageSetDensity(dpiX, dpiY))
        return LoadAppBitmap(id);
    EnsureArtworkRegistered();
    return DrawButtonArtwork(commandId, dpiX, dpiY);
}

QPixmap ButtonBitmap(int commandId)
{
    return ButtonBitmapForDensity(commandId, DeviceDpiX(), DeviceDpiY());
}

QIcon ApplicationIcon()
{
    EnsureArtworkRegistered();
    QIcon icon;
    for (int size : kIconSizes)
        icon.addFile(QStringLiteral(":/dayvane/icons/dayvane-%1.png").arg(size), QSize(size, size));
    return icon;
}
