// The real window on the offscreen platform: its layout, the first tick, and
// the road from province to figures through the widgets.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QMessageBox>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <optional>

#include "app/qt/fatal_error.h"
#include "tests/qt/window_support.h"

namespace chengxi::testing {
namespace {

TEST(Window, StartUpState)
{
    Window w;
    EXPECT_EQ(w.form->windowTitle(), QStringLiteral("欢迎使用澄溪水质查询系统"));
    EXPECT_EQ(w.combo(1)->count(), 31);
    EXPECT_EQ(w.combo(1)->itemText(0), QStringLiteral("北京"));
    EXPECT_EQ(w.combo(1)->itemText(30), QStringLiteral("浙江"));
    EXPECT_EQ(w.combo(2)->count(), 0);
    EXPECT_EQ(w.combo(3)->count(), 0);
    EXPECT_EQ(w.combo(1)->currentText(), QStringLiteral("北京"));
    EXPECT_EQ(w.combo(2)->currentText(), QStringLiteral("北京"));
    EXPECT_EQ(w.combo(3)->currentText(), QStringLiteral("昌平区"));
    EXPECT_EQ(w.label(2)->text(), QStringLiteral("Label2"));
    EXPECT_TRUE(w.label(8)->text().isEmpty());
    EXPECT_TRUE(w.label(10)->text().isEmpty());
    EXPECT_EQ(w.label(1)->text(), QStringLiteral("欢迎使用澄溪水质查询系统"));
    EXPECT_EQ(w.label(3)->text(), QStringLiteral("山东澄溪水处理设备有限公司"));
    EXPECT_EQ(w.label(4)->text(), QStringLiteral("省级"));
    EXPECT_EQ(w.label(5)->text(), QStringLiteral("地级"));
    EXPECT_EQ(w.label(6)->text(), QStringLiteral("县级"));
    EXPECT_EQ(w.label(7)->text(), QStringLiteral("TDS值："));
    EXPECT_EQ(w.label(9)->text(), QStringLiteral("余氯值："));
    EXPECT_EQ(w.button()->text(), QStringLiteral("查询"));
}

TEST(Window, CombosAreEditableWithoutCompletionInsertionOrSorting)
{
    Window w;
    for (int n = 1; n <= 3; ++n) {
        QComboBox* combo = w.combo(n);
        EXPECT_TRUE(combo->isEditable());
        EXPECT_EQ(combo->completer(), nullptr);
        EXPECT_EQ(combo->insertPolicy(), QComboBox::NoInsert);
    }
}

TEST(Window, TimerTicksEvery100MsAndDrivesTheFirstTick)
{
    Window w;
    ASSERT_NE(w.timer(), nullptr);
    EXPECT_EQ(w.timer()->interval(), 100);
    EXPECT_TRUE(w.timer()->isActive());
    // The real timer, through the event loop.
    QTRY_COMPARE_WITH_TIMEOUT(w.label(2)->text(), QStringLiteral("2026/12/8 18:53:07"), 2000);
    EXPECT_EQ(w.items(2), QStringList{QStringLiteral("北京")});
    EXPECT_EQ(w.combo(3)->count(), 16);
    EXPECT_EQ(w.combo(3)->itemText(15), QStringLiteral("延庆区"));
    EXPECT_EQ(w.combo(3)->currentText(), QStringLiteral("昌平区"));
}

TEST(Window, QueryThroughTheButton)
{
    Window w;
    // Before the first tick the layout's texts answer.
    QTest::mouseClick(w.button(), Qt::LeftButton);
    EXPECT_EQ(w.label(8)->text(), QStringLiteral("263"));
    EXPECT_EQ(w.label(10)->text(), QStringLiteral("0.29mg/L"));

    w.tick();
    w.combo(1)->setCurrentIndex(1);  // 上海, picked from the list
    w.tick();
    EXPECT_EQ(w.combo(2)->currentText(), QStringLiteral("上海"));
    EXPECT_EQ(w.combo(3)->currentText(), QStringLiteral("宝山区"));
    QTest::mouseClick(w.button(), Qt::LeftButton);
    EXPECT_EQ(w.label(8)->text(), QStringLiteral("231"));
    EXPECT_EQ(w.label(10)->text(), QStringLiteral("0.19mg/L"));

    // Typed rather than picked.
    w.type(1, QStringLiteral("重庆"));
    w.tick();
    EXPECT_EQ(w.combo(3)->count(), 38);
    w.type(3, QStringLiteral("潼南县"));
    QTest::mouseClick(w.button(), Qt::LeftButton);
    EXPECT_EQ(w.label(8)->text(), QStringLiteral("203"));
    EXPECT_EQ(w.label(10)->text(), QStringLiteral("0.88mg/L"));

    // A district that is no row leaves the figures standing.
    w.type(3, QStringLiteral("潼南"));
    QTest::mouseClick(w.button(), Qt::LeftButton);
    EXPECT_EQ(w.label(8)->text(), QStringLiteral("203"));
}

TEST(Window, PickingAnEntryActsLikeTypingIt)
{
    Window w;
    w.tick();
    w.combo(1)->setCurrentIndex(4);  // 安徽
    w.tick();
    EXPECT_EQ(w.combo(2)->count(), 16);
    EXPECT_EQ(w.combo(2)->currentText(), QStringLiteral("安庆"));
    w.combo(2)->setCurrentIndex(6);  // 合肥
    w.tick();
    EXPECT_EQ(w.combo(3)->count(), 9);
    EXPECT_EQ(w.combo(3)->currentText(), QStringLiteral("包河区"));
    // Selecting in the list never changed the text of another box.
    EXPECT_EQ(w.combo(1)->currentText(), QStringLiteral("安徽"));
}

TEST(Window, DistrictListsThroughTheWidgets)
{
    Window w;
    w.tick();
    // A city of another province, typed: the province is not consulted.
    w.type(2, QStringLiteral("兰州"));
    w.tick();
    EXPECT_EQ(w.combo(3)->count(), 8);
    EXPECT_EQ(w.combo(3)->currentText(), QStringLiteral("安宁区"));
    EXPECT_EQ(w.combo(1)->currentText(), QStringLiteral("北京"));
    // Near misses change nothing.
    for (const QString& text : {QStringLiteral("兰州 "), QStringLiteral("兰州市")}) {
        w.type(2, text);
        w.tick();
        EXPECT_EQ(w.combo(3)->count(), 8);
        EXPECT_EQ(w.combo(3)->currentText(), QStringLiteral("安宁区"));
    }
    // 吉林 as a city, then as a province.
    w.type(2, QStringLiteral("吉林"));
    w.tick();
    EXPECT_EQ(w.combo(3)->count(), 9);
    EXPECT_EQ(w.combo(3)->currentText(), QStringLiteral("昌邑区"));
    w.type(1, QStringLiteral("吉林"));
    w.tick();
    EXPECT_EQ(w.combo(2)->currentText(), QStringLiteral("白城"));
    EXPECT_EQ(w.items(3), (QStringList{QStringLiteral("大安市"), QStringLiteral("洮北区"), QStringLiteral("洮南市"),
                                       QStringLiteral("通榆县"), QStringLiteral("镇赉县")}));
    // 宿州: an empty list and an empty text, which a query answers.
    w.type(1, QStringLiteral("安徽"));
    w.tick();
    w.combo(2)->setCurrentIndex(12);
    ASSERT_EQ(w.combo(2)->currentText(), QStringLiteral("宿州"));
    w.tick();
    EXPECT_EQ(w.combo(3)->count(), 0);
    EXPECT_EQ(w.combo(3)->currentText(), QString());
    w.button()->click();
    EXPECT_EQ(w.label(8)->text(), QStringLiteral("0"));
    EXPECT_EQ(w.label(10)->text(), QStringLiteral("0.00mg/L"));
}

TEST(Window, OddFiguresThroughTheWidgets)
{
    Window w;
    const struct {
        const char* province;
        const char* city;
        const char* district;
        const char* tds;
        const char* chlorine;
    } rows[] = {
        {"辽宁", "葫芦岛", "南票区", "3921", "0.11mg/L"},
        {"湖北", "襄阳", "樊城区", "126", "87.00mg/L"},
        {"山东", "济宁", "嘉祥区", "572", "0.57mg/L"},
        {"湖北", "武汉", "~口区", nullptr, nullptr},
        {"河南", "洛阳", "e河回族区", nullptr, nullptr},
    };
    for (const auto& row : rows) {
        w.type(1, QString::fromUtf8(row.province));
        w.tick();
        w.type(2, QString::fromUtf8(row.city));
        w.tick();
        w.type(3, QString::fromUtf8(row.district));
        w.button()->click();
        if (row.tds != nullptr) {
            EXPECT_EQ(w.label(8)->text(), QString::fromUtf8(row.tds));
            EXPECT_EQ(w.label(10)->text(), QString::fromUtf8(row.chlorine));
        } else {
            // The stored odd names answer like any other.
            EXPECT_TRUE(w.items(3).contains(QString::fromUtf8(row.district)));
            EXPECT_FALSE(w.label(10)->text().isEmpty());
        }
    }
}

TEST(Window, Geometry)
{
    Window w;
    EXPECT_EQ(w.form->geometry(), QRect(175, 197, 656, 282));
    const struct {
        const char* name;
        QRect rect;
    } expected[] = {
        {"Label1", {144, 32, 353, 33}},  {"Label2", {192, 88, 267, 32}},  {"Label3", {168, 232, 321, 25}},
        {"Label4", {165, 152, 65, 20}},  {"Label5", {253, 152, 65, 20}},  {"Label6", {349, 152, 65, 20}},
        {"Label7", {544, 49, 93, 33}},   {"Label8", {544, 97, 93, 33}},   {"Label9", {544, 144, 93, 33}},
        {"Label10", {544, 192, 93, 33}}, {"Command1", {416, 168, 80, 35}}, {"Image1", {32, 8, 94, 72}},
    };
    for (const auto& [name, rect] : expected) {
        QWidget* widget = w.find<QWidget>(name);
        ASSERT_NE(widget, nullptr) << name;
        EXPECT_EQ(widget->geometry(), rect) << name;
    }
    const QPoint comboTopLeft[] = {{152, 176}, {240, 176}, {336, 176}};
    for (int n = 1; n <= 3; ++n) {
        EXPECT_EQ(w.combo(n)->pos(), comboTopLeft[n - 1]);
        EXPECT_EQ(w.combo(n)->width(), 65);
    }
    // Nothing moves when the window is resized.
    w.form->resize(300, 150);
    EXPECT_EQ(w.find<QWidget>("Label10")->geometry(), QRect(544, 192, 93, 33));
    w.form->resize(1000, 700);
    EXPECT_EQ(w.combo(3)->pos(), QPoint(336, 176));

    // The logo at its natural size.
    const QPixmap logo = w.find<QLabel>("Image1")->pixmap();
    EXPECT_EQ(logo.size(), QSize(94, 72));
    EXPECT_EQ(logo.devicePixelRatio(), 1.0);
    // The icon in the sizes it is drawn in, for task bars at any scale, each
    // the drawing itself.
    const QIcon icon = w.form->windowIcon();
    EXPECT_EQ(icon.availableSizes(), (QList<QSize>{{16, 16}, {32, 32}, {48, 48}, {64, 64}, {128, 128}}));
    const auto drawing = [](int size) {
        return QImage(QStringLiteral(":/assets/icon-%1.png").arg(size))
            .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    };
    for (const int size : {16, 32, 48, 64, 128}) {
        EXPECT_TRUE(icon.pixmap(QSize(size, size), 1.0).toImage().convertToFormat(
                        QImage::Format_ARGB32_Premultiplied) == drawing(size))
            << size;
    }
    // At 200 %, each size is the drawing of twice its size, up to the 256 px
    // one itself: as the window hands it to the window system, and as a
    // title bar paints it into pixels of that ratio.
    for (const int size : {16, 24, 32, 64, 128}) {
        EXPECT_TRUE(icon.pixmap(QSize(size, size), 2.0).toImage().convertToFormat(
                        QImage::Format_ARGB32_Premultiplied) == drawing(2 * size))
            << size << " at 2";
        QPixmap titleBar(2 * size, 2 * size);
        titleBar.setDevicePixelRatio(2.0);
        titleBar.fill(Qt::transparent);
        {
            QPainter painter(&titleBar);
            icon.paint(&painter, QRect(0, 0, size, size));
        }
        EXPECT_TRUE(titleBar.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied) == drawing(2 * size))
            << size << " painted at 2";
    }

