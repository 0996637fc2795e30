// Lean in-memory controls for timing the logic without a toolkit.
#pragma once

#include <string>
#include <vector>

#include "app/core/controls.h"
#include "app/core/form1.h"

namespace chengxi::bench {

class MemoryComboBox final : public ComboBox {
public:
    explicit MemoryComboBox(std::u16string text) : text_(std::move(text)) {}
    void AddItem(std::u16string_view item, std::int16_t position) override
    {
        items_.insert(items_.begin() + position, std::u16string(item));
    }
    void RemoveItem(std::int16_t position) override { items_.erase(items_.begin() + position); }
    std::int16_t ListCount() const override { return static_cast<std::int16_t>(items_.size()); }
    std::u16string Text() const override { return text_; }
    void setText(std::u16string_view text) override { text_ = text; }

private:
    std::vector<std::u16string> items_;
    std::u16string text_;
};

class MemoryLabel final : public Label {
public:
    void setCaption(std::u16string_view caption) override { caption_ = caption; }

private:
    std::u16string caption_;
};

class MemoryLocale final : public LocaleServices {
public:
    std::u16string dateTimeText() const override { return u"2026/12/8 18:53:07"; }
    std::u16string fixed2(double value) const override
    {
        const long hundredths = static_cast<long>(value * 100 + 0.5);
        const std::string text = std::to_string(hundredths / 100) + "." + std::to_string(hundredths % 100 / 10) +
                                 std::to_string(hundredths % 10);
        return std::u16string(text.begin(), text.end());
    }
};

struct MemoryWindow {
    MemoryComboBox Combo1{u"北京"};
    MemoryComboBox Combo2{u"北京"};
    MemoryComboBox Combo3{u"昌平区"};
    MemoryLabel Label2, Label8, Label10;
    MemoryLocale locale;
    Form1 form{Form1Controls{Combo1, Combo2, Combo3, Label2, Label8, Label10, locale}};

    MemoryWindow()
    {
        form.Form_Load();
        form.Timer1_Timer();
    }
};

}  // namespace chengxi::bench
