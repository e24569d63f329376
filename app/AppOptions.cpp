#include "app/AppOptions.h"

#include <QDate>
#include <QRegularExpression>

#include <algorithm>
#include <array>

#include "resources/Menus.h"
#include "resources/Strings.h"

namespace {

constexpr int kMinDpi = 48;
constexpr int kMaxDpi = 960;
constexpr int kMinSide = 100;
constexpr int kMaxSide = 8192;

struct ViewName {
    const char* name;
    int kind;
};
constexpr std::array kViewNames{
    ViewName{"week", kViewKindWeek},
    ViewName{"month-lunar", kViewKindMonthLunar},
    ViewName{"month-weather", kViewKindMonthWeather},
    ViewName{"anniversaries", kViewKindAnniversaries},
};

std::optional<int> ParseInt(const QString& text, int low, int high)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < low || value > high)
        return std::nullopt;
    return value;
}

std::optional<QSize> ParseSize(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,5})[xX](\\d{1,5})$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const auto width = ParseInt(match.captured(1), kMinSide, kMaxSide);
    const auto height = ParseInt(match.captured(2), kMinSide, kMaxSide);
    if (!width || !height)
        return std::nullopt;
    return QSize(*width, *height);
}

std::optional<SolarDate> ParseDate(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
    if (!pattern.match(text).hasMatch())
        return std::nullopt;
    const QDate date = QDate::fromString(text, Qt::ISODate);
    // Time values reach from 1970 to early 2106.
    if (!date.isValid() || date.year() < 1971 || date.year() > 2105)
        return std::nullopt;
    return SolarDate{date.year(), date.month(), date.day()};
}

std::optional<int> ParseView(const QString& text)
{
    for (const ViewName& view : kViewNames) {
        if (text == QLatin1String(view.name))
            return view.kind;
    }
    return std::nullopt;
}

}  // namespace

ParsedOptions ParseAppOptions(const QStringList& arguments)
{
    ParsedOptions parsed;
    AppOptions& options = parsed.options;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& option = arguments[i];
        if (option == QLatin1String("--help") || option == QLatin1String("-h")) {
            parsed.help = true;
            continue;
        }
        const bool known = option == QLatin1String("--device") || option == QLatin1String("--dpi") ||
                           option == QLatin1String("--size") || option == QLatin1String("--screenshot") ||
                           option == QLatin1String("--view") || option == QLatin1String("--date") ||
                           option == QLatin1String("--dialog");
        if (!known) {
            parsed.error = FormatString(IDS_APP_UNKNOWN_OPTION, {option});
            return parsed;
        }
        if (i + 1 >= arguments.size() || arguments[i + 1].isEmpty()) {
            parsed.error = FormatString(IDS_APP_OPTION_NEEDS_VALUE, {option});
            return parsed;
        }
        const QString value = arguments[++i];
        bool good = true;
        if (option == QLatin1String("--device")) {
            options.deviceDir = std::filesystem::path(value.toStdString());
        } else if (option == QLatin1String("--dpi")) {
            const auto dpi = ParseInt(value, kMinDpi, kMaxDpi);
            good = dpi.has_value();
            options.dpi = dpi.value_or(options.dpi);
        } else if (option == QLatin1String("--size")) {
            const auto size = ParseSize(value);
            good = size.has_value();
            options.clientSize = size.value_or(options.clientSize);
        } else if (option == QLatin1String("--screenshot")) {
            options.screenshotFile = value;
        } else if (option == QLatin1String("--view")) {
            const auto kind = ParseView(value);
            good = kind.has_value();
            options.viewKind = kind.value_or(options.viewKind);
        } else if (option == QLatin1String("--dialog")) {
            good = std::any_of(std::begin(kScreenshotDialogs), std::end(kScreenshotDialogs),
                               [&value](const char* name) { return value == QLatin1String(name); });
            options.dialog = value;
        } else {
            options.date = ParseDate(value);
            good = options.date.has_value();
        }
        if (!good) {
            parsed.error = FormatString(IDS_APP_BAD_OPTION_VALUE, {option, value});
            return parsed;
        }
    }
    return parsed;
}

QString AppUsageText()
{
    return LoadString(IDS_APP_USAGE);
}
