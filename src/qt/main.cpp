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
  for (const tavelor::ui::OptionText& option : tavelor::ui::kOptions) {
    parser.addOption(QCommandLineOption(QString::fromLatin1(option.name),
                                        QString::fromUtf8(option.description),
                                        QString::fromLatin1(option.valueName)));
  }
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
  tavelor::ui::CommandLine line;
  for (const QString& file : parser.positionalArguments()) line.wingFiles.push_back(bytesOf(file));
  const auto value = [&parser](const char* name) -> std::optional<std::string> {
    if (!parser.isSet(QString::fromLatin1(name))) return std::nullopt;
    return bytesOf(parser.value(QString::fromLatin1(name)));
  };
  line.exportPath = value("export");
  line.ribsPath = value("export-ribs");
  line.report = value("report").has_value();
  line.units = value("units").value_or("mm");
  if (const auto error = tavelor::ui::commandLineError(line))
    return failWith(QString::fromStdString(*error));
  if (line.batch()) {
    qInstallMessageHandler(onlyFatalMessages);
    const QCoreApplication app(argc, argv);
    // The program folder holds the language files and tv.ini.
    return tavelor::ui::finishBatch(tavelor::ui::runBatch(
        line, {QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString(),
               QLocale::system().decimalPoint().toStdString()}));
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
  if (!line.wingFiles.empty()) {
    // Once the window is on screen, as if chosen in File > Open.
    const std::string path =
        std::filesystem::absolute(line.wingFiles.front()).lexically_normal().string();
    QTimer::singleShot(0, &window, [&window, path] { window.form().openWingFile(path); });
  }
  return QApplication::exec();
}
