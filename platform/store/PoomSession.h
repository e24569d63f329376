// What a logged-on object-model session shares with the items it hands out.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "platform/store/ItemTable.h"
#include "platform/store/StoreConnection.h"

class PoomItem;

struct PoomSession {
    std::shared_ptr<StoreConnection> connection;
    std::unique_ptr<ItemTable> table;
    // The platform's own editor for an item; none until the editors provide it.
    std::function<bool(PoomItem&)> display;
    // Named properties never change identifier or type once made.
    std::map<std::pair<std::string, uint16_t>, CEPROPID> namedProperties;
    std::map<uint16_t, uint16_t> namedPropertyTypes;  // number -> type

    std::optional<uint16_t> NamedPropertyType(uint16_t number)
    {
        auto known = namedPropertyTypes.find(number);
        if (known != namedPropertyTypes.end()) return known->second;
        const auto type = table->NamedPropertyType(number);
        if (type) namedPropertyTypes[number] = *type;
        return type;
    }

    bool Open() const { return table != nullptr; }
};

// Runs `action`, turning store failures into false with `error` set.
template <typename Action>
bool GuardStore(std::string& error, Action&& action)
{
    try {
        error.clear();
        return action();
    } catch (const std::exception& e) {
        error = e.what();
        return false;
    }
}
