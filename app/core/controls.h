// The control layer: the few operations that the window's logic performs on
// its controls. The logic knows nothing else of the toolkit, so it runs
// against any implementation of these interfaces: the Qt widgets in the
// application, plain in-memory controls in the tests.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

namespace chengxi {

// What went wrong with a control, for the message the user reads.
enum class ControlFault {
    Other,
    CannotAddEntry,      // an entry refused, or a position out of range
    NoRoomForEntry,      // the control has no memory left for an entry
    TooManyEntries,      // more entries than a 16-bit count holds
    NoEntryToRemove,     // a removal at a position the list does not have
    CannotCountEntries,  // the count itself cannot be read
    CannotSetText,       // the edit field refused a text
    CannotSetCaption,    // a label refused a caption
    CannotFormDateTime,  // the locale cannot write the clock
    CannotFormNumber,    // the locale cannot write a figure
    CannotRedraw,        // the window cannot make its fonts, logo or icons anew
};

// Raised by a control whose operation cannot be carried out (a position out
// of range, a list that no longer fits its 16-bit count). Nothing in the
// window's logic handles it: it ends the handler that made the call, and the
// application reports it and exits. what() is the technical sentence for
// standard error; fault() and control() give the user's message
// (fatal_message.h).
class ControlError : public std::runtime_error {
public:
    // `control` is the control's name in the layout ("Combo3", "Label8"), or
    // empty for the locale services.
    ControlError(ControlFault fault, std::string control, const std::string& message)
        : std::runtime_error(message), fault_(fault), control_(std::move(control))
    {
    }
    explicit ControlError(const std::string& message) : std::runtime_error(message) {}

    ControlFault fault() const { return fault_; }
    const std::string& control() const { return control_; }

private:
    ControlFault fault_ = ControlFault::Other;
    std::string control_;
};

// An editable drop-down combo box. Texts are UTF-16 and are kept exactly as
// given, code unit for code unit.
class ComboBox {
public:
    virtual ~ComboBox() = default;

    // Inserts an entry at `position` (0 to ListCount()).
    virtual void AddItem(std::u16string_view item, std::int16_t position) = 0;
    // Removes the entry at `position` (0 to ListCount() - 1).
    virtual void RemoveItem(std::int16_t position) = 0;
    virtual std::int16_t ListCount() const = 0;
    // The text of the edit field, picked or typed.
    virtual std::u16string Text() const = 0;
    virtual void setText(std::u16string_view text) = 0;
};

// A static text label.
class Label {
public:
    virtual ~Label() = default;
    virtual void setCaption(std::u16string_view caption) = 0;
};

// The user's locale: the clock text and the formatting of numbers.
class LocaleServices {
public:
    virtual ~LocaleServices() = default;
    // The current local date and time in the locale's general form.
    virtual std::u16string dateTimeText() const = 0;
    // `value` with exactly two decimals, rounded to the nearest hundredth, a
    // leading zero below 1, ASCII digits and the locale's decimal separator.
    virtual std::u16string fixed2(double value) const = 0;
};

}  // namespace chengxi
