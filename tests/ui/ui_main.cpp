// The window tests need one QApplication for the whole run, on the offscreen
// platform and without sound, and a data folder of their own: what the
// window writes for the user never lands in the real home folder.
#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("KORVELAN_SILENT", "1");
    QTemporaryDir dataHome;
    if (dataHome.isValid()) qputenv("XDG_DATA_HOME", dataHome.path().toUtf8());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
