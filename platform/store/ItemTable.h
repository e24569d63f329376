// Reading and writing item rows, occurrence exceptions and named properties.
// Every statement is prepared once per connection and takes bound parameters.
#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "platform/store/ItemRow.h"
#include "platform/store/StoreConnection.h"

// A named property's value: nothing, a number, a real, text or bytes.
using PropValue = std::variant<std::monostate, int64_t, double, std::string, Bytes>;

class ItemTable {
public:
    explicit ItemTable(StoreConnection& connection) : m_connection(connection) {}

    std::optional<ItemRow> Load(CEOID oid);
    Bytes LoadNotes(CEOID oid);
    // Inserts a new row and returns its Oid. Without `uid` the item gets a
    // new random one.
    CEOID Insert(const ItemRow& row, const std::string& uid = {});
    void Update(const ItemRow& row);
    bool Delete(CEOID oid);
    bool Exists(CEOID oid, ItemKind kind);

    std::vector<ExceptionRow> LoadExceptions(CEOID series);
    std::optional<Bytes> LoadExceptionNotes(CEOID series, int64_t original);
    void SaveException(const ExceptionRow& row);
    void DeleteExceptions(CEOID series);

    // Appointments whose span of occurrences meets [low, high], with the
    // exceptions of those that recur. Found through the span index.
    void AppointmentsMeeting(double low, double high, std::vector<ItemRow>& rows,
                             std::vector<ExceptionRow>& exceptions);
    // Every row of a kind in creation order, without notes.
    std::vector<ItemRow> AllOfKind(ItemKind kind);

    // Named properties: the identifier of `name`, created when missing and
    // `create` is set. Numbers 0x8000 and up.
    std::optional<CEPROPID> NamedProperty(const std::string& name, uint16_t type, bool create);
    std::optional<uint16_t> NamedPropertyType(uint16_t number);
    PropValue GetProperty(CEOID oid, CEPROPID id);
    void SetProperty(CEOID oid, CEPROPID id, const PropValue& value);
    void CopyProperties(CEOID from, CEOID to);

private:
    StoreConnection& m_connection;
};

inline constexpr uint16_t kFirstNamedProperty = 0x8000;
