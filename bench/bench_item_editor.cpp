// The appointment editor on a stored item: opening it until it is painted
// (load, controls, in-place notes; target at most 50 ms) and saving an
// appointment with notes and a weekly recurrence (at most 10 ms). At 192 dpi,
// the densest screen.
#include <benchmark/benchmark.h>

#include <QLineEdit>
#include <QPixmap>

#include <cstdlib>
#include <filesystem>
#include <memory>

#include "bench/OffscreenApplication.h"
#include "editors/item/ApptDlg.h"
#include "editors/item/RecurrenceChoice.h"
#include "pim/session/PimSession.h"
#include "platform/ink/InkStream.h"
#include "platform/shell/Density.h"
#include "platform/store/OleTime.h"
#include "platform/store/PoomItem.h"
#include "resources/CommandIds.h"
#include "settings/Settings.h"

namespace {

void EnsureApplication()
{
    EnsureOffscreenApplication();
    SetDeviceDpi(192, 192);
}

// Notes as a user leaves them: a few typed lines and a page of handwriting.
std::vector<uint8_t> PageOfNotes()
{
    InkContent content;
    for (int line = 0; line < 12; ++line) content.text += "안건 " + std::to_string(line) + ": 예산 검토\n";
    for (int stroke = 0; stroke < 60; ++stroke) {
        InkStroke ink{0x000000, 2, {}};
        for (int point = 0; point < 40; ++point) ink.points.push_back({point * 4, stroke * 5 + point % 5});
        content.strokes.push_back(std::move(ink));
    }
    return WriteInkStream(content);
}

// A store with one weekly appointment carrying notes and a colour.
class EditorFixture {
public:
    EditorFixture()
    {
        EnsureApplication();
        std::string pattern = (std::filesystem::temp_directory_path() / "dayvane-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) std::abort();
        m_dir = pattern;
        m_session = std::make_unique<PimSession>(m_dir / "pim.vol");
        if (!m_session->OpenPoom(nullptr) || !m_session->OpenPimDatabases(nullptr)) std::abort();
        auto item = m_session->CreateItem(olAppointmentItem);
        PoomAppointment& appointment = *item->AsAppointment();
        appointment.SetSubject("주간 회의");
        appointment.SetLocation("3층 회의실");
        appointment.SetStart(OleFromFields(2026, 12, 9, 10, 0).value());
        appointment.SetEnd(OleFromFields(2026, 12, 9, 11, 30).value());
        const std::vector<uint8_t> notes = PageOfNotes();
        appointment.SetBodyInk(Bytes(notes.begin(), notes.end()));
        WriteRecurrenceChoice(appointment, kRecurrenceWeekly, appointment.Start());
        m_session->SetItemColor(appointment, 0x3366CC);
        if (!item->Save()) std::abort();
        m_oid = item->Oid();
    }
    ~EditorFixture()
    {
        m_session.reset();
        std::error_code ignored;
        std::filesystem::remove_all(m_dir, ignored);
    }

    std::unique_ptr<PoomItem> Item() { return m_session->GetItemFromOid(m_oid); }
    ItemEditorContext Context() { return {m_settings, *m_session, TimeFromFields(2026, 12, 9, 0, 0, 0), {}}; }

private:
    std::filesystem::path m_dir;
    std::unique_ptr<PimSession> m_session;
    Settings m_settings;
    CEOID m_oid = 0;
};

void BM_OpenAppointmentEditorUntilPainted(benchmark::State& state)
{
    EditorFixture fixture;
    for (auto _ : state) {
        std::unique_ptr<PoomItem> item = fixture.Item();
        CApptDlg dialog(nullptr, fixture.Context(), *item->AsAppointment(), {});
        dialog.resize(480, 536);
        benchmark::DoNotOptimize(dialog.grab());
    }
}
BENCHMARK(BM_OpenAppointmentEditorUntilPainted)->Unit(benchmark::kMillisecond);

void BM_SaveAppointmentWithNotesAndRecurrence(benchmark::State& state)
{
    EditorFixture fixture;
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::unique_ptr<PoomItem> item = fixture.Item();
        auto dialog = std::make_unique<CApptDlg>(nullptr, fixture.Context(), *item->AsAppointment(), ItemEditorFlags{});
        dialog->findChild<QLineEdit*>(QString::number(IDC_ITEM_TITLE))->setText(QString("주간 회의 %1").arg(++round));
        state.ResumeTiming();
        dialog->Command(ID_DIALOG_OK);
        state.PauseTiming();
        if (dialog->result() != 1) state.SkipWithError("not saved");
        dialog.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SaveAppointmentWithNotesAndRecurrence)->Unit(benchmark::kMillisecond);

}  // namespace
