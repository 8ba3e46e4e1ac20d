// GoogleTest main for the table tests: one QApplication for all of them (pictures and
// widgets need it). Without a display named, the window draws offscreen, as in CI; test
// discovery runs this program too.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
