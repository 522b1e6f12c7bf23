#include "shell/CommandLine.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <array>
#include <cstdio>
#include <optional>
#include <string_view>

#include "shell/Language.h"

namespace yunuri {

namespace {

constexpr int kShowroomIdleReset = 180;

// Options that every Qt program takes, read by QGuiApplication, QApplication and the platform plugins. They
// are declared, hidden from the help, only so that they are not refused here.
constexpr std::array kToolkitOptionsWithValue{"platform",
                                              "platformpluginpath",
                                              "platformtheme",
                                              "plugin",
                                              "qwindowgeometry",
                                              "qwindowicon",
                                              "qwindowtitle",
                                              "geometry",
                                              "title",
                                              "icon",
                                              "session",
                                              "display",
                                              "name",
                                              "visual",
                                              "style",
                                              "stylesheet",
                                              "qmljsdebugger"};
constexpr std::array kToolkitFlags{"reverse", "widgetcount", "testability", "nograb", "dograb", "sync"};

void addToolkitOptions(QCommandLineParser& parser) {
  for (const char* name : kToolkitOptionsWithValue) {
    QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
  }
  for (const char* name : kToolkitFlags) {
    QCommandLineOption option(QString::fromLatin1(name));
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
  }
}

// The keys, after the options: a visitor at the panel has no menu to find them in.
constexpr std::array<std::array<const char*, 2>, 10> kKeys{{
    {"Tab, Shift+Tab", "Move the focus through the buttons in view; the arrow keys move it within a group."},
    {"Space, Enter",
     "Press the focused button for as long as the key is down; either also removes the "
     "notice."},
    {"Esc", "Close the popup opened last."},
    {"Ctrl++, Ctrl+-", "Make the window larger or smaller, from 100 to 300 %."},
    {"Ctrl+0", "Return to 100 %."},
    {"F11", "Switch full screen on or off."},
    {"F9", "In a window, show or hide the whole caption under the panel."},
    {"F8",
     "Open or close the picture of the room in a window of its own; in full screen, show or leave out the "
     "room beside the panel."},
    {"Ctrl+L", "Switch the language."},
    {"Ctrl+Alt+Q", "End the program in showroom mode (--kiosk)."},
}};

// Lays out `text` in lines that fit beside a column of `indent` characters, as the parser does the options.
QString wrapped(const QString& text, qsizetype indent) {
  constexpr qsizetype kWidth = 79;
  QString out;
  qsizetype column = indent;
  for (const QString& word : text.split(u' ')) {
    if (column > indent && column + 1 + word.size() > kWidth) {
      out += u'\n' + QString(indent, u' ');
      column = indent;
    } else if (column > indent) {
      out += u' ';
      ++column;
    }
    out += word;
    column += word.size();
  }
  return out;
}

// The keys in the options' layout: their descriptions start in the column where the parser put the
// options' own.
QString keysHelp(const QString& optionsHelp) {
  const QString helpLine = optionsHelp.section(QStringLiteral("\n  -h, --help"), 1).section(u'\n', 0, 0);
  const qsizetype indent = static_cast<qsizetype>(std::string_view("  -h, --help").size()) + helpLine.size() -
                           helpLine.trimmed().size();
  QString text = QStringLiteral("\nKeys:\n");
  for (const auto& [keys, what] : kKeys) {
    text += QStringLiteral("  %1").arg(QLatin1String(keys)).leftJustified(indent - 2) + QStringLiteral("  ") +
            wrapped(QString::fromUtf8(what), indent) + u'\n';
  }
  return text;
}

// The help text with the program's own name: without an application object the parser knows no name.
QString usage(const QCommandLineParser& parser) {
  const QString options = parser.helpText();
  return QStringLiteral("Usage: yunuri [options]\n") + options.section(QLatin1Char('\n'), 1) +
         keysHelp(options);
}

// One style for every line the program says: its name, then a sentence in lower case without a full stop.
// The parser's own errors are sentences of their own ("Unknown option 'x'.").
QString oneLine(QString text) {
  if (text.endsWith(u'.')) text.chop(1);
  if (!text.isEmpty()) text[0] = text[0].toLower();
  return QStringLiteral("yunuri: %1\n").arg(text);
}

constexpr int kDay = 24 * 60 * 60;

// A count of seconds: a whole number from 0 to a day.
std::optional<int> seconds(const QString& text) {
  bool ok = false;
  const int value = text.toInt(&ok);
  if (!ok || value < 0 || value > kDay) return std::nullopt;
  return value;
}

void print(std::FILE* stream, const QString& text) {
  std::fputs(text.toLocal8Bit().constData(), stream);
}

// Reads the room file an option names, if it is given. A file that cannot be used ends the launch with the
// one line that says where and why, and no usage: the command line itself was right.
bool readRoom(const QCommandLineParser& parser, const QCommandLineOption& option,
              std::optional<room::Room>& into, std::FILE* err) {
  if (!parser.isSet(option)) return true;
  const room::RoomRead read = room::ReadRoomFile(parser.value(option).toLocal8Bit().toStdString());
  if (!read.room) {
    std::fprintf(err, "%s\n", read.error.c_str());
    return false;
  }
  into = read.room;
  return true;
}

}  // namespace

CommandLine readCommandLine(const QStringList& arguments, std::FILE* out, std::FILE* err) {
  QCommandLineParser parser;
  // Qt's own options are single-dash words (-platform xcb), so every option is read as a long one.
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  parser.setApplicationDescription(
      QStringLiteral("Demonstration of a lecture room's audio-visual touch panel.\n"
                     "Qt's own options (-platform, -display, ...) are accepted as in every Qt program."));
  // Qt's own help and version options would add --help-all, which lists Qt's options through an
  // application object that does not exist yet.
  const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                QStringLiteral("Print these options and the keys, and end."));
  const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                   QStringLiteral("Print the version and end."));
  const QStringList languages = builtInLanguages();
  const QCommandLineOption language(
      QStringLiteral("language"),
      QStringLiteral("Show the panel in this language: %1. Japanese (ja) unless asked.")
          .arg(languages.join(u", ")),
      QStringLiteral("CODE"));
  const QCommandLineOption kiosk(
      QStringLiteral("kiosk"),
      QStringLiteral(
          "Showroom mode: full screen with the status line, the panel starts again after a while "
          "without a press and instead of ending; Ctrl+Alt+Q, the window's close or SIGTERM end it."));
  const QCommandLineOption idleReset(
      QStringLiteral("idle-reset"),
      QStringLiteral("Start the panel again after SECONDS without a press (180 "
                     "with --kiosk, otherwise never; 0 never)."),
      QStringLiteral("SECONDS"));
  const QCommandLineOption statusLine(
      QStringLiteral("status-line"),
      QStringLiteral(
          "In a window, show the whole caption in a strip under the panel (F9 shows and hides it)."));
  const QCommandLineOption noStatusLine(
      QStringLiteral("no-status-line"),
      QStringLiteral("In a window, show the caption in the title bar alone."));
  const QCommandLineOption roomView(
      QStringLiteral("room-view"),
      QStringLiteral("Open the picture of the room in a window of its own beside the panel's (F8 opens and "
                     "closes it)."));
  const QCommandLineOption room(
      QStringLiteral("room"),
      QStringLiteral("Drive the real projectors that FILE names (see the manual page); without it "
                     "the room is simulated."),
      QStringLiteral("FILE"));
  const QCommandLineOption checkRoom(
      QStringLiteral("check-room"),
      QStringLiteral("Ask each projector of FILE once what it is and how it is, print it, and end: 0 when "
                     "all answered, 1 when one did not. No window opens."),
      QStringLiteral("FILE"));
  parser.addOptions(
      {help, version, language, kiosk, idleReset, statusLine, noStatusLine, roomView, room, checkRoom});
  addToolkitOptions(parser);

  CommandLine result;
  if (!parser.parse(arguments)) {
    print(err, oneLine(parser.errorText()));
    print(err, usage(parser));
    result.exitStatus = 2;
  } else if (!parser.positionalArguments().isEmpty()) {
    print(err, oneLine(QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().first())));
    print(err, usage(parser));
    result.exitStatus = 2;
  } else if (parser.isSet(idleReset) && !seconds(parser.value(idleReset))) {
    print(
        err,
        oneLine(QStringLiteral("--idle-reset takes a whole number of seconds from 0 to %1 (a day), not '%2'")
                    .arg(kDay)
                    .arg(parser.value(idleReset))));
    print(err, usage(parser));
    result.exitStatus = 2;
  } else if (parser.isSet(help)) {
    print(out, usage(parser));
    result.exitStatus = 0;
  } else if (parser.isSet(version)) {
    print(out, QStringLiteral("yunuri " YUNURI_VERSION "\n"));
    result.exitStatus = 0;
  } else if (parser.isSet(language) && !languages.contains(parser.value(language))) {
    print(err, oneLine(QStringLiteral("no language '%1'; built in: %2")
                           .arg(parser.value(language), languages.join(u", "))));
    print(err, usage(parser));
    result.exitStatus = 2;
  } else if (parser.isSet(room) && parser.isSet(checkRoom)) {
    print(err, oneLine(QStringLiteral("--room and --check-room exclude each other")));
    print(err, usage(parser));
    result.exitStatus = 2;
  } else if (!readRoom(parser, room, result.options.room, err) ||
             !readRoom(parser, checkRoom, result.options.checkRoom, err)) {
    result.exitStatus = 2;
  } else {
    if (parser.isSet(language)) result.options.language = parser.value(language);
    result.options.kiosk = parser.isSet(kiosk);
    result.options.roomView = parser.isSet(roomView);
    if (parser.isSet(idleReset)) result.options.idleReset = seconds(parser.value(idleReset));
    // Given both, the later wins, so that a launcher's choice can be overridden after it.
    for (const QString& name : parser.optionNames()) {
      if (name == statusLine.names().first()) result.options.statusLine = true;
      if (name == noStatusLine.names().first()) result.options.statusLine = false;
    }
  }
  return result;
}

int idleResetSeconds(const Options& options) {
  return options.idleReset.value_or(options.kiosk ? kShowroomIdleReset : 0);
}

CommandLine readCommandLine(int argc, char** argv) {
  QStringList arguments;
  arguments.reserve(argc);
  for (int i = 0; i < argc; ++i) arguments.append(QString::fromLocal8Bit(argv[i]));
  return readCommandLine(arguments, stdout, stderr);
}

}  // namespace yunuri
