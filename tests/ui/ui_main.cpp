// The window tests need one QApplication for the whole run, on the offscreen
// platform and without sound, and a data folder of their own: what one run
// writes ("last32.dam", saved games) never reaches the user's folder or
// another run's.
#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("KORVELAN_SILENT", "1");
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toUtf8());
    QApplication app(argc, argv);
    QApplication::setApplicationName("Korvelan");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
