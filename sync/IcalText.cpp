#include "sync/IcalText.h"

#include <libical/ical.h>

#include <QUuid>

#include <memory>
#include <set>

namespace {

using IcalPtr = std::unique_ptr<icalcomponent, decltype(&icalcomponent_free)>;

IcalPtr Parse(std::string_view text)
{
    const std::string copy(text);
    return IcalPtr(icalparser_parse_string(copy.c_str()), icalcomponent_free);
}

bool IsItem(icalcomponent* component)
{
    const icalcomponent_kind kind = icalcomponent_isa(component);
    return kind == ICAL_VEVENT_COMPONENT || kind == ICAL_VTODO_COMPONENT;
}

template <typename Visit>
void ForEachItem(icalcomponent* root, Visit&& visit)
{
    if (root == nullptr) return;
    if (IsItem(root)) {
        visit(root);
        return;
    }
    for (icalcomponent* child = icalcomponent_get_first_component(root, ICAL_ANY_COMPONENT); child != nullptr;
         child = icalcomponent_get_next_component(root, ICAL_ANY_COMPONENT)) {
        if (IsItem(child)) visit(child);
    }
}

} // namespace

std::string CalendarUid(std::string_view text)
{
    const IcalPtr root = Parse(text);
    std::string uid;
    ForEachItem(root.get(), [&](icalcomponent* item) {
        if (!uid.empty()) return;
        if (const char* value = icalcomponent_get_uid(item)) uid = value;
    });
    return uid;
}

std::string ConflictCopy(std::string_view text, const std::string& newUid, const std::string& suffix)
{
    const IcalPtr root = Parse(text);
    if (!root) return {};
    ForEachItem(root.get(), [&](icalcomponent* item) {
        icalcomponent_set_uid(item, newUid.c_str());
        const char* summary = icalcomponent_get_summary(item);
        icalcomponent_set_summary(item, ((summary != nullptr ? std::string(summary) : std::string()) + suffix).c_str());
    });
    return icalcomponent_as_ical_string(root.get());
}

namespace {

std::multiset<std::string> ContentOf(std::string_view text)
{
    std::multiset<std::string> lines;
    const IcalPtr root = Parse(text);
    ForEachItem(root.get(), [&](icalcomponent* item) {
        lines.insert("BEGIN:" + std::string(icalcomponent_kind_to_string(icalcomponent_isa(item))));
        for (icalproperty* property = icalcomponent_get_first_property(item, ICAL_ANY_PROPERTY); property != nullptr;
             property = icalcomponent_get_next_property(item, ICAL_ANY_PROPERTY)) {
            const icalproperty_kind kind = icalproperty_isa(property);
            if (kind == ICAL_DTSTAMP_PROPERTY || kind == ICAL_LASTMODIFIED_PROPERTY || kind == ICAL_CREATED_PROPERTY)
                continue;
            std::string line = icalproperty_as_ical_string(property);
            std::erase(line, '\r');
            for (size_t fold; (fold = line.find("\n ")) != std::string::npos;) line.erase(fold, 2);
            lines.insert(line);
        }
    });
    return lines;
}

} // namespace

bool SameCalendarContent(std::string_view a, std::string_view b)
{
    const auto mine = ContentOf(a);
    return !mine.empty() && mine == ContentOf(b);
}

std::string NewUid() { return QUuid::createUuid().toString(QUuid::WithoutBraces).toStdString(); }
