#include <QApplication>
#include <QDate>
#include <QLocale>

#include "qt/main_window.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("tv"));

  // The program folder holds the language files and tv.ini.
  const QString programFolder = QCoreApplication::applicationDirPath();
  const QString decimalMark = QLocale::system().decimalPoint();
  tavelor::qt::MainWindow window(programFolder, decimalMark, [] {
    return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
  });
  if (!window.startUp()) return 1;
  window.showReady();
  return QApplication::exec();
}