    // Shown on an ordinary screen, it stands at its place.
    w.form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w.form.get()));
    EXPECT_EQ(w.form->geometry(), QRect(175, 197, 1000, 700));
}

TEST(Window, FontsAndColours)
{
    Window w;
    const struct {
        const char* name;
        int pixelSize;
        const char* installedFamily;
    } expected[] = {
        {"Label1", 29, "AR PL UMing CN"}, {"Label2", 24, "AR PL UMing CN"}, {"Label3", 24, "AR PL UKai CN"},
        {"Label7", 21, "AR PL UMing CN"}, {"Label8", 21, "AR PL UMing CN"}, {"Label9", 21, "AR PL UMing CN"},
        {"Label10", 21, "AR PL UMing CN"}, {"Command1", 19, "AR PL UMing CN"},
    };
    for (const auto& [name, pixelSize, family] : expected) {
        const QWidget* widget = w.find<QWidget>(name);
        EXPECT_EQ(widget->font().pixelSize(), pixelSize) << name;
        EXPECT_EQ(widget->font().weight(), QFont::Normal) << name;
        EXPECT_EQ(QFontInfo(widget->font()).family(), QString::fromLatin1(family)) << name;
    }
    // The combo boxes and level captions share the window's font.
    EXPECT_EQ(w.form->font().pixelSize(), 12);
    EXPECT_EQ(w.form->font().weight(), QFont::Normal);
    EXPECT_EQ(QFontInfo(w.form->font()).family(), QStringLiteral("AR PL UMing CN"));
    for (const char* name : {"Combo1", "Combo2", "Combo3", "Label4", "Label5", "Label6"}) {
        EXPECT_EQ(w.find<QWidget>(name)->font(), w.form->font()) << name;
    }

    const QColor background(192, 192, 255);
    EXPECT_EQ(w.form->palette().color(QPalette::Window), background);
    EXPECT_TRUE(w.form->autoFillBackground());
    for (int n = 1; n <= 10; ++n) {
        QLabel* label = w.label(n);
        EXPECT_EQ(label->palette().color(QPalette::Window), background);
        EXPECT_TRUE(label->autoFillBackground());
        EXPECT_EQ(label->alignment(), Qt::AlignLeft | Qt::AlignTop);
        EXPECT_EQ(label->textFormat(), Qt::PlainText);
        EXPECT_FALSE(label->wordWrap());
    }
    // The combo boxes and the button keep the system's colours.
    for (const char* name : {"Combo1", "Combo2", "Combo3", "Command1"}) {
        const QPalette palette = w.find<QWidget>(name)->palette();
        for (const auto role : {QPalette::Window, QPalette::Button, QPalette::Base}) {
            EXPECT_EQ(palette.color(role), QApplication::palette().color(role)) << name;
        }
    }
}

