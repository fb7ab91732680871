// The Qt suite needs one application object for all its tests.
#include "quiet_environment.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    QTemporaryDir home;
    useQuietEnvironment(home);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
