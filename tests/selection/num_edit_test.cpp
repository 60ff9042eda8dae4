#include "int_edit.h"
#include "message_box.h"
#include "num_edit.h"
#include "number_parse.h"
#include "number_separators.h"
#include "recording_seams.h"
#include "text_table.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

namespace velmarsund {
namespace {

// A shown, active window with a real field, an integer field and a neighbour to move to.
class EntryFieldTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetProgramSeparators({QLatin1Char('.'), QLatin1Char(',')});
        SetCurrentLanguage(Language::English);
        auto* layout = new QVBoxLayout(&window_);
        num_ = new TNumEdit(&window_);
        int_ = new TIntEdit(&window_);
        neighbour_ = new TNumEdit(&window_);
        layout->addWidget(num_);
        layout->addWidget(int_);
        layout->addWidget(neighbour_);
        window_.show();
        QApplication::setActiveWindow(&window_);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
    }

    void MakeTemperatureField()
    {
        num_->SetFormat(NumberFormat::General);
        num_->SetMinValue(-30);
        num_->SetMaxValue(80);
        num_->SetValidation(true);
        num_->SetErrorMessage(LoadText(105));
        num_->SetContent(LoadText(12));
    }
    // Focus into the field, replace its text by typing, as a user does.
    void Type(QLineEdit* field, const QString& text)
    {
        field->setFocus(Qt::TabFocusReason);
        field->selectAll();
        QTest::keyClicks(field, text);
    }
    void Leave() { neighbour_->setFocus(Qt::TabFocusReason); }

    testing::RecordingSeams presenter_;
    QWidget window_;
    TNumEdit* num_ = nullptr;
    TIntEdit* int_ = nullptr;
    TNumEdit* neighbour_ = nullptr;
};

TEST_F(EntryFieldTest, RangeCheckOnEnterIsInclusive)
{
    MakeTemperatureField();
    for (const char* accepted : {"80", "-30"}) {
        QSignalSpy calculate(num_, &TNumEditBase::OnCalculate);
        QSignalSpy ret(num_, &TNumEditBase::OnReturn);
        Type(num_, QString::fromUtf8(accepted));
        QTest::keyClick(num_, Qt::Key_Return);
        EXPECT_EQ(calculate.count(), 1) << accepted;
        EXPECT_EQ(ret.count(), 1) << accepted;
        EXPECT_EQ(num_->text(), QString::fromUtf8(accepted));
        EXPECT_FALSE(num_->isModified());
        EXPECT_EQ(num_->selectedText(), num_->text()); // whole text selected after Enter
    }
    EXPECT_EQ(num_->Value(), -30);
    EXPECT_TRUE(presenter_.messages.empty());
}

TEST_F(EntryFieldTest, RangeViolationShowsTheMessageAndCommitsNothing)
{
    MakeTemperatureField();
    num_->SetValue(20);
    for (const char* refused : {"80.01", "abc", "-30.5"}) {
        presenter_.messages.clear();
        QSignalSpy calculate(num_, &TNumEditBase::OnCalculate);
        QSignalSpy ret(num_, &TNumEditBase::OnReturn);
        Type(num_, QString::fromUtf8(refused));
        QTest::keyClick(num_, Qt::Key_Return);
        ASSERT_EQ(presenter_.messages.size(), 1u) << refused;
        EXPECT_EQ(presenter_.messages[0].text, QStringLiteral("Please enter a number between -30 and 80"));
        EXPECT_EQ(presenter_.messages[0].caption, QStringLiteral("Temperature"));
        EXPECT_EQ(presenter_.messages[0].kind, MessageKind::Warning);
        EXPECT_EQ(calculate.count(), 0);
        EXPECT_EQ(ret.count(), 0);
        EXPECT_EQ(num_->text(), QString::fromUtf8(refused)); // the text stays for correcting
    }
    // Leaving with a refused text: message, and the focus comes back.
    presenter_.messages.clear();
    QSignalSpy calculate(num_, &TNumEditBase::OnCalculate);
    Leave();
    EXPECT_EQ(presenter_.messages.size(), 1u);
    EXPECT_TRUE(num_->hasFocus());
    EXPECT_EQ(calculate.count(), 0);
    num_->setText(QStringLiteral("21")); // a program-side text carries no modified mark
    EXPECT_EQ(num_->Value(), 20);
}

