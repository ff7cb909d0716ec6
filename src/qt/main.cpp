#include <QApplication>
#include <QCommandLineParser>
#include <QDate>
#include <QFile>
#include <QLocale>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <utility>

#include "qt/main_window.h"
#include "ui/command_line.h"

namespace {

constexpr const char* kVersion = QT_STRINGIFY(TAVELOR_VERSION_MAJOR) "." QT_STRINGIFY(
    TAVELOR_VERSION_MINOR) "." QT_STRINGIFY(TAVELOR_VERSION_PATCH);

// The command line as the parser reads it. Each byte becomes one character, so that a file name
// reaches open() with its own bytes, whatever they are.
QStringList ourArguments(int argc, char* argv[]) {
  QStringList arguments;
  for (const std::string& argument : tavelor::ui::withoutToolkitOptions(argc, argv)) {
    arguments << QString::fromLatin1(argument.data(), static_cast<qsizetype>(argument.size()));
  }
  return arguments;
}

std::string bytesOf(const QString& argument) { return argument.toLatin1().toStdString(); }

// Without a window the user reads standard error: Qt's own notes about the desktop session (no
// runtime folder, no fonts configured) would only bury the one line that counts.
void onlyFatalMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtFatalMsg) std::fprintf(stderr, "tavelor: %s\n", qPrintable(message));
}

// While the window system starts, its notes wait here: if it cannot start, one line says why
// instead of them and an abort.
QStringList startNotes;
void noteOrNoDisplay(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type != QtFatalMsg) {
    startNotes << message;
    return;
  }
  std::fputs("tavelor: no display can be reached (--report and --export need none)\n", stderr);
  std::_Exit(1);
}

int failWith(const QString& error) {
  return tavelor::ui::finishBatch({1, {}, "tavelor: " + bytesOf(error)});
}

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication::setApplicationName(QStringLiteral("tavelor"));
  QCoreApplication::setApplicationVersion(QString::fromLatin1(kVersion));
  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("Tavelor: mean chord, CG and wing loading of model aircraft wings."));
  const QCommandLineOption helpOption = parser.addHelpOption();
  const QCommandLineOption versionOption = parser.addVersionOption();
  const QCommandLineOption exportOption(
      QStringLiteral("export"),
      QStringLiteral("Write the outline of WINGFILE to OUTPUT, as DXF or SVG by its extension, "
                     "and exit."),
      QStringLiteral("OUTPUT"));
  const QCommandLineOption ribsOption(
      QStringLiteral("export-ribs"),
      QStringLiteral("Write the ribs of WINGFILE on stock sheets to OUTPUT, as DXF or SVG by its "
                     "extension, and exit."),
      QStringLiteral("OUTPUT"));
  const QCommandLineOption reportOption(
      QStringLiteral("report"), QStringLiteral("Print the figures of WINGFILE as JSON and exit."));
  const QCommandLineOption unitsOption(
      QStringLiteral("units"),
      QStringLiteral("The units of the --export file: mm (default) or in."),
      QStringLiteral("UNITS"), QStringLiteral("mm"));
  parser.addOption(exportOption);
  parser.addOption(ribsOption);
  parser.addOption(reportOption);
  parser.addOption(unitsOption);
  parser.addPositionalArgument(QStringLiteral("WINGFILE"),
                               QStringLiteral("The wing file to open, export or report."),
                               QStringLiteral("[WINGFILE]"));
  // The mode is decided before any application object exists: the window needs a display, and
  // everything else must run without one.
  if (!parser.parse(ourArguments(argc, argv))) return failWith(parser.errorText());
  if (parser.isSet(helpOption) || parser.isSet(QStringLiteral("help-all")) ||
      parser.isSet(versionOption)) {
    const QCoreApplication app(argc, argv);
    if (parser.isSet(versionOption)) parser.showVersion();
    parser.showHelp();
  }
  const QStringList wingFiles = parser.positionalArguments();
  if (wingFiles.size() > 1) return failWith(QStringLiteral("give at most one wing file"));

  const int modes = int(parser.isSet(exportOption)) + int(parser.isSet(ribsOption)) +
                    int(parser.isSet(reportOption));
  if (modes > 0) {
    if (modes > 1) {
      return failWith(
          QStringLiteral("give one of --export OUTPUT, --export-ribs OUTPUT or --report"));
    }
    if (wingFiles.isEmpty()) return failWith(QStringLiteral("no wing file given"));
    const QString units = parser.value(unitsOption);
    if (units != QStringLiteral("mm") && units != QStringLiteral("in")) {
      return failWith(QStringLiteral("--units is mm or in"));
    }
    qInstallMessageHandler(onlyFatalMessages);
    const QCoreApplication app(argc, argv);
    // The program folder holds the language files and tv.ini.
    const tavelor::ui::BatchSettings settings{
        QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString(),
        QLocale::system().decimalPoint().toStdString(),
        units == QStringLiteral("in") ? tavelor::base::Units::Imperial
                                      : tavelor::base::Units::Metric};
    const std::string wingFile = bytesOf(wingFiles.front());
    if (parser.isSet(reportOption))
      return tavelor::ui::finishBatch(tavelor::ui::reportWing(wingFile, settings));
    if (parser.isSet(ribsOption)) {
      return tavelor::ui::finishBatch(
          tavelor::ui::exportRibs(bytesOf(parser.value(ribsOption)), wingFile, settings));
    }
    return tavelor::ui::finishBatch(
        tavelor::ui::exportWing(bytesOf(parser.value(exportOption)), wingFile, settings));
  }

  const QtMessageHandler previous = qInstallMessageHandler(noteOrNoDisplay);
  const QApplication app(argc, argv);
  qInstallMessageHandler(previous);
  for (const QString& note : std::exchange(startNotes, {})) qWarning("%s", qPrintable(note));
  // Windows without a title of their own (menus, a box given none) show this name.
  QCoreApplication::setApplicationName(QStringLiteral("Tavelor"));

  tavelor::qt::MainWindow window(
      QCoreApplication::applicationDirPath(), QLocale::system().decimalPoint(), [] {
        // The default locale is the chosen language's (MainWindow::useLocale).
        return QLocale().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
      });
  if (!window.startUp()) return 1;
  window.showReady();
  if (!wingFiles.isEmpty()) {
    // Once the window is on screen, as if chosen in File > Open.
    const std::string path =
        std::filesystem::absolute(bytesOf(wingFiles.front())).lexically_normal().string();
    QTimer::singleShot(0, &window, [&window, path] { window.form().openWingFile(path); });
  }
  return QApplication::exec();
}
