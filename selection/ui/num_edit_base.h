#pragma once
// What the real and the integer entry field share: the range check with its message, and the
// commit of a changed text on Enter and on leaving the field, which tells the owner through
// OnCalculate. The text's modified mark is the line edit's own.
//
// A refused text (no number, or out of range) brings the focus back into the field with the text
// selected, after its message; Escape gives up a typed text for the last committed value. Enter
// that committed a text goes on to the window, so that a dialog presses its default button.

#include <QLineEdit>

namespace velmarsund {

class TNumEditBase : public QLineEdit {
    Q_OBJECT
public:
    explicit TNumEditBase(QWidget* parent = nullptr);

    Qt::Alignment Alignment() const { return alignment(); }
    void SetAlignment(Qt::Alignment alignment) { setAlignment(alignment); }

    double MinValue() const { return minValue_; }
    void SetMinValue(double value) { minValue_ = value; }
    double MaxValue() const { return maxValue_; }
    void SetMaxValue(double value) { maxValue_ = value; }
    // Name of the quantity: the caption of the range message.
    const QString& Content() const { return content_; }
    void SetContent(const QString& content) { content_ = content; }
    // Text of the range message with two number placeholders (MinValue, MaxValue).
    const QString& ErrorMessage() const { return errorMessage_; }
    void SetErrorMessage(const QString& message) { errorMessage_ = message; }
    bool Validation() const { return validation_; }
    void SetValidation(bool on) { validation_ = on; }

    // Writes the text anew from the field's own value (after a change of separators).
    void RefreshText();

    // Commits a changed text as leaving the field does, for commands that must work with what
    // was typed (calculate, settings, close). True when nothing was pending or the value was
    // committed; false when the text was refused, whose message has then been shown.
    bool CommitPending();

signals:
    // A changed value was committed (Enter or leaving the field).
    void OnCalculate();
    // Enter committed a valid text.
    void OnReturn();

protected:
    // Parses a modified text into the stored value; ConversionError leaves the value as it was.
    virtual void ParseModifiedText() = 0;
    // Replaces the text by the stored value, which clears the modified mark.
    virtual void WriteText() = 0;

    // Passes when Validation is off, or the text is a number within MinValue .. MaxValue; else
    // shows the range message and puts the focus back into the field.
    bool RangeCheck();

    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // True when the text was committed (or nothing was typed).
    bool CommitOnEnter();
    void CommitOnLeave();
    // After a refused text: the focus back in the field, its text selected.
    void ReturnFocus();
    // Stores the parsed text; a conversion error is reported and gives false.
    bool TryParse();

    double minValue_ = 0;
    double maxValue_ = 0;
    QString content_;
    QString errorMessage_;
    bool validation_ = false;
};

} // namespace velmarsund
