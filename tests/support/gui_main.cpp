// Test entry point for code that needs a QApplication (panes, windows, fonts).
#include <QApplication>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Files the program writes beside its data (pane backups, user lists) go to a
    // folder of this run, so that parallel tests never read each other's.
    const QTemporaryDir dataFolder;
    if (qEnvironmentVariableIsEmpty("VELMAR_DATA_DIR"))
        qputenv("VELMAR_DATA_DIR", dataFolder.path().toLocal8Bit());
    ::testing::InitGoogleTest(&argc, argv);
    // Settings written by windows under test go to a test folder, never the user's.
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
