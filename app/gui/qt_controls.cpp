#include "app/gui/qt_controls.h"

#include <QComboBox>
#include <QLabel>
#include <QLocale>
#include <limits>

namespace chengxi::gui {

QString toQString(std::u16string_view text)
{
    return QString(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size()));
}

std::u16string toU16(const QString& text)
{
    return std::u16string(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size()));
}

namespace {

QString describe(const QComboBox& box, const char* what, int position)
{
    return QStringLiteral("%1: %2 at position %3 of a list of %4 entries")
        .arg(box.objectName(), QLatin1String(what))
        .arg(position)
        .arg(box.count());
}

}  // namespace

void QtComboBox::AddItem(std::u16string_view item, std::int16_t position)
{
    if (position < 0 || position > box_.count() || box_.count() >= std::numeric_limits<std::int16_t>::max()) {
        throw ControlError(describe(box_, "cannot add an entry", position).toStdString());
    }
    box_.insertItem(position, toQString(item));
}

void QtComboBox::RemoveItem(std::int16_t position)
{
    if (position < 0 || position >= box_.count()) {
        throw ControlError(describe(box_, "no entry to remove", position).toStdString());
    }
    box_.removeItem(position);
}

std::int16_t QtComboBox::ListCount() const
{
    const int count = box_.count();
    if (count > std::numeric_limits<std::int16_t>::max()) {
        throw ControlError(QStringLiteral("%1: %2 entries are more than the list can count")
                               .arg(box_.objectName())
                               .arg(count)
                               .toStdString());
    }
    return static_cast<std::int16_t>(count);
}

std::u16string QtComboBox::Text() const
{
    return toU16(box_.currentText());
}

void QtComboBox::setText(std::u16string_view text)
{
    box_.setEditText(toQString(text));
}

void QtLabel::setCaption(std::u16string_view caption)
{
    label_.setText(toQString(caption));
}

QString clockText(const QDateTime& when, const QLocale& locale)
{
    QString timeFormat = locale.timeFormat(QLocale::ShortFormat);
    if (!timeFormat.contains(QLatin1Char('s'))) {
        // Short time forms stop at the minutes; the clock shows seconds too.
        const qsizetype minutes = timeFormat.indexOf(QLatin1String("mm"));
        if (minutes >= 0) {
            timeFormat.insert(minutes + 2, QLatin1String(":ss"));
        } else {
            timeFormat = locale.timeFormat(QLocale::LongFormat);
        }
    }
    return locale.toString(when.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
           locale.toString(when.time(), timeFormat);
}

std::u16string QtLocaleServices::dateTimeText() const
{
    return toU16(clockText(now_(), QLocale()));
}

std::u16string QtLocaleServices::fixed2(double value) const
{
    return toU16(QLocale().toString(value, 'f', 2));
}

}  // namespace chengxi::gui
