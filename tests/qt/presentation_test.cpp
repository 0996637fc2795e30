// The window as people meet it: open lists that show whole names, set texts
// that show their beginning, boxes named for screen readers, and figures and
// clock in the user's locale.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAccessible>
#include <QTest>

#include "tests/qt/window_support.h"

namespace chengxi::testing {
namespace {

// Each row of the open list of `combo`, as the list shows it.
QList<QImage> shownRows(QComboBox* combo)
{
    combo->showPopup();
    QAbstractItemView* list = combo->view();
    QList<QImage> rows;
    for (int row = 0; row < combo->count(); ++row) {
        const QModelIndex index = list->model()->index(row, 0);
        list->scrollTo(index);
        rows << list->viewport()->grab(list->visualRect(index)).toImage();
    }
    combo->hidePopup();
    return rows;
}

// Every entry of the open list of `combo` is shown whole: each row looks as it
// does when the list has room to spare, but for the row's right edge. Returns
// the width of the open list.
int expectEveryEntryWhole(QComboBox* combo, const char* what)
{
    const QList<QImage> shown = shownRows(combo);
    combo->showPopup();
    const int openWidth = combo->view()->window()->width();
    EXPECT_GE(openWidth, combo->width()) << what;
    combo->hidePopup();

    const QSize box = combo->size();
    combo->resize(2000, box.height());
    const QList<QImage> roomy = shownRows(combo);
    combo->resize(box);

    EXPECT_EQ(shown.size(), roomy.size()) << what;
    for (int row = 0; row < std::min(shown.size(), roomy.size()); ++row) {
        const QRect compared(0, 0, shown[row].width() - 4, shown[row].height());
        EXPECT_TRUE(shown[row].copy(compared) == roomy[row].copy(compared))
            << what << ": " << combo->itemText(row).toStdString();
    }
    return openWidth;
}

TEST(OpenList, ShowsEveryEntryWholeAndFollowsEachRefill)
{
    Window w;
    w.form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w.form.get()));
    w.tick();

    // 黔东南苗族侗族自治州, 黔南布依族苗族自治州 and 黔西南布依族苗族自治州
    // differ only in their beginning and middle.
    w.type(1, QStringLiteral("贵州"));
    w.tick();
    const int guizhou = expectEveryEntryWhole(w.combo(2), "cities of 贵州");
    EXPECT_GT(guizhou, w.combo(2)->width());

    // More entries than the list shows at once: the scroll bar takes no room
    // from the names.
    w.type(1, QStringLiteral("四川"));
    w.tick();
    ASSERT_GT(w.combo(2)->count(), w.combo(2)->maxVisibleItems());
    expectEveryEntryWhole(w.combo(2), "cities of 四川");

    // Short names again: the list shrinks back to the box.
    w.type(1, QStringLiteral("海南"));
    w.tick();
    EXPECT_LT(expectEveryEntryWhole(w.combo(2), "cities of 海南"), guizhou);

    // The district box, refilled by a city change.
    w.type(2, QStringLiteral("黔西南布依族苗族自治州"));
    w.tick();
    ASSERT_EQ(w.combo(3)->count(), 8);
    expectEveryEntryWhole(w.combo(3), "districts of 黔西南");
    expectEveryEntryWhole(w.combo(1), "provinces");

    // Opening a list moves and resizes nothing.
    for (int n = 1; n <= 3; ++n) {
        EXPECT_EQ(w.combo(n)->width(), 65);
    }
    EXPECT_EQ(w.combo(3)->pos(), QPoint(336, 176));
}

