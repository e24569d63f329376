#include "views/Markers.h"

#include <array>

namespace {

struct Marker {
    const char* lead;
    int picture;
    int selectedPicture;
};

constexpr std::array<Marker, 9> kMarkers{{
    {"(NULL)", kPictureEmptyDay, 106},
    {"(E)", kPictureAllDayStart, kPictureAllDayStartSelected},
    {"<<", kPictureContinued, 115},
    {"(T2)", kPictureTaskHigh, 109},
    {"(T1)", kPictureTaskNormal, 111},
    {"(T0)", kPictureTaskLow, 113},
    {"(FT2)", kPictureTaskHigh, 109},
    {"(FT1)", kPictureTaskNormal, 111},
    {"(FT0)", kPictureTaskLow, 113},
}};

}  // namespace

int MarkerPictureId(const QString& lead, bool alternate) {
    for (const Marker& marker : kMarkers) {
        if (lead.compare(QLatin1String(marker.lead), Qt::CaseInsensitive) == 0)
            return alternate ? marker.selectedPicture : marker.picture;
    }
    return 0;
}
