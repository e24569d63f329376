// The second half of an import: items read from iCalendar written into the
// store. An item whose UID the store holds is changed in place, so that a
// file imported twice (or a calendar synchronised again) adds nothing twice.
#pragma once

#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "pim/session/IcalImport.h"
#include "pim/session/IcalReader.h"
#include "platform/store/PoomApplication.h"

class StoreWriter {
public:
    StoreWriter(PoomApplication& app, const IcalReading& reading, IcalImportReport& report);
    ~StoreWriter();

    // A single item, a series or a to-do: into `into` when given, else into
    // the item holding its UID, else a new one. Nothing when it was refused.
    std::optional<CEOID> Write(const ImportedItem& item, std::optional<CEOID> into = std::nullopt);
    // A changed occurrence (RECURRENCE-ID) of a series written before or stored.
    void Change(const ImportedItem& item);
    // Keeps each written item's components beside it; false on a store error.
    bool SaveSources();

private:
    void SetColor(PoomItem& made, const ImportedItem& item, bool updating);
    std::nullopt_t Refuse(const ImportedItem& item, const std::string& why);

    PoomApplication& m_app;
    const IcalReading& m_reading;
    IcalImportReport& m_report;
    CEPROPID m_color = 0;
    std::set<std::string> m_written;  // UIDs written by this import
    std::map<std::string, std::unique_ptr<PoomItem>> m_series;
    std::map<CEOID, std::vector<const ImportedItem*>> m_sources;
    std::deque<ImportedItem> m_detached;  // overrides without their series, kept alive for m_sources
};
