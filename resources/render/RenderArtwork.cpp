// Build-time tool: renders the SVG artwork listed in a manifest into PNG
// files for the three densities and writes the resource collections (.qrc)
// of the application and of the three resource bundles.
//
//   dayvane-artwork MANIFEST SVG_DIR OUT_DIR
//
// Manifest lines (sizes in pixels at 96 dpi, '#' starts a comment):
//   mark   ID FILE.svg W H              -> VaneLoRes1..3: bitmaps/ID.png
//   button COMMAND FILE.svg W H ID0 ID1 ID2 -> app: bitmaps/IDn.png for set n
//   icon   NAME FILE.svg SIZE...        -> app: icons/NAME-SIZE.png, icons/NAME.svg
//   strip  NAME.bmp SIZE FILE.svg...    -> app: weather/NAME.bmp, the pictures side by
//                                          side on white (SIZE in pixels, not scaled)
// A file FILE@N.svg beside FILE.svg replaces it for density set N.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgRenderer>
#include <QTextStream>

#include <array>
#include <cstdio>
#include <utility>
#include <vector>

namespace {

constexpr std::array kSetDpi{96, 128, 192};
constexpr int kSetCount = static_cast<int>(kSetDpi.size());

int Scaled(int v, int set) { return (v * kSetDpi[set] + 48) / 96; }

struct Collection {
    QString prefix;
    std::vector<QString> files;  // relative to the output folder
};

class Renderer {
public:
    Renderer(QString svgDir, QString outDir)
        : m_svgDir(std::move(svgDir)), m_outDir(std::move(outDir))
    {
    }

    bool Run(const QString& manifestPath);

private:
    bool Line(const QStringList& fields, int lineNumber);
    bool Render(const QString& svgName, int set, QSize size, const QString& relativeOut);
    bool RenderStrip(const QStringList& fields, int size, const QString& where);
    QString SourceFor(const QString& svgName, int set) const;
    bool WriteCollection(const QString& name, const Collection& collection) const;
    bool Fail(const QString& message) const;

    QString m_svgDir;
    QString m_outDir;
    Collection m_app{QStringLiteral("/dayvane"), {}};
    std::array<Collection, kSetCount> m_bundles{};
};

bool Renderer::Fail(const QString& message) const
{
    std::fprintf(stderr, "dayvane-artwork: %s\n", qPrintable(message));
    return false;
}

QString Renderer::SourceFor(const QString& svgName, int set) const
{
    const QFileInfo base(QDir(m_svgDir).filePath(svgName));
    const QString variant =
        base.dir().filePath(base.completeBaseName() + QStringLiteral("@%1.svg").arg(set));
    return QFileInfo::exists(variant) ? variant : base.filePath();
}

bool Renderer::Render(const QString& svgName, int set, QSize size, const QString& relativeOut)
{
    const QString source = SourceFor(svgName, set);
    QSvgRenderer svg(source);
    if (!svg.isValid())
        return Fail(QStringLiteral("cannot read %1").arg(source));
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        svg.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    }
    const QString outPath = QDir(m_outDir).filePath(relativeOut);
    QDir().mkpath(QFileInfo(outPath).path());
    if (!image.convertToFormat(QImage::Format_ARGB32).save(outPath, "PNG"))
        return Fail(QStringLiteral("cannot write %1").arg(outPath));
    return true;
}

bool Renderer::RenderStrip(const QStringList& fields, int size, const QString& where)
{
    // White is the strip's transparent colour: the pictures are drawn on it.
    const int count = static_cast<int>(fields.size()) - 3;
    QImage strip(size * count, size, QImage::Format_RGB32);
    strip.fill(Qt::white);
    QPainter painter(&strip);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int index = 0; index < count; ++index) {
        QSvgRenderer svg(QDir(m_svgDir).filePath(fields[3 + index]));
        if (!svg.isValid())
            return Fail(where + QStringLiteral(": cannot read %1").arg(fields[3 + index]));
        svg.render(&painter, QRectF(size * index, 0, size, size));
    }
    painter.end();
    const QString file = QStringLiteral("app/weather/%1").arg(fields[1]);
    const QString outPath = QDir(m_outDir).filePath(file);
    QDir().mkpath(QFileInfo(outPath).path());
    if (!strip.convertToFormat(QImage::Format_RGB888).save(outPath, "BMP"))
        return Fail(QStringLiteral("cannot write %1").arg(outPath));
    m_app.files.push_back(file);
    return true;
}

