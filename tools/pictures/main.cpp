// make_pictures FOLDER: writes the pictures of the docs that come from the
// widgets into FOLDER. Each picture is one case, so a picture that could not be
// written fails by name. Runs offscreen, in the "C" language, with settings of
// its own so the user's recent files stay untouched.
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>

QString g_pictureDir;

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", QDir(home.path()).filePath("config").toLocal8Bit());
    qputenv("XDG_DATA_HOME", QDir(home.path()).filePath("data").toLocal8Bit());
    qunsetenv("LC_ALL");
    qunsetenv("LC_MESSAGES");
    qputenv("LANG", "C");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    if (argc != 2 || !QDir(QString::fromLocal8Bit(argv[1])).exists()) {
        std::fprintf(stderr, "usage: make_pictures FOLDER (an existing folder)\n");
        return 2;
    }
    g_pictureDir = QString::fromLocal8Bit(argv[1]);
    return RUN_ALL_TESTS();
}
