#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/store/PimDatabase.h"
#include "platform/store/PoomApplication.h"
#include "tests/platform/store/StoreTestSupport.h"

namespace {

class DatabaseTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(app.Logon(store.File()));
        appointment = AddAppointment();
        for (int i = 0; i < 3; ++i) tasks.push_back(AddTask(i));
        std::string error;
        ASSERT_TRUE(CeMountDBVolEx(&volume, store.File(), OPEN_EXISTING, &error)) << error;
        taskDb = CeOpenDatabaseInSession(&volume, kTasksDatabase, CEDB_AUTOINCREMENT, nullptr, &error);
        ASSERT_NE(taskDb, kInvalidDbHandle) << error;
    }
    void TearDown() override
    {
        CeCloseDatabase(taskDb);
        CeUnmountDBVol(&volume);
        std::free(buffer);
    }

    CEOID AddAppointment()
    {
        auto item = app.CreateItem(olAppointmentItem);
        item->SetBodyInk({0xFE, 0xFF, 0x41, 0x00, 0x00, 0x00});
        EXPECT_TRUE(item->Save());
        return item->Oid();
    }

    CEOID AddTask(int i)
    {
        auto item = app.CreateItem(olTaskItem);
        auto* task = item->AsTask();
        if (i != 1) task->SetSubject("작업 " + std::to_string(i));
        task->SetDueDate(Ole(2024, 1, 10 + i));
        task->SetImportance(i % 3);
        EXPECT_TRUE(task->Save());
        return task->Oid();
    }

    CEOID Read(std::vector<CEPROPID> ids)
    {
        uint16_t count = uint16_t(ids.size());
        return CeReadRecordPropsEx(taskDb, CEDB_ALLOWREALLOC, &count, ids.data(), &buffer, &size);
    }
    const CEPROPVAL& Value(size_t i) const { return reinterpret_cast<const CEPROPVAL*>(buffer)[i]; }

    TempStore store;
    PoomApplication app;
    CEOID appointment = 0;
    std::vector<CEOID> tasks;
    CEGUID volume;
    CEDBHANDLE taskDb = kInvalidDbHandle;
    uint8_t* buffer = nullptr;
    uint32_t size = 0;
};

} // namespace

TEST_F(DatabaseTest, RecordIdentifiersWrapAroundFromOids)
{
    EXPECT_EQ(AppointmentRecordId(1), 0xC0000001u);
    EXPECT_EQ(OidFromAppointmentRecord(0xC0000001u), 1u);
    EXPECT_EQ(TaskRecordId(0xC0000001u), 1u);

    std::string error;
    CEDBHANDLE apptDb = CeOpenDatabaseInSession(&volume, kAppointmentsDatabase, 0, nullptr, &error);
    ASSERT_NE(apptDb, kInvalidDbHandle) << error;
    EXPECT_EQ(CeSeekDatabaseEx(apptDb, CEDB_SEEK_BEGINNING, 0), AppointmentRecordId(appointment));
    EXPECT_GE(AppointmentRecordId(appointment), 0xC0000000u);  // small Oids land in the top quarter
    uint16_t count = 1;
    const CEPROPID notes = PROPID_NOTES;
    EXPECT_EQ(CeReadRecordPropsEx(apptDb, CEDB_ALLOWREALLOC, &count, &notes, &buffer, &size),
              AppointmentRecordId(appointment));
    ASSERT_NE(Value(0).val.blob, nullptr);
    EXPECT_EQ(Bytes(Value(0).val.blob->lpb, Value(0).val.blob->lpb + Value(0).val.blob->dwCount),
              (Bytes{0xFE, 0xFF, 0x41, 0x00, 0x00, 0x00}));
    CeCloseDatabase(apptDb);
    EXPECT_EQ(CeOpenDatabaseInSession(&volume, "Contacts Database", 0, nullptr, &error), kInvalidDbHandle);
}

