#include <QApplication>
#include <QCommandLineParser>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "qt/main_window.h"
#include "qt/outline_svg.h"
#include "ui/command_line.h"

namespace {

using tavelor::ui::BatchResult;

constexpr const char* kVersion = QT_STRINGIFY(TAVELOR_VERSION_MAJOR) "." QT_STRINGIFY(
    TAVELOR_VERSION_MINOR) "." QT_STRINGIFY(TAVELOR_VERSION_PATCH);

// The modes that never show a window: decided before any application object exists, since the
// window needs a display and these must run without one.
bool runsWithoutWindow(int argc, char* argv[]) {
  for (int i = 1; i < argc; ++i) {
    const QByteArray argument(argv[i]);
    if (argument == "--") break;
    for (const char* option :
         {"--export", "--report", "--help", "--help-all", "-h", "-?", "--version", "-v"}) {
      if (argument == option || argument.startsWith(QByteArray(option) + '=')) return true;
    }
  }
  return false;
}

// Without a window the user reads standard error: Qt's own notes about the desktop session (no
// runtime folder, no fonts configured) would only bury the one line that counts.
void onlyFatalMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtFatalMsg) std::fprintf(stderr, "tavelor: %s\n", qPrintable(message));
}

int finish(const BatchResult& result) {
  std::fwrite(result.output.data(), 1, result.output.size(), stdout);
  if (!result.error.empty()) std::fprintf(stderr, "%s\n", result.error.c_str());
  return std::fflush(stdout) == 0 ? result.exitCode : 1;
}

int failWith(const QString& error) { return finish({1, {}, "tavelor: " + error.toStdString()}); }

}  // namespace

int main(int argc, char* argv[]) {
  const bool withoutWindow = runsWithoutWindow(argc, argv);
  std::unique_ptr<QGuiApplication> app;
  if (withoutWindow) {
    // QSvgGenerator paints through QPainter, which needs a GUI application; no display needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(onlyFatalMessages);
    app = std::make_unique<QGuiApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tavelor"));
  } else {
    app = std::make_unique<QApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tv"));
  }
  QCoreApplication::setApplicationVersion(QString::fromLatin1(kVersion));

  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("Tavelor: mean chord, CG and wing loading of model aircraft wings."));
  parser.addHelpOption();
  parser.addVersionOption();
  const QCommandLineOption exportOption(
      QStringLiteral("export"),
      QStringLiteral("Write the outline of WINGFILE to OUTPUT, as DXF or SVG by its extension, "
                     "and exit."),
      QStringLiteral("OUTPUT"));
  const QCommandLineOption reportOption(
      QStringLiteral("report"), QStringLiteral("Print the figures of WINGFILE as JSON and exit."));
  parser.addOption(exportOption);
  parser.addOption(reportOption);
  parser.addPositionalArgument(QStringLiteral("WINGFILE"),
                               QStringLiteral("The wing file to open, export or report."),
                               QStringLiteral("[WINGFILE]"));
  parser.process(*app);  // --help, --version and a malformed line end the program here

  const QStringList wingFiles = parser.positionalArguments();
  if (wingFiles.size() > 1) return failWith(QStringLiteral("give at most one wing file"));
  // The program folder holds the language files and tv.ini.
  const QString programFolder = QCoreApplication::applicationDirPath();
  const QString decimalMark = QLocale::system().decimalPoint();

  if (withoutWindow) {
    if (parser.isSet(exportOption) == parser.isSet(reportOption)) {
      return failWith(QStringLiteral("give either --export OUTPUT or --report"));
    }
    if (wingFiles.isEmpty()) return failWith(QStringLiteral("no wing file given"));
    const tavelor::ui::BatchSettings settings{programFolder.toStdString(),
                                              decimalMark.toStdString()};
    const std::string wingFile = wingFiles.front().toStdString();
    if (parser.isSet(reportOption)) return finish(tavelor::ui::reportWing(wingFile, settings));
    return finish(tavelor::ui::exportWing(
        parser.value(exportOption).toStdString(), wingFile, settings,
        [](const tavelor::wing::WingGeometry& geometry, const std::string& title) {
          return tavelor::qt::outlineSvg(geometry, QString::fromStdString(title)).toStdString();
        }));
  }

  tavelor::qt::MainWindow window(programFolder, decimalMark, [] {
    return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
  });
  if (!window.startUp()) return 1;
  window.showReady();
  if (!wingFiles.isEmpty()) {
    // Once the window is on screen, as if chosen in File > Open.
    const std::string path = QFileInfo(wingFiles.front()).absoluteFilePath().toStdString();
    QTimer::singleShot(0, &window, [&window, path] { window.form().openWingFile(path); });
  }
  return QApplication::exec();
}
