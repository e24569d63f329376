#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QTest>
#include <QToolButton>

#include "editors/notes/NotesDlg.h"
#include "platform/ink/InkControl.h"
#include "platform/ink/InkStream.h"
#include "platform/ink/InkSurface.h"
#include "platform/shell/MessageBox.h"
#include "platform/shell/SoftKeyBar.h"
#include "platform/text/NotesText.h"
#include "resources/CommandIds.h"
#include "resources/Strings.h"
#include "settings/Settings.h"
#include "tests/platform/shell/QtTestApp.h"

namespace {

using Bytes = std::vector<uint8_t>;

class NotesDlgTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TestApp();
        MessageBoxScript::Begin();
    }
    void TearDown() override { MessageBoxScript::End(); }

    static void Draw(CNotesDlg& dialog, QPoint from, QPoint to)
    {
        QWidget* viewport = dialog.Ink()->InnerWindow()->viewport();
        QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, from);
        QTest::mouseMove(viewport, (from + to) / 2);
        QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, to);
    }
    static std::optional<InkContent> Read(const Bytes& blob) { return ReadInkStream(blob.data(), blob.size()); }

    Settings settings;
};

TEST_F(NotesDlgTest, PenDefaultChoosesTheOpeningModeAndTheButtonToggles)
{
    settings.m_NotesPenDefault = 1;
    Bytes notes = NotesFromText("회의록");
    CNotesDlg dialog(nullptr, settings, notes);
    dialog.resize(240, 268);
    InkSurface* surface = dialog.Ink()->InnerWindow();
    EXPECT_FALSE(surface->Typing());
    EXPECT_EQ(surface->Zoom(), 200);
    EXPECT_EQ(surface->PageStyle(), 2u);
    EXPECT_EQ(surface->toPlainText(), "회의록");
    ASSERT_NE(dialog.Commands(), nullptr);
    EXPECT_EQ(dialog.Commands()->ButtonIds(),
              (std::vector<int>{ID_DIALOG_OK, ID_DIALOG_CANCEL, ID_NOTES_PEN_MODE, ID_NOTES_CLEAR}));
    EXPECT_TRUE(dialog.Commands()->IsChecked(ID_NOTES_PEN_MODE));
    EXPECT_TRUE(dialog.Commands()->Button(ID_NOTES_CLEAR)->text().isEmpty());
    EXPECT_FALSE(dialog.Commands()->Button(ID_NOTES_CLEAR)->icon().isNull());

    dialog.Commands()->Press(ID_NOTES_PEN_MODE);
    EXPECT_FALSE(dialog.Commands()->IsChecked(ID_NOTES_PEN_MODE));
    EXPECT_TRUE(surface->Typing());
    EXPECT_EQ(surface->Zoom(), 100);
    dialog.Command(ID_NOTES_PEN_MODE);  // however it arrives, button and mode agree
    EXPECT_TRUE(dialog.Commands()->IsChecked(ID_NOTES_PEN_MODE));
    EXPECT_FALSE(surface->Typing());

    settings.m_NotesPenDefault = 0;
    settings.m_UseSoftKey = 1;
    CNotesDlg typing(nullptr, settings, notes);
    ASSERT_NE(typing.SoftKeys(), nullptr);
    EXPECT_EQ(typing.SoftKeys()->KeyText(SoftKeyBar::Key::Left), LoadString(IDS_KEY_OK));
    QAction* penItem = FindCommand(*typing.SoftKeys()->PopupByCommand(ID_NOTES_MENU_KEY), ID_NOTES_PEN_MODE);
    ASSERT_NE(penItem, nullptr);
    EXPECT_FALSE(penItem->isChecked());
    EXPECT_TRUE(typing.Ink()->InnerWindow()->Typing());
    penItem->trigger();  // a tap flips the check, then sends the command
    EXPECT_TRUE(penItem->isChecked());
    EXPECT_FALSE(typing.Ink()->InnerWindow()->Typing());
    EXPECT_EQ(typing.Ink()->InnerWindow()->Zoom(), 200);
}

TEST_F(NotesDlgTest, SaveReplacesTheBlobCancelKeepsIt)
{
    settings.m_NotesPenDefault = 1;
    const Bytes typed = NotesFromText("메모");
    Bytes notes = typed;
    auto drawAndClose = [&](int command) {
        CNotesDlg dialog(nullptr, settings, notes);
        dialog.resize(240, 268);
        dialog.show();
        Draw(dialog, {20, 20}, {80, 40});
        dialog.Command(command);
        return dialog.result();
    };
    EXPECT_EQ(drawAndClose(ID_DIALOG_CANCEL), 2);
    EXPECT_EQ(notes, typed);
    EXPECT_EQ(drawAndClose(ID_DIALOG_OK), 1);
    const std::optional<InkContent> saved = Read(notes);
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->text, "메모");
    EXPECT_EQ(saved->strokes.size(), 1u);
}

TEST_F(NotesDlgTest, ClearAsksAndOnlySaveMakesItStick)
{
    const Bytes typed = NotesFromText("지울 내용");
    Bytes notes = typed;
    CNotesDlg dialog(nullptr, settings, notes);
    InkSurface* surface = dialog.Ink()->InnerWindow();

    MessageBoxScript::QueueAnswer(IDNO);
    dialog.Command(ID_NOTES_CLEAR);
    ASSERT_EQ(MessageBoxScript::Shown().size(), 1u);
    const ShownMessageBox& box = MessageBoxScript::Shown()[0];
    EXPECT_EQ(box.text, LoadString(IDS_CLEAR_NOTES));
    EXPECT_EQ(box.caption, LoadString(IDS_PRODUCT_NAME));
    EXPECT_EQ(box.buttons, MB_YESNO);
    EXPECT_EQ(box.icon, MB_ICONQUESTION);
    EXPECT_EQ(surface->toPlainText(), "지울 내용");

    MessageBoxScript::QueueAnswer(IDYES);
    dialog.Command(ID_NOTES_CLEAR);
    EXPECT_TRUE(surface->toPlainText().isEmpty());
    EXPECT_FALSE(surface->Typing());  // the mode of the check comes back
    EXPECT_EQ(surface->Zoom(), 200);
    EXPECT_EQ(notes, typed);  // not yet saved
    dialog.Command(ID_DIALOG_OK);
    EXPECT_TRUE(notes.empty());
}

TEST_F(NotesDlgTest, InkFromElsewhereOpensEmptyAndSurvivesAnUntouchedSave)
{
    const Bytes foreign{0x4B, 0x01, 0x02, 0x03, 0xFF};
    Bytes notes = foreign;
    CNotesDlg dialog(nullptr, settings, notes);
    EXPECT_TRUE(dialog.Ink()->InnerWindow()->Content().Empty());
    dialog.Command(ID_NOTES_PEN_MODE);
    dialog.Command(ID_NOTES_PEN_MODE);
    dialog.Command(ID_DIALOG_OK);
    EXPECT_EQ(notes, foreign);
}

}  // namespace