TEST_F(EntryFieldTest, RangeMessageUsesTheProgramDecimalSeparator)
{
    SetProgramSeparators({QLatin1Char(','), QLatin1Char('.')});
    num_->SetMinValue(-22.5);
    num_->SetMaxValue(176);
    num_->SetValidation(true);
    num_->SetErrorMessage(QStringLiteral("%g .. %g"));
    Type(num_, QStringLiteral("177"));
    QTest::keyClick(num_, Qt::Key_Enter);
    ASSERT_EQ(presenter_.messages.size(), 1u);
    EXPECT_EQ(presenter_.messages[0].text, QStringLiteral("-22,5 .. 176"));
    // With a comma the typed point is no number.
    presenter_.messages.clear();
    Type(num_, QStringLiteral("22.5"));
    QTest::keyClick(num_, Qt::Key_Enter);
    EXPECT_EQ(presenter_.messages.size(), 1u);
    Type(num_, QStringLiteral("22,5"));
    QTest::keyClick(num_, Qt::Key_Enter);
    EXPECT_EQ(num_->Value(), 22.5);
}

TEST_F(EntryFieldTest, LeavingCommitsAChangedText)
{
    num_->SetValue(1);
    QSignalSpy calculate(num_, &TNumEditBase::OnCalculate);
    QSignalSpy ret(num_, &TNumEditBase::OnReturn);
    Type(num_, QStringLiteral("7"));
    EXPECT_TRUE(num_->isModified());
    Leave();
    EXPECT_EQ(calculate.count(), 1);
    EXPECT_EQ(ret.count(), 0);
    EXPECT_EQ(num_->text(), QStringLiteral("7.00")); // fixed, 2 digits by default
    EXPECT_FALSE(num_->isModified());
    EXPECT_EQ(num_->Value(), 7);
}

TEST_F(EntryFieldTest, PassingThroughOrEnterWithoutTypingRaisesNoCalculate)
{
    QSignalSpy calculate(num_, &TNumEditBase::OnCalculate);
    QSignalSpy ret(num_, &TNumEditBase::OnReturn);
    num_->setFocus(Qt::TabFocusReason);
    Leave();
    num_->setFocus(Qt::TabFocusReason);
    QTest::keyClick(num_, Qt::Key_Return);
    EXPECT_EQ(calculate.count(), 0);
    EXPECT_EQ(ret.count(), 1);
}

TEST_F(EntryFieldTest, TextThatIsNoNumberWithoutRangeCheck)
{
    num_->SetValue(5);
    QSignalSpy calculate(num_, &TNumEditBase::OnCalculate);
    Type(num_, QStringLiteral("abc"));
    EXPECT_THROW(num_->Value(), ConversionError);
    Leave();
    ASSERT_EQ(presenter_.messages.size(), 1u);
    EXPECT_EQ(presenter_.messages[0].kind, MessageKind::Error);
    EXPECT_TRUE(presenter_.messages[0].text.contains(QStringLiteral("abc")));
    EXPECT_EQ(calculate.count(), 0);
    EXPECT_EQ(num_->text(), QStringLiteral("abc"));
}

