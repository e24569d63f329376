#include "sync/DavXml.h"

#include <QByteArray>
#include <QString>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace {

constexpr auto kDav = "DAV:";
constexpr auto kCalDav = "urn:ietf:params:xml:ns:caldav";

int StatusCode(const QString& line)  // "HTTP/1.1 404 Not Found"
{
    const QStringList parts = line.trimmed().split(u' ', Qt::SkipEmptyParts);
    return parts.size() >= 2 ? parts[1].toInt() : 0;
}

struct PropStat {
    int status = 0;
    DavResource props;
};

bool Is(const QXmlStreamReader& xml, const char* ns, const char* name)
{
    return xml.namespaceUri() == QLatin1String(ns) && xml.name() == QLatin1String(name);
}

// Reads the children of <prop> into `into`; the reader ends on </prop>.
void ReadProp(QXmlStreamReader& xml, DavResource& into)
{
    while (xml.readNextStartElement()) {
        if (Is(xml, kDav, "getetag")) {
            into.etag = xml.readElementText().trimmed().toStdString();
        } else if (Is(xml, kCalDav, "calendar-data")) {
            into.calendarData = xml.readElementText().toStdString();
        } else if (Is(xml, kDav, "displayname")) {
            into.displayName = xml.readElementText().trimmed().toStdString();
        } else if (Is(xml, kDav, "sync-token")) {
            into.syncToken = xml.readElementText().trimmed().toStdString();
        } else if (Is(xml, kDav, "resourcetype")) {
            while (xml.readNextStartElement()) {
                if (Is(xml, kDav, "collection")) into.collection = true;
                if (Is(xml, kCalDav, "calendar")) into.calendar = true;
                xml.skipCurrentElement();
            }
        } else if (Is(xml, kCalDav, "supported-calendar-component-set")) {
            while (xml.readNextStartElement()) {
                if (Is(xml, kCalDav, "comp"))
                    into.components.push_back(xml.attributes().value(QLatin1String("name")).toString().toStdString());
                xml.skipCurrentElement();
            }
        } else if (Is(xml, kDav, "supported-report-set")) {
            // <supported-report><report><sync-collection/></report></supported-report>
            int depth = 1;
            while (depth > 0 && !xml.atEnd()) {
                const auto token = xml.readNext();
                if (token == QXmlStreamReader::StartElement) {
                    ++depth;
                    if (Is(xml, kDav, "sync-collection")) into.offersSyncCollection = true;
                } else if (token == QXmlStreamReader::EndElement) {
                    --depth;
                }
            }
        } else {
            xml.skipCurrentElement();
        }
    }
}

PropStat ReadPropStat(QXmlStreamReader& xml)
{
    PropStat propStat;
    while (xml.readNextStartElement()) {
        if (Is(xml, kDav, "status")) propStat.status = StatusCode(xml.readElementText());
        else if (Is(xml, kDav, "prop")) ReadProp(xml, propStat.props);
        else xml.skipCurrentElement();
    }
    return propStat;
}

DavResource ReadResponse(QXmlStreamReader& xml)
{
    DavResource resource;
    int responseStatus = 0;
    std::vector<PropStat> propStats;
    while (xml.readNextStartElement()) {
        if (Is(xml, kDav, "href")) resource.href = xml.readElementText().trimmed().toStdString();
        else if (Is(xml, kDav, "status")) responseStatus = StatusCode(xml.readElementText());
        else if (Is(xml, kDav, "propstat")) propStats.push_back(ReadPropStat(xml));
        else xml.skipCurrentElement();
    }
    resource.status = responseStatus != 0 ? responseStatus : (propStats.empty() ? 0 : propStats.front().status);
    for (PropStat& found : propStats) {
        if (found.status < 200 || found.status >= 300) continue;
        resource.status = found.status;
        DavResource& p = found.props;
        if (!p.etag.empty()) resource.etag = std::move(p.etag);
        if (!p.calendarData.empty()) resource.calendarData = std::move(p.calendarData);
        if (!p.displayName.empty()) resource.displayName = std::move(p.displayName);
        if (!p.syncToken.empty()) resource.syncToken = std::move(p.syncToken);
        if (!p.components.empty()) resource.components = std::move(p.components);
        resource.collection = resource.collection || p.collection;
        resource.calendar = resource.calendar || p.calendar;
        resource.offersSyncCollection = resource.offersSyncCollection || p.offersSyncCollection;
    }
    return resource;
}