TEST(SetText, ShowsFromItsStartUnlessTheUserIsTypingThere)
{
    Window w;
    w.form->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.form.get()));
    w.tick();
    QLineEdit* province = w.combo(1)->lineEdit();
    ASSERT_TRUE(province->hasFocus());

    // A province typed one character at a time acts once the name stands,
    // and the cursor stays at the end of what was typed.
    province->clear();
    typeKeys(province, QStringLiteral("贵"));
    w.tick();
    EXPECT_EQ(w.combo(2)->currentText(), QStringLiteral("北京"));
    typeKeys(province, QStringLiteral("州"));
    w.tick();
    EXPECT_EQ(w.combo(2)->currentText(), QStringLiteral("安顺"));
    EXPECT_EQ(province->text(), QStringLiteral("贵州"));
    EXPECT_EQ(province->cursorPosition(), 2);

    // The district box, without the focus, shows the start of its long name.
    QLineEdit* district = w.combo(3)->lineEdit();
    EXPECT_EQ(w.combo(3)->currentText(), QStringLiteral("关岭布衣族苗族自治县"));
    EXPECT_EQ(district->cursorPosition(), 0);
    EXPECT_LT(district->inputMethodQuery(Qt::ImCursorRectangle).toRect().left(),
              district->fontMetrics().horizontalAdvance(QStringLiteral("关")));

    // The cursor in the middle of the focused box stays there when the tick
    // sets the box's text.
    province->clear();
    typeKeys(province, QStringLiteral("徽"));
    province->home(false);
    typeKeys(province, QStringLiteral("安"));
    ASSERT_EQ(province->cursorPosition(), 1);
    w.tick();
    EXPECT_EQ(w.combo(2)->currentText(), QStringLiteral("安庆"));
    EXPECT_EQ(province->text(), QStringLiteral("安徽"));
    EXPECT_EQ(province->cursorPosition(), 1);
}

TEST(ScreenReader, EachBoxAndFigureIsLabelledByItsCaption)
{
    Window w;
    const struct {
        QWidget* named;
        int label;
        const char* caption;
    } captions[] = {{w.combo(1), 4, "省级"},   {w.combo(2), 5, "地级"},    {w.combo(3), 6, "县级"},
                    {w.label(8), 7, "TDS值："}, {w.label(10), 9, "余氯值："}};
    for (const auto& caption : captions) {
        QAccessibleInterface* named = QAccessible::queryAccessibleInterface(caption.named);
        ASSERT_NE(named, nullptr);
        const auto labels = named->relations(QAccessible::Label);
        ASSERT_EQ(labels.size(), 1) << caption.caption;
        EXPECT_EQ(labels.front().first->object(), w.label(caption.label)) << caption.caption;
        EXPECT_EQ(labels.front().first->text(QAccessible::Name), QString::fromUtf8(caption.caption));
    }
    // Every label keeps its own text as its name; a figure, blank until the
    // first query, is named by its caption meanwhile.
    w.tick();
    w.button()->click();
    for (int n = 1; n <= 10; ++n) {
        QAccessibleInterface* label = QAccessible::queryAccessibleInterface(w.label(n));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(QAccessible::Name), w.label(n)->text()) << n;
    }
    EXPECT_EQ(QAccessible::queryAccessibleInterface(w.label(8))->text(QAccessible::Name), QStringLiteral("263"));
    // Nothing shows of it.
    EXPECT_EQ(w.label(4)->text(), QStringLiteral("省级"));
    EXPECT_EQ(w.label(7)->text(), QStringLiteral("TDS值："));
}

TEST(Locale, FiguresAndClockInTheUsersLocale)
{
    const struct {
        QLocale locale;
        const char* clock;
        const char* chlorine;
    } cases[] = {
        {QLocale(QLocale::Chinese, QLocale::China), "2026/12/8 18:53:07", "0.29mg/L"},
        {QLocale(QLocale::German, QLocale::Germany), "08.12.26 18:53:07", "0,29mg/L"},
        {QLocale(QLocale::Arabic, QLocale::Egypt), "٨‏/١٢‏/٢٠٢٦ ٦:٥٣:٠٧ م", "0٫29mg/L"},
        {QLocale(QLocale::Finnish, QLocale::Finland), "8.12.2026 18.53.07", "0,29mg/L"},
        {QLocale(QLocale::French, QLocale::Canada), "2026-12-08 18 h 53 min 07 s", "0,29mg/L"},
    };
    for (const auto& c : cases) {
        const DefaultLocale user(c.locale);
        Window w;
        w.tick();
        w.button()->click();
        const std::string name = c.locale.name().toStdString();
        EXPECT_EQ(w.label(2)->text(), QString::fromUtf8(c.clock)) << name;
        EXPECT_EQ(w.label(8)->text(), QStringLiteral("263")) << name;
        EXPECT_EQ(w.label(10)->text(), QString::fromUtf8(c.chlorine)) << name;
    }
}

}  // namespace
}  // namespace chengxi::testing
