// In-memory controls for driving the window's logic without a toolkit. Every
// operation is written to a shared log, so tests can check what was done and
// in which order; a control can be told to fail at a given operation.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "app/core/controls.h"
#include "app/core/form1.h"

namespace chengxi::testing {

using Log = std::vector<std::u16string>;

inline std::u16string number(long value)
{
    const std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
}

class FakeControl {
public:
    FakeControl(std::u16string name, Log& log) : name_(std::move(name)), log_(log) {}

    // The next operations succeed `succeeding` times, then raise an error.
    void failAfter(int succeeding) { failIn_ = succeeding; }

protected:
    void record(const std::u16string& entry) const
    {
        if (failIn_ == 0) {
            throw ControlError("injected failure");
        }
        if (failIn_ > 0) {
            --failIn_;
        }
        log_.push_back(name_ + u"." + entry);
    }

private:
    std::u16string name_;
    Log& log_;
    mutable int failIn_ = -1;
};

class FakeComboBox final : public ComboBox, public FakeControl {
public:
    FakeComboBox(std::u16string name, Log& log, std::u16string text)
        : FakeControl(std::move(name), log), text_(std::move(text))
    {
    }

    void AddItem(std::u16string_view item, std::int16_t position) override
    {
        record(u"AddItem(" + std::u16string(item) + u"," + number(position) + u")");
        if (position < 0 || position > static_cast<int>(items.size())) {
            throw ControlError("position out of range");
        }
        items.insert(items.begin() + position, std::u16string(item));
    }
    void RemoveItem(std::int16_t position) override
    {
        record(u"RemoveItem(" + number(position) + u")");
        if (position < 0 || position >= static_cast<int>(items.size())) {
            throw ControlError("position out of range");
        }
        items.erase(items.begin() + position);
    }
    std::int16_t ListCount() const override
    {
        record(u"ListCount");
        return static_cast<std::int16_t>(items.size());
    }
    std::u16string Text() const override
    {
        record(u"Text");
        return text_;
    }
    void setText(std::u16string_view text) override
    {
        record(u"setText(" + std::u16string(text) + u")");
        text_ = text;
    }

    // What the user does: type or pick a text, bypassing the log.
    void type(std::u16string_view text) { text_ = text; }
    const std::u16string& text() const { return text_; }

    std::vector<std::u16string> items;

private:
    std::u16string text_;
};

class FakeLabel final : public Label, public FakeControl {
public:
    using FakeControl::FakeControl;
    void setCaption(std::u16string_view text) override
    {
        record(u"setCaption(" + std::u16string(text) + u")");
        caption = text;
    }
    std::u16string caption;
};

// A fixed clock text and a C-locale number form with a chosen separator.
class FakeLocale final : public LocaleServices {
public:
    std::u16string dateTimeText() const override { return clock; }
    std::u16string fixed2(double value) const override
    {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.2f", value);
        std::u16string result(buffer, buffer + std::char_traits<char>::length(buffer));
        for (char16_t& c : result) {
            if (c == u'.') {
                c = separator;
            }
        }
        return result;
    }
    std::u16string clock = u"2026/12/8 18:53:07";
    char16_t separator = u'.';
};

// The window's controls as they stand at creation, and the logic over them.
struct FakeWindow {
    Log log;
    FakeComboBox Combo1{u"Combo1", log, u"北京"};
    FakeComboBox Combo2{u"Combo2", log, u"北京"};
    FakeComboBox Combo3{u"Combo3", log, u"昌平区"};
    FakeLabel Label2{u"Label2", log};
    FakeLabel Label8{u"Label8", log};
    FakeLabel Label10{u"Label10", log};
    FakeLocale locale;
    Form1 form{Form1Controls{Combo1, Combo2, Combo3, Label2, Label8, Label10, locale}};

    // Created and loaded, as the application does.
    FakeWindow() { form.Form_Load(); }

    void tick() { form.Timer1_Timer(); }
    void click() { form.Command1_Click(); }
    // Sets all three texts and queries.
    void query(std::u16string_view province, std::u16string_view city, std::u16string_view district)
    {
        Combo1.type(province);
        Combo2.type(city);
        Combo3.type(district);
        click();
    }
};

}  // namespace chengxi::testing