// A refused text, whether no number or out of range: the message once, the focus back in the
// field with the text selected; Escape brings back the last committed value.
TEST_F(EntryFieldTest, RefusedTextKeepsTheFocusAndEscapeRestoresTheValue)
{
    const struct {
        const char* typed;
        bool rangeCheck;
    } cases[] = {{"abc", false}, {"abc", true}, {"81", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        presenter_.messages.clear();
        if (c.rangeCheck) MakeTemperatureField();
        num_->SetValidation(c.rangeCheck);
        num_->SetFormat(NumberFormat::Fixed);
        num_->SetValue(22.5);
        QSignalSpy calculate(num_, &TNumEditBase::OnCalculate);
        Type(num_, QString::fromLatin1(c.typed));
        Leave();
        ASSERT_EQ(presenter_.messages.size(), 1u);
        EXPECT_TRUE(num_->hasFocus());
        EXPECT_EQ(num_->selectedText(), QString::fromLatin1(c.typed));

        QTest::keyClick(num_, Qt::Key_Escape);
        EXPECT_EQ(num_->text(), QStringLiteral("22.50"));
        EXPECT_FALSE(num_->isModified());
        EXPECT_EQ(num_->selectedText(), QStringLiteral("22.50"));
        Leave();
        EXPECT_EQ(presenter_.messages.size(), 1u);
        EXPECT_EQ(calculate.count(), 0);
        EXPECT_EQ(num_->Value(), 22.5);
    }
}

// Escape over a field without a typed text is the window's: its shortcut runs.
TEST_F(EntryFieldTest, EscapeWithoutTypingIsTheWindowsKey)
{
    QAction escape(&window_);
    escape.setShortcut(QKeySequence(Qt::Key_Escape));
    window_.addAction(&escape);
    QSignalSpy triggered(&escape, &QAction::triggered);
    num_->setFocus();
    QTest::keyClick(num_, Qt::Key_Escape);
    EXPECT_EQ(triggered.count(), 1);
    Type(num_, QStringLiteral("7"));
    QTest::keyClick(num_, Qt::Key_Escape); // gives up the typed text only
    EXPECT_EQ(triggered.count(), 1);
}

// In a dialog, Enter that commits the text goes on to the default button; a refused text keeps
// the dialog open.
TEST(EntryFieldInDialogTest, EnterPressesTheDefaultButtonAfterACommit)
{
    testing::RecordingSeams seams;
    SetCurrentLanguage(Language::English);
    QDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    auto* field = new TNumEdit(&dialog);
    field->SetFormat(NumberFormat::General);
    field->SetMinValue(600);
    field->SetMaxValue(1100);
    field->SetValidation(true);
    auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    layout->addWidget(field);
    layout->addWidget(ok);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    QSignalSpy accepted(&dialog, &QDialog::accepted);

    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, QStringLiteral("1200"));
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(seams.messages.size(), 1u);
    EXPECT_EQ(accepted.count(), 0);
    EXPECT_TRUE(dialog.isVisible());

    field->selectAll();
    QTest::keyClicks(field, QStringLiteral("950"));
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(accepted.count(), 1);
    EXPECT_EQ(field->Value(), 950);
}

TEST_F(EntryFieldTest, ProgramSideValueAndFormats)
{
    QSignalSpy calculate(num_, &TNumEditBase::OnCalculate);
    num_->SetFormat(NumberFormat::General);
    num_->SetPrecision(10);
    const std::pair<double, const char*> shown[] = {{10000, "10000"}, {-12, "-12"}, {22.5, "22.5"}};
    for (const auto& [value, text] : shown) {
        num_->SetValue(value);
        EXPECT_EQ(num_->text(), QLatin1String(text));
    }
    num_->SetFormat(NumberFormat::Fixed); // re-writes at once
    EXPECT_EQ(num_->text(), QStringLiteral("22.50"));
    num_->SetDigits(0);
    EXPECT_EQ(num_->text(), QStringLiteral("23"));
    num_->SetValue(12345.678);
    num_->SetFormat(NumberFormat::Number);
    num_->SetDigits(2);
    EXPECT_EQ(num_->text(), QStringLiteral("12,345.68"));
    SetProgramSeparators({QLatin1Char(','), QLatin1Char('.')});
    num_->RefreshText();
    EXPECT_EQ(num_->text(), QStringLiteral("12.345,68"));
    EXPECT_EQ(calculate.count(), 0);
    EXPECT_EQ(num_->Alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
}

TEST_F(EntryFieldTest, IntegerField)
{
    int_->SetValue(-5);
    EXPECT_EQ(int_->text(), QStringLiteral("-5"));
    int_->SetMinValue(0.5);
    int_->SetMaxValue(3000);
    int_->SetValidation(true);
    int_->SetErrorMessage(QStringLiteral("%g .. %g"));
    QSignalSpy calculate(int_, &TNumEditBase::OnCalculate);
    Type(int_, QStringLiteral("1880"));
    QTest::keyClick(int_, Qt::Key_Return);
    EXPECT_EQ(int_->Value(), 1880);
    EXPECT_EQ(calculate.count(), 1);
    Type(int_, QStringLiteral("0"));
    QTest::keyClick(int_, Qt::Key_Return);
    ASSERT_EQ(presenter_.messages.size(), 1u);
    EXPECT_EQ(presenter_.messages[0].text, QStringLiteral("0.5 .. 3000"));
    // Within the range as a real number, but no integer: the conversion error.
    presenter_.messages.clear();
    Type(int_, QStringLiteral("12.5"));
    Leave();
    ASSERT_EQ(presenter_.messages.size(), 1u);
    EXPECT_EQ(presenter_.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(calculate.count(), 1);
    EXPECT_THROW(int_->Value(), ConversionError);
}

} // namespace
} // namespace velmarsund
