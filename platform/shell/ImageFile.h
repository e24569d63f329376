// The shell's image-file loader: BMP, GIF and PNG files into an image.
#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>

// Reads the file by its content (not its name). Any other format, a missing,
// truncated or damaged file, or a picture larger than kMaxImageFilePixels
// gives a null image. Safe on any thread.
QImage LoadImageFile(const QString& path);

// The same as a pixmap, for drawing; user-interface thread only.
QPixmap LoadImageFilePixmap(const QString& path);

// Larger pictures are refused before they are decoded (4096 x 4096).
inline constexpr qint64 kMaxImageFilePixels = 4096LL * 4096LL;
