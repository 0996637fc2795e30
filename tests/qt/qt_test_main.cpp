// The Qt window tests run on Qt's offscreen platform under the Chinese locale,
// on the screens CHENGXI_QT_TEST_SCREENS describes (tests/qt/screens/).
#include <gtest/gtest.h>

#include <QApplication>
#include <QByteArray>
#include <QLocale>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + CHENGXI_QT_TEST_SCREENS);
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    return RUN_ALL_TESTS();
}
