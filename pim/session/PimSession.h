// The session with the personal-information store that the main frame owns:
// the object model for items, the two databases for the week's tasks, the
// notes test, the completion date and change notifications.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "pim/session/ItemModel.h"
#include "pim/time/TimeValue.h"
#include "platform/store/PimDatabase.h"
#include "platform/store/PoomApplication.h"

// The settings the week's task list follows.
struct WeekTaskOptions {
    bool hideAllTask = false;
    bool showCompleteTask = true;
    bool hideUndatedTask = false;
};

class PimSession {
public:
    explicit PimSession(std::filesystem::path storeFile);
    ~PimSession();
    PimSession(const PimSession&) = delete;
    PimSession& operator=(const PimSession&) = delete;

    // Logs on to the store (creating it on first use).
    bool OpenPoom(StoreWindow* window);
    // Mounts pim.vol and opens both databases with a notification request to
    // `window` (may be null: no notifications).
    bool OpenPimDatabases(StoreWindow* window);
    void ClosePim();

    // olAppointmentItem (1) or olTaskItem (3).
    std::unique_ptr<PoomItem> CreateItem(int kind);
    std::unique_ptr<PoomItem> GetItemFromOid(CEOID oid);

    // One appointment object per occurrence that meets the week: starting
    // before its end, ending at or after its start; sorted by start.
    std::vector<std::unique_ptr<PoomAppointment>> FindWeekAppointments(TimeValue weekStart, TimeValue weekEnd);
    // The tasks the week view lists, in its order.
    std::vector<TaskRecord> ReadWeekTasks(TimeValue weekStart, TimeValue weekEnd, const WeekTaskOptions& options);

    bool HasNotes(PoomItem& item);
    bool WriteCompletionDate(PoomItem& task, TimeValue day);
    // The item colour (COLORREF), 0 when it has none.
    uint32_t GetItemColor(PoomItem& item);
    // Kept with the item until its Save.
    bool SetItemColor(PoomItem& item, uint32_t color);
    void FreeNotification(CENOTIFICATION* notification);

    PoomApplication* OutlookApp() { return m_outlookApp.get(); }
    // The open "Tasks Database", for scans of its own; kInvalidDbHandle before OpenPimDatabases.
    CEDBHANDLE TaskDatabase() const { return m_taskDb; }
    const std::filesystem::path& StoreFile() const { return m_storeFile; }
    const std::string& LastError() const { return m_error; }
    // The last FindWeekAppointments left out occurrences of a series with more
    // than one query may expand; what it found is still returned.
    bool LastListCut() const { return m_listCut; }

private:
    std::optional<CEPROPID> ItemColorId();

    std::filesystem::path m_storeFile;
    std::unique_ptr<PoomApplication> m_outlookApp;
    CEGUID m_volume;
    std::unique_ptr<CENOTIFYREQUEST> m_notifyRequest;
    CEDBHANDLE m_apptDb = kInvalidDbHandle;
    CEDBHANDLE m_taskDb = kInvalidDbHandle;
    std::string m_error;
    bool m_listCut = false;
};

// The restriction the week query hands to the store: "[Start] < <%1.2f AND
// [End] >= <%1.2f" with the end first, two decimals each.
std::string WeekRestriction(double start, double end);

// Whether task `a` goes before task `b` in the week's list: open before
// completed, then high importance first, then early due date first.
bool TaskGoesBefore(const TaskRecord& a, const TaskRecord& b);
