#include "resources/ResourceLibrary.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QResource>

#include <atomic>

#include "resources/ResourceBundleCheck.h"

namespace {

// Real bundles hold a few kilobytes; anything this big is not one of ours.
constexpr qint64 kMaxBundleBytes = 16 * 1024 * 1024;

QString NextMapRoot()
{
    // Each loaded bundle gets its own root so that an old and a new one can
    // be loaded side by side while the frame swaps them.
    static std::atomic<int> serial{0};
    return QStringLiteral("/vanelores/%1").arg(++serial);
}

QString FindBundle(const QString& nameOrPath)
{
    if (nameOrPath.contains(QLatin1Char('/')))
        return QFileInfo(nameOrPath).isFile() ? nameOrPath : QString();
    for (const QString& dir : ResourceLibrary::SearchDirectories()) {
        const QString candidate = QDir(dir).filePath(nameOrPath);
        if (QFileInfo(candidate).isFile())
            return candidate;
    }
    return {};
}

}  // namespace

std::unique_ptr<ResourceLibrary> ResourceLibrary::Load(const QString& nameOrPath)
{
    if (nameOrPath.isEmpty())
        return nullptr;
    const QString path = FindBundle(nameOrPath);
    if (path.isEmpty())
        return nullptr;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxBundleBytes)
        return nullptr;
    // Read into memory rather than map: a file cut short later cannot hurt.
    QByteArray data = file.readAll();
    if (!IsWellFormedResourceBundle(data))
        return nullptr;
    const QString root = NextMapRoot();
    if (!QResource::registerResource(reinterpret_cast<const uchar*>(data.constData()), root))
        return nullptr;
    return std::unique_ptr<ResourceLibrary>(new ResourceLibrary(path, std::move(data), root));
}

QString ResourceLibrary::FileNameForWeekFontSize(int weekFontSize)
{
    if (weekFontSize < 12)
        return QStringLiteral("VaneLoRes1.rcc");
    if (weekFontSize <= 14)
        return QStringLiteral("VaneLoRes2.rcc");
    return QStringLiteral("VaneLoRes3.rcc");
}

std::unique_ptr<ResourceLibrary> ResourceLibrary::LoadForWeekFontSize(int weekFontSize)
{
    return Load(FileNameForWeekFontSize(weekFontSize));
}

QStringList ResourceLibrary::SearchDirectories()
{
    QStringList dirs;
    if (QCoreApplication::instance() != nullptr)
        dirs << QCoreApplication::applicationDirPath();
    dirs << QStringLiteral(DAYVANE_BUNDLE_DIR);
    return dirs;
}

ResourceLibrary::ResourceLibrary(QString path, QByteArray data, QString root)
    : m_path(std::move(path)), m_data(std::move(data)), m_root(std::move(root))
{
}

ResourceLibrary::~ResourceLibrary()
{
    m_cache.clear();
    QResource::unregisterResource(reinterpret_cast<const uchar*>(m_data.constData()), m_root);
}

QString ResourceLibrary::BitmapPath(int id) const
{
    return QStringLiteral(":%1/bitmaps/%2.png").arg(m_root).arg(id);
}

bool ResourceLibrary::HasBitmap(int id) const { return QFile::exists(BitmapPath(id)); }

QPixmap ResourceLibrary::Bitmap(int id) const
{
    if (const auto cached = m_cache.constFind(id); cached != m_cache.constEnd())
        return cached.value();
    QPixmap pixmap;
    if (HasBitmap(id))
        pixmap.load(BitmapPath(id), "PNG");
    m_cache.insert(id, pixmap);
    return pixmap;
}
