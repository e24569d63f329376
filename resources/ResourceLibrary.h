// A resource bundle (VaneLoRes1.rcc .. VaneLoRes3.rcc): resource-only
// files with the week view's small pictures, loaded by name at run time.
// A bundle that is missing or damaged is simply not loaded.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QPixmap>
#include <QString>
#include <QStringList>

#include <memory>

class ResourceLibrary {
public:
    // Loads a bundle: a bare file name is looked for in SearchDirectories(),
    // a path with a folder is taken as it is. Null when no readable,
    // well-formed bundle is found.
    static std::unique_ptr<ResourceLibrary> Load(const QString& nameOrPath);

    // The bundle that goes with the week view's font size: below 12
    // "VaneLoRes1.rcc", 12 to 14 "VaneLoRes2.rcc", 15 and above "VaneLoRes3.rcc".
    static QString FileNameForWeekFontSize(int weekFontSize);
    static std::unique_ptr<ResourceLibrary> LoadForWeekFontSize(int weekFontSize);

    // The program's own folder, then the folder the build puts the bundles in.
    static QStringList SearchDirectories();

    ~ResourceLibrary();
    ResourceLibrary(const ResourceLibrary&) = delete;
    ResourceLibrary& operator=(const ResourceLibrary&) = delete;

    // The bitmap with the id, or a null pixmap when the bundle has none or
    // it cannot be decoded. User-interface thread only.
    QPixmap Bitmap(int id) const;
    bool HasBitmap(int id) const;

    QString FilePath() const { return m_path; }

private:
    ResourceLibrary(QString path, QByteArray data, QString root);

    QString BitmapPath(int id) const;

    QString m_path;
    QByteArray m_data;  // registered with QResource; must not move while loaded
    QString m_root;
    mutable QHash<int, QPixmap> m_cache;
};