QString Text(const std::string& text) { return QString::fromStdString(text); }

template <typename Build>
std::string Document(Build&& build)
{
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.writeStartDocument();
    xml.writeNamespace(QLatin1String(kDav), QStringLiteral("d"));
    xml.writeNamespace(QLatin1String(kCalDav), QStringLiteral("c"));
    build(xml);
    xml.writeEndDocument();
    return bytes.toStdString();
}

void Props(QXmlStreamWriter& xml, std::initializer_list<std::pair<const char*, const char*>> names)
{
    xml.writeStartElement(QLatin1String(kDav), QStringLiteral("prop"));
    for (const auto& [ns, name] : names) xml.writeEmptyElement(QLatin1String(ns), QLatin1String(name));
    xml.writeEndElement();
}

} // namespace

bool ParseMultistatus(std::string_view text, DavMultistatus& out, std::string& error)
{
    out = {};
    QXmlStreamReader xml(QByteArray::fromRawData(text.data(), static_cast<qsizetype>(text.size())));
    if (!xml.readNextStartElement() || !Is(xml, kDav, "multistatus")) {
        error = xml.hasError() ? xml.errorString().toStdString() : "no DAV:multistatus";
        return false;
    }
    while (xml.readNextStartElement()) {
        if (Is(xml, kDav, "response")) out.resources.push_back(ReadResponse(xml));
        else if (Is(xml, kDav, "sync-token")) out.syncToken = xml.readElementText().trimmed().toStdString();
        else xml.skipCurrentElement();
    }
    while (!xml.atEnd() && !xml.hasError()) xml.readNext();
    if (xml.hasError()) {
        error = xml.errorString().toStdString() + " (line " + std::to_string(xml.lineNumber()) + ")";
        out = {};
        return false;
    }
    return true;
}

std::string CollectionPropfindBody()
{
    return Document([](QXmlStreamWriter& xml) {
        xml.writeStartElement(QLatin1String(kDav), QStringLiteral("propfind"));
        Props(xml, {{kDav, "displayname"}, {kDav, "resourcetype"}, {kCalDav, "supported-calendar-component-set"},
                    {kDav, "supported-report-set"}, {kDav, "sync-token"}});
        xml.writeEndElement();
    });
}

std::string EtagPropfindBody()
{
    return Document([](QXmlStreamWriter& xml) {
        xml.writeStartElement(QLatin1String(kDav), QStringLiteral("propfind"));
        Props(xml, {{kDav, "getetag"}, {kDav, "resourcetype"}});
        xml.writeEndElement();
    });
}

std::string SyncCollectionBody(const std::string& token)
{
    return Document([&](QXmlStreamWriter& xml) {
        xml.writeStartElement(QLatin1String(kDav), QStringLiteral("sync-collection"));
        xml.writeTextElement(QLatin1String(kDav), QStringLiteral("sync-token"), Text(token));
        xml.writeTextElement(QLatin1String(kDav), QStringLiteral("sync-level"), QStringLiteral("1"));
        Props(xml, {{kDav, "getetag"}});
        xml.writeEndElement();
    });
}

std::string MultigetBody(const std::vector<std::string>& hrefs)
{
    return Document([&](QXmlStreamWriter& xml) {
        xml.writeStartElement(QLatin1String(kCalDav), QStringLiteral("calendar-multiget"));
        Props(xml, {{kDav, "getetag"}, {kCalDav, "calendar-data"}});
        for (const std::string& href : hrefs) xml.writeTextElement(QLatin1String(kDav), QStringLiteral("href"), Text(href));
        xml.writeEndElement();
    });
}
