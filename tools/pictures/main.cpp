// make_pictures FOLDER: writes the pictures of the docs that come from the
// widgets into FOLDER. Each picture is one case, so a picture that could not be
// written fails by name.
#include "quiet_environment.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <cstdio>

QString g_pictureDir;

int main(int argc, char** argv)
{
    QTemporaryDir home;
    useQuietEnvironment(home);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    if (argc != 2 || !QDir(QString::fromLocal8Bit(argv[1])).exists()) {
        std::fprintf(stderr, "usage: make_pictures FOLDER (an existing folder)\n");
        return 2;
    }
    g_pictureDir = QString::fromLocal8Bit(argv[1]);
    return RUN_ALL_TESTS();
}
