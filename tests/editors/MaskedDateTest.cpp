#include <gtest/gtest.h>

#include <QTest>

#include <random>

#include "editors/MaskedDate.h"
#include "editors/MaskedDateEdit.h"
#include "platform/shell/WindowMessage.h"
#include "tests/platform/shell/QtTestApp.h"

namespace {

const QString kFull = QStringLiteral("YYYY-MM-DD");

QString Type(const QString& mask, const QString& text, int caret, QChar typed, int* newCaret = nullptr)
{
    const MaskedKeyResult result = TypeIntoMaskedDate(mask, text, caret, typed);
    if (newCaret != nullptr)
        *newCaret = result.caret;
    return result.text;
}

class MessageCounter : public QWidget {
public:
    int count = 0;
    WPARAM lastWParam = 0;

protected:
    bool event(QEvent* event) override
    {
        if (const auto* message = AsWindowMessage(event, RegisterWindowMessage(kDateTimeEditMessageName))) {
            ++count;
            lastWParam = message->WParam();
            return true;
        }
        return QWidget::event(event);
    }
};

}  // namespace

TEST(MaskedDate, RendersAndReadsEveryMaskWithClamping)
{
    EXPECT_EQ(RenderMaskedDate(kFull, {2009, 5, 5}), "2009-05-05");
    EXPECT_EQ(RenderMaskedDate(QStringLiteral("MM-DD"), {2009, 5, 5}), "05-05");
    EXPECT_EQ(RenderMaskedDate(QStringLiteral("YYYY-MM"), {1700, 13, 0}), "1881-12");
    EXPECT_EQ(RenderMaskedDate(QStringLiteral("DD/MM/YYYY"), {2100, 0, 40}), "31/01/2050");

    MaskedDate date{2000, 7, 9};
    EXPECT_FALSE(ParseMaskedDate(QStringLiteral("MM-DD"), QStringLiteral("03-x8"), date));
    EXPECT_EQ(date.month, 3);  // read before the field that failed
    EXPECT_TRUE(ParseMaskedDate(QStringLiteral("MM-DD"), QStringLiteral("03- 8"), date));
    EXPECT_EQ(date.year, 2000);  // not in the mask: unchanged
    EXPECT_EQ(date.day, 8);
    EXPECT_FALSE(ParseMaskedDate(kFull, QStringLiteral("2009/05/05"), date));
}

TEST(MaskedDate, DigitsReplaceInPlaceAndAreClamped)
{
    int caret = 0;
    // 1009 is below the lunar tables: the year shows 1881.
    EXPECT_EQ(Type(kFull, "2009-05-05", 0, '1', &caret), "1881-05-05");
    EXPECT_EQ(caret, 1);
    // 15 becomes 12; then 3 over the second digit, 13, is 12 again.
    const QString twelve = Type(kFull, "2009-05-05", 5, '1', &caret);
    EXPECT_EQ(twelve, "2009-12-05");
    EXPECT_EQ(caret, 6);
    EXPECT_EQ(Type(kFull, twelve, 6, '3'), "2009-12-05");
    // The caret jumps over separators; other characters only move it.
    Type(kFull, "2009-05-05", 3, '7', &caret);
    EXPECT_EQ(caret, 5);
    EXPECT_EQ(Type(kFull, "2009-05-05", 4, 'x', &caret), "2009-05-05");
    EXPECT_EQ(caret, 5);
    Type(kFull, "2009-05-05", 9, '1', &caret);
    EXPECT_EQ(caret, 10);
    // Backspace and "&" step left without removing anything.
    EXPECT_EQ(Type(kFull, "2009-05-05", 5, QChar(0x08), &caret), "2009-05-05");
    EXPECT_EQ(caret, 4);
    Type(kFull, "2009-05-05", 0, '&', &caret);
    EXPECT_EQ(caret, 0);
}

TEST(MaskedDate, RandomKeysKeepTheMaskLengthAndTheDateInRange)
{
    std::mt19937 random(20090505);
    const QString masks[] = {kFull, "MM-DD", "YYYY-MM", "MM", "DD/MM/YYYY"};
    const QString alphabet = QStringLiteral("0123456789-/&x +\b가");
    for (const QString& mask : masks) {
        QString text = RenderMaskedDate(mask, {2009, 5, 5});
        int caret = 0;
        for (int step = 0; step < 5000; ++step) {
            const QChar typed = alphabet[static_cast<qsizetype>(random() % alphabet.size())];
            if (random() % 7 == 0)
                caret = static_cast<int>(random() % (text.size() + 3)) - 1;
            const MaskedKeyResult result = TypeIntoMaskedDate(mask, text, caret, typed);
            ASSERT_EQ(result.text.size(), mask.size()) << mask.toStdString() << " " << text.toStdString();
            MaskedDate date{1990, 6, 15};
            ASSERT_TRUE(ParseMaskedDate(mask, result.text, date)) << result.text.toStdString();
            ASSERT_GE(date.year, kMaskedYearMin);
            ASSERT_LE(date.year, kMaskedYearMax);
            ASSERT_GE(date.month, 1);
            ASSERT_LE(date.month, 12);
            ASSERT_GE(date.day, 1);
            ASSERT_LE(date.day, 31);
            ASSERT_GE(result.caret, 0);
            ASSERT_LE(result.caret, result.text.size());
            text = result.text;
            caret = result.caret;
        }
    }
}

TEST(MaskedDateEdit, KeysNeverChangeTheLengthAndDatesAreAnnounced)
{
    TestApp();
    MessageCounter window;
    auto* field = new CMaskedDateEdit(&window);
    field->SetMask(kFull);
    field->SetDate(2009, 5, 5);
    window.show();
    field->setFocus();
    field->setCursorPosition(0);
    QTest::keyClicks(field, "1");
    EXPECT_EQ(field->text(), "1881-05-05");
    for (int key : {Qt::Key_Delete, Qt::Key_Insert, Qt::Key_Backspace}) {
        QTest::keyClick(field, static_cast<Qt::Key>(key));
        EXPECT_EQ(field->text().size(), kFull.size());
    }
    QTest::keySequence(field, QKeySequence::SelectAll);
    QTest::keySequence(field, QKeySequence::Cut);
    QTest::keyClicks(field, "9");
    EXPECT_EQ(field->text().size(), kFull.size());

    int year = 0, month = 0, day = 0;
    field->SetMask(QStringLiteral("MM-DD"));
    EXPECT_EQ(field->text(), "05-05");
    year = 1999;
    field->GetDate(year, month, day);
    EXPECT_EQ(year, 1999);
    EXPECT_EQ(month, 5);

    // The registered notification goes to the parent on every SetDate.
    QCoreApplication::processEvents();
    window.count = 0;
    field->SetDate(2010, 1, 2);
    QCoreApplication::processEvents();
    EXPECT_EQ(window.count, 1);
    EXPECT_EQ(window.lastWParam, 1u);
    EXPECT_EQ(RegisterWindowMessage(kDateTimeEditMessageName), RegisterWindowMessage(kDateTimeEditMessageName));
}