TEST(Window, TabOrderAndInitialFocus)
{
    Window w;
    w.form->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.form.get()));
    auto focused = [] {
        QWidget* widget = QApplication::focusWidget();
        // An editable combo box takes the focus through its edit field.
        while (widget != nullptr && qobject_cast<QComboBox*>(widget) == nullptr &&
               qobject_cast<QPushButton*>(widget) == nullptr) {
            widget = widget->parentWidget();
        }
        return widget != nullptr ? widget->objectName() : QString();
    };
    EXPECT_EQ(focused(), QStringLiteral("Combo1"));
    const QStringList order = {QStringLiteral("Command1"), QStringLiteral("Combo2"), QStringLiteral("Combo3"),
                               QStringLiteral("Combo1")};
    for (const QString& next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(focused(), next);
    }
    // Enter in a box is the box's: no query. On the focused button, Return
    // and the keypad's Enter query as Space does.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(w.label(8)->text(), QString());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(focused(), QStringLiteral("Command1"));
    QTest::keyClick(w.button(), Qt::Key_Return);
    EXPECT_EQ(w.label(8)->text(), QStringLiteral("263"));
    w.label(8)->clear();
    QTest::keyClick(w.button(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(w.label(8)->text(), QStringLiteral("263"));
    w.label(8)->clear();
    QTest::keyClick(w.button(), Qt::Key_Space);
    EXPECT_EQ(w.label(8)->text(), QStringLiteral("263"));
    for (const char* name : {"Label1", "Label8", "Image1"}) {
        EXPECT_EQ(w.find<QWidget>(name)->focusPolicy(), Qt::NoFocus) << name;
    }
}

TEST(Window, FailedControlOperationIsReportedInChineseAndStopsTheTimer)
{
    std::optional<ControlError> reported;
    qt::Form1WindowOptions options = Window::fixedClock();
    options.onFatalError = [&](const ControlError& error) { reported = error; };
    Window w(std::move(options));
    w.tick();
    // A list longer than its 16-bit count can hold cannot be emptied.
    w.combo(3)->model()->insertRows(0, 40000);
    w.type(2, QStringLiteral("上海"));
    w.tick();
    ASSERT_TRUE(reported.has_value());
    EXPECT_FALSE(w.timer()->isActive());
    EXPECT_EQ(reported->fault(), ControlFault::TooManyEntries);
    EXPECT_EQ(reported->control(), "Combo3");
    EXPECT_NE(std::string(reported->what()).find("Combo3"), std::string::npos) << reported->what();

    // The box the user would read, built but not shown.
    const std::unique_ptr<QMessageBox> box = qt::makeFatalErrorBox(*reported);
    EXPECT_EQ(box->windowTitle(), QStringLiteral("澄溪水质查询系统"));
    EXPECT_EQ(box->icon(), QMessageBox::Critical);
    EXPECT_TRUE(box->text().contains(QStringLiteral("县级列表中的条目多于它能计数的 32767 项。")))
        << box->text().toStdString();
    EXPECT_FALSE(box->text().contains(QStringLiteral("Combo3"))) << box->text().toStdString();
    EXPECT_FALSE(box->isVisible());
}

TEST(WindowDeathTest, FatalErrorPrintsTheTechnicalSentenceAndExitsWithFailure)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const ControlError error(ControlFault::NoEntryToRemove, "Combo3", "Combo3: no entry to remove");
    EXPECT_EXIT(qt::reportFatalError(error, false), ::testing::ExitedWithCode(1),
                "chengxi-water: run-time error: Combo3: no entry to remove");
}

}  // namespace
}  // namespace chengxi::testing
