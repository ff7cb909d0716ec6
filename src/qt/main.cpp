#include <QApplication>
#include <QCommandLineParser>
#include <QDate>
#include <QFile>
#include <QLocale>
#include <QTimer>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iterator>
#include <utility>

#include "qt/main_window.h"
#include "ui/command_line.h"

namespace {

using tavelor::ui::BatchResult;

constexpr const char* kVersion = QT_STRINGIFY(TAVELOR_VERSION_MAJOR) "." QT_STRINGIFY(
    TAVELOR_VERSION_MINOR) "." QT_STRINGIFY(TAVELOR_VERSION_PATCH);

// The toolkit's own options, which it takes off the command line when the window starts: with
// a value, and without.
constexpr const char* kToolkitOptionsWithValue[] = {"-platform",        "-platformpluginpath",
                                                    "-platformtheme",   "-plugin",
                                                    "-qwindowgeometry", "-qwindowtitle",
                                                    "-qwindowicon",     "-display",
                                                    "-geometry",        "-style",
                                                    "-stylesheet",      "-session"};
constexpr const char* kToolkitFlags[] = {"-reverse", "-widgetcount", "-nograb", "-dograb", "-sync"};

// The command line as the parser reads it, without the toolkit's options. Each byte becomes one
// character, so that a file name reaches open() with its own bytes, whatever they are.
QStringList ourArguments(int argc, char* argv[]) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) {
    QByteArray option(argv[i]);
    if (option == "--") {
      for (; i < argc; ++i) arguments << QString::fromLatin1(argv[i]);
      break;
    }
    if (option.startsWith("--")) option.remove(0, 1);
    if (i > 0 && std::find(std::begin(kToolkitFlags), std::end(kToolkitFlags), option) !=
                     std::end(kToolkitFlags)) {
      continue;
    }
    if (i > 0 && std::find(std::begin(kToolkitOptionsWithValue), std::end(kToolkitOptionsWithValue),
                           option) != std::end(kToolkitOptionsWithValue)) {
      ++i;
      continue;
    }
    arguments << QString::fromLatin1(argv[i]);
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

int finish(const BatchResult& result) {
  const bool written =
      std::fwrite(result.output.data(), 1, result.output.size(), stdout) == result.output.size() &&
      std::fflush(stdout) == 0;
  const int error = errno;
  if (!written) {
    std::fprintf(stderr, "tavelor: cannot write the standard output: %s\n", std::strerror(error));
    return 1;
  }
  if (!result.error.empty()) std::fprintf(stderr, "%s\n", result.error.c_str());
  return result.exitCode;
}

int failWith(const QString& error) { return finish({1, {}, "tavelor: " + bytesOf(error)}); }

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
  parser.addOption(exportOption);
  parser.addOption(ribsOption);
  parser.addOption(reportOption);
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
    qInstallMessageHandler(onlyFatalMessages);
    const QCoreApplication app(argc, argv);
    // The program folder holds the language files and tv.ini.
    const tavelor::ui::BatchSettings settings{
        QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString(),
        QLocale::system().decimalPoint().toStdString()};
    const std::string wingFile = bytesOf(wingFiles.front());
    if (parser.isSet(reportOption)) return finish(tavelor::ui::reportWing(wingFile, settings));
    if (parser.isSet(ribsOption)) {
      return finish(tavelor::ui::exportRibs(bytesOf(parser.value(ribsOption)), wingFile, settings));
    }
    return finish(tavelor::ui::exportWing(bytesOf(parser.value(exportOption)), wingFile, settings));
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
