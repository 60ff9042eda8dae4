// The main of the widget tests. Tests write the real settings file: XDG_CONFIG_HOME points at a
// temporary folder of this process, so that no test touches the user's settings or another test's.
// The locale is fixed, so that the system's separators are "." and ",".

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("LC_ALL", "en_US.UTF-8");
    QTemporaryDir config;
    if (!config.isValid()) return 2;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
