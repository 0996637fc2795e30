// The Qt window tests run on Qt's offscreen platform under the Chinese locale.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    return RUN_ALL_TESTS();
}
