// Entry of the GUI test programs: one application object for all tests.
#include "platform/widgets.h"

#include <QApplication>

#include <gtest/gtest.h>


int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    larendo::platform::prepareApplication();
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(resources);
    larendo::platform::installFontSubstitutes();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