bool Renderer::Line(const QStringList& fields, int lineNumber)
{
    const QString where = QStringLiteral("manifest line %1").arg(lineNumber);
    const QString kind = fields.value(0);
    bool ok = true;
    auto number = [&](int index) {
        bool good = false;
        const int value = fields.value(index).toInt(&good);
        ok = ok && good && value > 0;
        return value;
    };
    if (kind == QLatin1String("mark") && fields.size() == 5) {
        const int id = number(1);
        const int width = number(3);
        const int height = number(4);
        if (!ok)
            return Fail(where + QStringLiteral(": bad number"));
        for (int set = 0; set < kSetCount; ++set) {
            const QString file = QStringLiteral("lores%1/bitmaps/%2.png").arg(set + 1).arg(id);
            if (!Render(fields[2], set, {Scaled(width, set), Scaled(height, set)}, file))
                return false;
            m_bundles[set].files.push_back(file);
        }
        return true;
    }
    if (kind == QLatin1String("button") && fields.size() == 8) {
        const int width = number(3);
        const int height = number(4);
        const std::array ids{number(5), number(6), number(7)};
        if (!ok)
            return Fail(where + QStringLiteral(": bad number"));
        for (int set = 0; set < kSetCount; ++set) {
            const QString file = QStringLiteral("app/bitmaps/%1.png").arg(ids[set]);
            if (!Render(fields[2], set, {Scaled(width, set), Scaled(height, set)}, file))
                return false;
            m_app.files.push_back(file);
        }
        return true;
    }
    if (kind == QLatin1String("icon") && fields.size() >= 4) {
        for (int index = 3; index < fields.size(); ++index) {
            const int size = number(index);
            if (!ok)
                return Fail(where + QStringLiteral(": bad size"));
            const QString file = QStringLiteral("app/icons/%1-%2.png").arg(fields[1]).arg(size);
            if (!Render(fields[2], kSetCount - 1, {size, size}, file))
                return false;
            m_app.files.push_back(file);
        }
        const QString svgCopy = QStringLiteral("app/icons/%1.svg").arg(fields[1]);
        const QString target = QDir(m_outDir).filePath(svgCopy);
        QFile::remove(target);
        if (!QFile::copy(QDir(m_svgDir).filePath(fields[2]), target))
            return Fail(QStringLiteral("cannot copy %1").arg(fields[2]));
        m_app.files.push_back(svgCopy);
        return true;
    }
    if (kind == QLatin1String("strip") && fields.size() >= 4) {
        const int size = number(2);
        if (!ok)
            return Fail(where + QStringLiteral(": bad size"));
        return RenderStrip(fields, size, where);
    }
    return Fail(where + QStringLiteral(": not understood"));
}

bool Renderer::WriteCollection(const QString& name, const Collection& collection) const
{
    QSaveFile file(QDir(m_outDir).filePath(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return Fail(QStringLiteral("cannot write %1").arg(name));
    QTextStream out(&file);
    out << "<!DOCTYPE RCC><RCC version=\"1.0\">\n<qresource prefix=\"" << collection.prefix
        << "\">\n";
    for (const QString& path : collection.files) {
        // The alias drops the build folder's own layout (app/, loresN/).
        const QString alias = path.section(QLatin1Char('/'), 1);
        out << "  <file alias=\"" << alias << "\">" << path << "</file>\n";
    }
    out << "</qresource>\n</RCC>\n";
    out.flush();
    return file.commit();
}

bool Renderer::Run(const QString& manifestPath)
{
    QFile manifest(manifestPath);
    if (!manifest.open(QIODevice::ReadOnly | QIODevice::Text))
        return Fail(QStringLiteral("cannot read %1").arg(manifestPath));
    for (Collection& bundle : m_bundles)
        bundle.prefix = QStringLiteral("/");
    QTextStream in(&manifest);
    int lineNumber = 0;
    while (!in.atEnd()) {
        ++lineNumber;
        const QString line = in.readLine().section(QLatin1Char('#'), 0, 0).simplified();
        if (!line.isEmpty() && !Line(line.split(QLatin1Char(' ')), lineNumber))
            return false;
    }
    if (!WriteCollection(QStringLiteral("app.qrc"), m_app))
        return false;
    for (int set = 0; set < kSetCount; ++set) {
        if (!WriteCollection(QStringLiteral("VaneLoRes%1.qrc").arg(set + 1), m_bundles[set]))
            return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    // Text in the artwork needs the font database, hence a GUI application.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 4) {
        std::fprintf(stderr, "usage: dayvane-artwork MANIFEST SVG_DIR OUT_DIR\n");
        return 2;
    }
    Renderer renderer(args[2], args[3]);
    return renderer.Run(args[1]) ? 0 : 1;
}
