#include "editors/item/ItemImages.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <array>
#include <mutex>

#include "platform/shell/Density.h"
#include "resources/CommandIds.h"
#include "resources/Strings.h"

// The images live in a static library; naming their initialiser keeps the
// linker from dropping them.
static void EnsureImagesRegistered()
{
    static std::once_flag once;
    std::call_once(once, [] { Q_INIT_RESOURCE(item_images); });
}

namespace {

constexpr std::array<int, kImageSetCount> kImageSizes{18, 25, 36};

constexpr int kCommandIconSide96 = 16;

QPixmap Draw(const char* name, int side)
{
    EnsureImagesRegistered();
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

QPixmap ReminderImage(bool set, int dpiX) { return Draw(set ? "reminder-on" : "reminder-off", ItemImageSize(dpiX)); }

QPixmap RecurrenceButtonImage(RecurrenceImage image, int dpiX)
{
    switch (image) {
    case RecurrenceImage::Recurring:
        return Draw("recurrence-on", ItemImageSize(dpiX));
    case RecurrenceImage::OccurrenceOnly:
        return Draw("recurrence-occurrence", ItemImageSize(dpiX));
    default:
        return Draw("recurrence-off", ItemImageSize(dpiX));
    }
}

QIcon EditorCommandIcon(int commandId)
{
    const char* name = nullptr;
    switch (commandId) {
    case ID_DIALOG_OK:
        name = "command-save";
        break;
    case ID_DIALOG_CANCEL:
        name = "command-cancel";
        break;
    case ID_NOTES_PEN_MODE:
        name = "command-pen";
        break;
    case ID_NOTES_CLEAR:
        name = "command-clear";
        break;
    case ID_NOTES_EDIT:
        name = "command-notes";
        break;
    default:
        return {};
    }
    return QIcon(Draw(name, ScaleX(kCommandIconSide96)));
}

CommandBarButton EditorImageButton(int commandId, int stringId, bool checkable, bool checked)
{
    return CommandBarButton(commandId, stringId != 0 ? LoadString(stringId) : QString(), EditorCommandIcon(commandId),
                            checkable, checked);
}
