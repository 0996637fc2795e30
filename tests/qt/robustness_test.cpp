// Whatever the user types stands as typed and changes nothing unless it names
// something; a long run keeps the window's memory flat.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QTest>
#include <cstdio>
#include <unistd.h>

#include "tests/qt/window_support.h"

namespace chengxi::testing {
namespace {

QString hostileText(int which)
{
    switch (which) {
    case 0:
        return QString(32767, QChar(u'京'));
    case 1: {
        QString text = QStringLiteral("北京");
        text.append(QChar(0xD800));  // a lone high surrogate
        text.prepend(QChar(0xDC00));  // a lone low surrogate
        return text;
    }
    case 2:
        return QString(QStringLiteral("上海")).append(QChar(u'\0')).append(QStringLiteral("\t\r\n\x1b\x7f"));
    case 3:
        return QStringLiteral("\u200F\u202E重庆\u202C\u200E");  // right-to-left marks around a name
    case 4:
        return QStringLiteral("😀🇨🇳💧") + QChar(0xD83D);  // emoji and a broken pair
    default:
        return QString(32767, QChar(0xDFFF));
    }
}

struct Snapshot {
    QStringList lists[3];
    QString texts[3];
    QString figures[2];

    explicit Snapshot(const Window& w)
    {
        for (int n = 1; n <= 3; ++n) {
            lists[n - 1] = w.items(n);
            texts[n - 1] = w.combo(n)->currentText();
        }
        figures[0] = w.label(8)->text();
        figures[1] = w.label(10)->text();
    }
};

TEST(HostileInput, StandsAsTypedAndChangesNothing)
{
    Window w;
    w.tick();
    w.button()->click();
    for (int box = 1; box <= 3; ++box) {
        for (int which = 0; which < 6; ++which) {
            const QString text = hostileText(which);
            const Snapshot before(w);
            w.type(box, text);
            w.tick();
            w.button()->click();
            w.tick();
            QApplication::processEvents();
            const Snapshot after(w);
            EXPECT_EQ(w.combo(box)->currentText(), text) << box << "/" << which;
            for (int n = 0; n < 3; ++n) {
                EXPECT_EQ(after.lists[n], before.lists[n]) << box << "/" << which;
                if (n != box - 1) {
                    EXPECT_EQ(after.texts[n], before.texts[n]) << box << "/" << which;
                }
            }
            EXPECT_EQ(after.figures[0], before.figures[0]);
            EXPECT_EQ(after.figures[1], before.figures[1]);
            // Put the name back so the next text starts from a whole selection.
            w.type(box, before.texts[box - 1]);
            w.tick();
        }
    }
    EXPECT_EQ(w.label(8)->text(), QStringLiteral("263"));
}

TEST(HostileInput, KeyboardTypingIsReadExactly)
{
    Window w;
    w.form->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.form.get()));
    w.tick();
    w.combo(2)->lineEdit()->clear();
    typeKeys(w.combo(2)->lineEdit(), QStringLiteral("上海 "));
    w.tick();
    EXPECT_EQ(w.combo(2)->currentText(), QStringLiteral("上海 "));
    EXPECT_EQ(w.combo(3)->count(), 16);  // still 北京's: a trailing blank names nothing
    QTest::keyClick(w.combo(2)->lineEdit(), Qt::Key_Backspace);
    w.tick();
    EXPECT_EQ(w.combo(3)->count(), 17);
    EXPECT_EQ(w.combo(3)->currentText(), QStringLiteral("宝山区"));
    // Return in the edit field neither inserts the text nor changes it. The
    // set text shows from its start, so the user goes to its end first.
    w.combo(3)->setFocus();
    QTest::keyClick(w.combo(3)->lineEdit(), Qt::Key_End);
    QTest::keyClicks(w.combo(3)->lineEdit(), QStringLiteral("x"));
    QTest::keyClick(w.combo(3)->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(w.combo(3)->count(), 17);
    EXPECT_EQ(w.combo(3)->currentText(), QStringLiteral("宝山区x"));
}

long residentKiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLong() * (sysconf(_SC_PAGESIZE) / 1024) : -1;
}

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kMemoryIsMeasurable = false;  // the sanitizer's quarantine grows on its own
#else
constexpr bool kMemoryIsMeasurable = true;
#endif

TEST(Soak, HundredThousandTicksKeepMemoryFlat)
{
    Window w(qt::Form1WindowOptions{});  // the real clock
    w.form->show();
    auto run = [&](int ticks) {
        for (int i = 0; i < ticks; ++i) {
            w.tick();
            if (i % 500 == 0) {
                // Now and then a change of province and city, and a query.
                w.type(1, i % 1000 == 0 ? QStringLiteral("四川") : QStringLiteral("北京"));
                w.tick();
                w.button()->click();
                QApplication::processEvents();
            }
        }
    };
    run(10000);  // warm-up
    const long warm = residentKiB();
    run(100000);
    const long after = residentKiB();
    std::printf("soak: resident %ld KiB after warm-up, %ld KiB after 100000 ticks (%+ld KiB)\n", warm, after,
                after - warm);
    EXPECT_NE(w.label(2)->text(), QStringLiteral("Label2"));
    if (kMemoryIsMeasurable) {
        ASSERT_GT(warm, 0);
        EXPECT_LE(after - warm, 1024);
    }
}

}  // namespace
}  // namespace chengxi::testing