TEST_F(DatabaseTest, ReadsMoveOnAndSeeksStepBack)
{
    ASSERT_EQ(CeSeekDatabaseEx(taskDb, CEDB_SEEK_BEGINNING, 0), TaskRecordId(tasks[0]));
    std::vector<CEOID> seen;
    while (CEOID record = Read({PROPID_RECORD_ID})) {
        EXPECT_EQ(Value(0).val.ulVal, record);
        seen.push_back(record);
    }
    EXPECT_EQ(seen, (std::vector<CEOID>{TaskRecordId(tasks[0]), TaskRecordId(tasks[1]), TaskRecordId(tasks[2])}));

    ASSERT_EQ(CeSeekDatabaseEx(taskDb, CEDB_SEEK_CEOID, TaskRecordId(tasks[1])), TaskRecordId(tasks[1]));
    EXPECT_EQ(Read({PROPID_RECORD_ID}), TaskRecordId(tasks[1]));
    EXPECT_EQ(CeSeekDatabaseEx(taskDb, CEDB_SEEK_CURRENT, uint32_t(-1)), TaskRecordId(tasks[1]));
    EXPECT_EQ(Read({PROPID_RECORD_ID}), TaskRecordId(tasks[1]));
    EXPECT_EQ(CeSeekDatabaseEx(taskDb, CEDB_SEEK_CURRENT, uint32_t(-2)), TaskRecordId(tasks[0]));
    EXPECT_EQ(CeSeekDatabaseEx(taskDb, CEDB_SEEK_CURRENT, 2), TaskRecordId(tasks[2]));
    EXPECT_EQ(CeSeekDatabaseEx(taskDb, CEDB_SEEK_CURRENT, 1), 0u);
    EXPECT_EQ(CeSeekDatabaseEx(taskDb, CEDB_SEEK_END, 0), TaskRecordId(tasks[2]));
    EXPECT_EQ(CeSeekDatabaseEx(taskDb, CEDB_SEEK_CEOID, TaskRecordId(appointment)), 0u);  // not a task
}

TEST_F(DatabaseTest, PropertiesComeAsThePlatformLaysThemOut)
{
    ASSERT_EQ(CeSeekDatabaseEx(taskDb, CEDB_SEEK_CEOID, TaskRecordId(tasks[1])), TaskRecordId(tasks[1]));
    ASSERT_TRUE(Read({PROPID_TASK_DUE, PROPID_TASK_SUBJECT, PROPID_TASK_IMPORTANCE, PROPID_TASK_RECURRING,
                      PROPID_NOTES, PropTag(0x0063, CEVT_UI4), PROPID_TASK_COMPLETED}));
    FILETIME due;
    ASSERT_TRUE(OleToFileTime(Ole(2024, 1, 11), due));
    EXPECT_EQ(Value(0).propid, PROPID_TASK_DUE);
    EXPECT_EQ(Value(0).wFlags, 0);
    EXPECT_EQ(Value(0).val.filetime.dwLowDateTime, due.dwLowDateTime);
    EXPECT_EQ(Value(0).val.filetime.dwHighDateTime, due.dwHighDateTime);
    EXPECT_EQ(Value(1).wFlags, CEDB_PROPNOTFOUND);  // task 1 has no subject
    EXPECT_EQ(Value(2).val.ulVal, 1u);
    EXPECT_EQ(Value(3).val.boolVal, 0);
    EXPECT_EQ(Value(4).wFlags, CEDB_PROPNOTFOUND);
    EXPECT_EQ(Value(5).wFlags, CEDB_PROPNOTFOUND);  // right number, wrong type
    double completed = 0;
    ASSERT_TRUE(FileTimeToOle(Value(6).val.filetime, completed));
    EXPECT_EQ(completed, kNoDate);

    // A caller's buffer that may not grow is not overrun.
    uint8_t* small = static_cast<uint8_t*>(std::malloc(16));
    uint32_t smallSize = 16;
    uint16_t count = 2;
    const CEPROPID two[] = {PROPID_RECORD_ID, PROPID_TASK_SUBJECT};
    CeSeekDatabaseEx(taskDb, CEDB_SEEK_BEGINNING, 0);
    EXPECT_EQ(CeReadRecordPropsEx(taskDb, 0, &count, two, &small, &smallSize), 0u);
    EXPECT_GT(smallSize, 16u);
    std::free(small);
}

TEST_F(DatabaseTest, WritesReachTheObjectModelAllOrNothing)
{
    FILETIME ft;
    ASSERT_TRUE(OleToFileTime(Ole(2024, 1, 12), ft));
    CEPROPVAL values[2];
    values[0].propid = PROPID_TASK_COMPLETED;
    values[0].val.filetime = ft;
    values[1].propid = PropTag(0x0099, CEVT_UI4);
    EXPECT_EQ(CeWriteRecordProps(taskDb, TaskRecordId(tasks[2]), 2, values), 0u);
    EXPECT_EQ(app.GetItemFromOid(tasks[2])->AsTask()->DateCompleted(), kNoDate);
    EXPECT_FALSE(CeDatabaseError(taskDb).empty());

    EXPECT_EQ(CeWriteRecordProps(taskDb, TaskRecordId(tasks[2]), 1, values), TaskRecordId(tasks[2]));
    EXPECT_EQ(app.GetItemFromOid(tasks[2])->AsTask()->DateCompleted(), Ole(2024, 1, 12));
    EXPECT_EQ(CeWriteRecordProps(taskDb, TaskRecordId(9999), 1, values), 0u);
}
