#include "app/qt/qt_controls.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <limits>

namespace chengxi::qt {

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
    if (box_.count() >= std::numeric_limits<std::int16_t>::max()) {
        throw ControlError(ControlFault::TooManyEntries, box_.objectName().toStdString(),
                           describe(box_, "no room for an entry", position).toStdString());
    }
    if (position < 0 || position > box_.count()) {
        throw ControlError(ControlFault::CannotAddEntry, box_.objectName().toStdString(),
                           describe(box_, "cannot add an entry", position).toStdString());
    }
    box_.insertItem(position, toQString(item));
}

void QtComboBox::RemoveItem(std::int16_t position)
{
    if (position < 0 || position >= box_.count()) {
        throw ControlError(ControlFault::NoEntryToRemove, box_.objectName().toStdString(),
                           describe(box_, "no entry to remove", position).toStdString());
    }
    box_.removeItem(position);
}

std::int16_t QtComboBox::ListCount() const
{
    const int count = box_.count();
    if (count > std::numeric_limits<std::int16_t>::max()) {
        throw ControlError(ControlFault::TooManyEntries, box_.objectName().toStdString(),
                           QStringLiteral("%1: %2 entries are more than the list can count")
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
    // Where the user may be typing, the cursor stays where it was. Elsewhere
    // the text shows from its first character, which tells long names apart,
    // rather than scrolled to its end.
    QLineEdit* edit = box_.lineEdit();
    const int cursor = edit != nullptr && edit->hasFocus() ? edit->cursorPosition() : 0;
    box_.setEditText(toQString(text));
    if (edit != nullptr) {
        edit->setCursorPosition(cursor);
    }
}

void QtLabel::setCaption(std::u16string_view caption)
{
    label_.setText(toQString(caption));
}

namespace {

bool isFieldSeparator(QChar c)
{
    return c.isSpace() || c == QLatin1Char(',');
}

QChar closingBracket(QChar opening)
{
    if (opening == QLatin1Char('(')) {
        return QLatin1Char(')');
    }
    if (opening == QLatin1Char('[')) {
        return QLatin1Char(']');
    }
    return {};
}

}  // namespace

QString clockTimeFormat(const QString& format)
{
    QString result;
    result.reserve(format.size());
    bool quoted = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format[i];
        if (c == QLatin1Char('\'')) {
            quoted = !quoted;
            result += c;
            continue;
        }
        if (quoted) {
            result += c;
            continue;
        }
        if (c == QLatin1Char('B')) {
            // Left as it stands, QLocale would show a letter B.
            result += QLatin1String("AP");
            continue;
        }
        if (c != QLatin1Char('t')) {
            result += c;
            continue;
        }
        // The time-zone name: dropped with the brackets around it and the
        // separator that joined it to the rest.
        while (i + 1 < format.size() && format[i + 1] == QLatin1Char('t')) {
            ++i;
        }
        if (!result.isEmpty() && i + 1 < format.size()) {
            const QChar closing = closingBracket(result.back());
            if (!closing.isNull() && format[i + 1] == closing) {
                result.chop(1);
                ++i;
            }
        }
        while (!result.isEmpty() && isFieldSeparator(result.back())) {
            result.chop(1);
        }
        if (result.isEmpty()) {
            while (i + 1 < format.size() && isFieldSeparator(format[i + 1])) {
                ++i;
            }
        }
    }
    return result;
}

QString clockText(const QDateTime& when, const QLocale& locale)
{
    const QString timeFormat = clockTimeFormat(locale.timeFormat(QLocale::LongFormat));
    return locale.toString(when.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
           locale.toString(when.time(), timeFormat);
}

std::u16string QtLocaleServices::dateTimeText() const
{
    return toU16(clockText(now_(), QLocale()));
}

std::u16string QtLocaleServices::fixed2(double value) const
{
    // ASCII digits in every locale, like the TDS figure beside it; only the
    // decimal separator is the locale's.
    QString digits = QString::number(value, 'f', 2);
    digits.replace(QLatin1Char('.'), QLocale().decimalPoint());
    return toU16(digits);
}

}  // namespace chengxi::qt
