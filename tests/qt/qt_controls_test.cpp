// The Qt binding of the control layer: exact texts, checked positions, and
// the locale's clock and number forms.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>

#include "app/qt/qt_controls.h"

namespace chengxi::testing {
namespace {

using qt::QtComboBox;

class EditableCombo : public ::testing::Test {
protected:
    EditableCombo()
    {
        box.setObjectName(QStringLiteral("Combo3"));
        box.setEditable(true);
        box.setCompleter(nullptr);
        box.setInsertPolicy(QComboBox::NoInsert);
    }
    QComboBox box;
    QtComboBox combo{box};
};

TEST_F(EditableCombo, TextsRoundTripCodeUnitForCodeUnit)
{
    std::u16string odd = u"e河回族区 ~口区\t";
    odd.push_back(u'\0');
    odd += u"\x1b\x200f\U0001F600";
    odd.push_back(static_cast<char16_t>(0xD800));  // unpaired surrogates
    odd.push_back(static_cast<char16_t>(0xDC00));
    odd.push_back(u'x');
    odd.push_back(static_cast<char16_t>(0xDFFF));
    combo.setText(odd);
    EXPECT_EQ(combo.Text(), odd);
    combo.setText(u"");
    EXPECT_EQ(combo.Text(), u"");
    const std::u16string longText(30000, u'京');
    box.lineEdit()->setText(qt::toQString(longText));
    EXPECT_EQ(combo.Text(), longText);
}

TEST_F(EditableCombo, ListOperationsAtExplicitPositions)
{
    combo.AddItem(u"龙华区", 0);
    combo.AddItem(u"美兰区", 1);
    combo.AddItem(u"琼山区", 1);
    EXPECT_EQ(combo.ListCount(), 3);
    EXPECT_EQ(box.itemText(1), QStringLiteral("琼山区"));
    combo.RemoveItem(2);
    combo.RemoveItem(0);
    EXPECT_EQ(combo.ListCount(), 1);
    EXPECT_EQ(box.itemText(0), QStringLiteral("琼山区"));

    // Qt would clamp these; the layer refuses them.
    EXPECT_THROW(combo.AddItem(u"x", 3), ControlError);
    EXPECT_THROW(combo.AddItem(u"x", -1), ControlError);
    EXPECT_THROW(combo.RemoveItem(1), ControlError);
    EXPECT_THROW(combo.RemoveItem(-1), ControlError);
    box.model()->insertRows(0, 32767);
    EXPECT_THROW(combo.ListCount(), ControlError);
    EXPECT_THROW(combo.AddItem(u"x", 0), ControlError);
}

TEST_F(EditableCombo, TextSetAfterAFillIsTheTextThatStands)
{
    // Qt changes the edit text when entries are added to an empty list or
    // removed; the logic always sets the text afterwards.
    combo.AddItem(u"北京", 0);
    combo.setText(u"昌平区");
    EXPECT_EQ(combo.Text(), u"昌平区");
    combo.RemoveItem(0);
    combo.setText(u"");
    EXPECT_EQ(combo.Text(), u"");
}

TEST(QtLabelTest, CaptionIsShownAsPlainText)
{
    QLabel label;
    qt::QtLabel caption(label);
    caption.setCaption(u"87.00mg/L");
    EXPECT_EQ(label.text(), QStringLiteral("87.00mg/L"));
}

TEST(QtLocale, ChlorineNumbersFollowTheDefaultLocale)
{
    const QLocale saved;
    qt::QtLocaleServices services;
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    EXPECT_EQ(services.fixed2(0.29), u"0.29");
    EXPECT_EQ(services.fixed2(0.2), u"0.20");
    EXPECT_EQ(services.fixed2(0), u"0.00");
    EXPECT_EQ(services.fixed2(1), u"1.00");
    EXPECT_EQ(services.fixed2(87), u"87.00");
    EXPECT_EQ(services.fixed2(0.57), u"0.57");
    EXPECT_EQ(services.fixed2(0.05), u"0.05");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(services.fixed2(0.05), u"0,05");
    EXPECT_EQ(services.fixed2(87), u"87,00");
    QLocale::setDefault(saved);
}

TEST(QtLocale, ClockShowsShortDateAndTimeWithSeconds)
{
    const QDateTime when(QDate(2026, 12, 8), QTime(18, 53, 7));
    EXPECT_EQ(qt::clockText(when, QLocale(QLocale::Chinese, QLocale::China)),
              QStringLiteral("2026/12/8 18:53:07"));
    const QString us = qt::clockText(when, QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_TRUE(us.contains(QStringLiteral("12/8/26"))) << us.toStdString();
    EXPECT_TRUE(us.contains(QStringLiteral("6:53:07"))) << us.toStdString();

    qt::QtLocaleServices services([when] { return when; });
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    EXPECT_EQ(services.dateTimeText(), u"2026/12/8 18:53:07");
    QLocale::setDefault(saved);
}

TEST(QtLocale, ClockTimeFormatDropsTheZoneNameAndNothingElse)
{
    // Long time forms as locales write them, and what the clock keeps.
    const struct {
        const char* longForm;
        const char* clockForm;
    } cases[] = {
        {"HH:mm:ss t", "HH:mm:ss"},
        {"h:mm:ss AP t", "h:mm:ss AP"},
        {"h:mm:ss AP, t", "h:mm:ss AP"},             // sq_AL
        {"H:mm:ss (t)", "H:mm:ss"},                  // fa_IR
        {"Bh:mm:ss [t]", "APh:mm:ss"},               // zh_TW
        {"tttt HH:mm:ss", "HH:mm:ss"},               // zone first
        {"AP h시 m분 s초 t", "AP h시 m분 s초"},      // ko_KR
        {"HH 'h' mm 'min' ss 's' t", "HH 'h' mm 'min' ss 's'"},
        {"HH:mm:ss 'at' t", "HH:mm:ss 'at'"},        // a quoted t is text
        {"HH:mm:ss", "HH:mm:ss"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(qt::clockTimeFormat(QString::fromUtf8(c.longForm)),
                  QString::fromUtf8(c.clockForm))
            << c.longForm;
    }
}

}  // namespace
}  // namespace chengxi::testing
