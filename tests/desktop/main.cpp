// Runs the front-end tests inside one QApplication, in a scratch working
// directory so that nothing the program writes lands in the build tree.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QStyleFactory>
#include <QTemporaryDir>

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Vemo"));
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  QTemporaryDir scratch;
  if (!scratch.isValid() || !QDir::setCurrent(scratch.path())) return 2;
  return RUN_ALL_TESTS();
}
