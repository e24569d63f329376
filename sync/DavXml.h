// The XML of WebDAV, CalDAV and collection sync: request bodies, and the
// multistatus replies read with a namespace-aware reader. A reply that is not
// well-formed is refused whole, so that nothing from it is applied.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct DavResource {
    std::string href;          // as the server wrote it (a path, percent-encoded)
    int status = 200;          // of the response, or of its found properties
    std::string etag;
    std::string calendarData;  // calendar-multiget only
    bool collection = false;
    bool calendar = false;
    std::string displayName;
    std::vector<std::string> components;  // VEVENT, VTODO, ...
    bool offersSyncCollection = false;
    std::string syncToken;     // of the collection itself (PROPFIND depth 0)
};

struct DavMultistatus {
    std::vector<DavResource> resources;
    std::string syncToken;  // sync-collection: the token for the next run
};

// False with `error` set when the text is not a well-formed multistatus.
bool ParseMultistatus(std::string_view xml, DavMultistatus& out, std::string& error);

std::string CollectionPropfindBody();  // name, type, components, reports, token
std::string EtagPropfindBody();        // ETags and types of the members
std::string SyncCollectionBody(const std::string& token);
std::string MultigetBody(const std::vector<std::string>& hrefs);
