// The control layer over Qt widgets.
#pragma once

#include <QDateTime>
#include <QString>
#include <functional>
#include <string>
#include <string_view>

#include "app/core/controls.h"

class QComboBox;
class QLabel;

namespace chengxi::qt {

QString toQString(std::u16string_view text);
std::u16string toU16(const QString& text);

// An editable QComboBox. The text is the edit text exactly as it stands; the
// list is changed only at explicit positions, and a position out of range is
// an error rather than being clamped as QComboBox would. A text set into a box
// without the focus shows from its first character; in the focused box the
// cursor stays where the user left it.
class QtComboBox final : public ComboBox {
public:
    explicit QtComboBox(QComboBox& box) : box_(box) {}

    void AddItem(std::u16string_view item, std::int16_t position) override;
    void RemoveItem(std::int16_t position) override;
    std::int16_t ListCount() const override;
    std::u16string Text() const override;
    void setText(std::u16string_view text) override;

private:
    QComboBox& box_;
};

class QtLabel final : public Label {
public:
    explicit QtLabel(QLabel& label) : label_(label) {}
    void setCaption(std::u16string_view caption) override;

private:
    QLabel& label_;
};

// The default QLocale's date, time and number forms. The time source is
// injectable so that tests can fix the clock.
class QtLocaleServices final : public LocaleServices {
public:
    using TimeSource = std::function<QDateTime()>;
    explicit QtLocaleServices(TimeSource now = &QDateTime::currentDateTime) : now_(std::move(now)) {}

    std::u16string dateTimeText() const override;
    std::u16string fixed2(double value) const override;

private:
    TimeSource now_;
};

// The clock text for `when` in `locale`: its short date, a space, and its
// long time form without the time-zone name ("2026/12/8 18:53:07" in zh_CN,
// "8.12.2026 18.53.07" in fi_FI).
QString clockText(const QDateTime& when, const QLocale& locale);

// A locale's long time format as the clock uses it: the time-zone name taken
// out, with the brackets around it and the separator that joined it to the
// rest, and the flexible day period, which QLocale does not know, shown as
// its AM/PM text.
QString clockTimeFormat(const QString& longTimeFormat);

}  // namespace chengxi::qt
