#include "editors/item/ItemImages.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <array>
#include <mutex>

#include "platform/shell/Density.h"

// The images live in a static library; naming their initialiser keeps the
// linker from dropping them.
static void EnsureImagesRegistered()
{
    static std::once_flag once;
    std::call_once(once, [] { Q_INIT_RESOURCE(item_images); });
}

namespace {

constexpr std::array<int, kImageSetCount> kImageSizes{18, 25, 36};

QPixmap Draw(const char* name, int dpiX)
{
    EnsureImagesRegistered();
    const int side = ItemImageSize(dpiX);
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer svg(QStringLiteral(":/dayvane/editor/%1.svg").arg(QLatin1String(name)));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter, QRectF(0, 0, side, side));
    painter.end();
    return QPixmap::fromImage(image);
}

}  // namespace

int ItemImageSize(int dpiX) { return kImageSizes[static_cast<size_t>(ImageSetForDpi(dpiX))]; }

QPixmap ReminderImage(bool set, int dpiX) { return Draw(set ? "reminder-on" : "reminder-off", dpiX); }

QPixmap RecurrenceButtonImage(RecurrenceImage image, int dpiX)
{
    switch (image) {
    case RecurrenceImage::Recurring:
        return Draw("recurrence-on", dpiX);
    case RecurrenceImage::OccurrenceOnly:
        return Draw("recurrence-occurrence", dpiX);
    default:
        return Draw("recurrence-off", dpiX);
    }
}
