// Quorvel: the main window with an optional graph file to open, or the work that needs no
// window (--export, --help, --version).

#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <cstdlib>
#include <iostream>

#include "common/SafeFile.h"
#include "common/ScreenFit.h"
#include "common/VectorState.h"
#include "help/HelpWindow.h"
#include "qt/QtTextPainter.h"
#include "qt/Translations.h"
#include "qt/WindowDestroyWatch.h"
#include "shell/CommandLine.h"
#include "shell/Controller.h"
#include "shell/HeadlessExport.h"
#include "shell/MainWindow.h"
#include "shell/ShellDialogs.h"
#include "shell/Workspace.h"

namespace {

// For the start-up benchmark: once the window's page has painted for the first time, say so
// on standard output and end.
void reportFirstPaint(QWidget& page) {
  class FirstPaint : public QObject {
   public:
    using QObject::QObject;
    bool eventFilter(QObject*, QEvent* event) override {
      if (event->type() == QEvent::Paint && !seen_) {
        seen_ = true;
        QTimer::singleShot(0, [] {  // after the paint is done
          std::cout << "first paint" << std::endl;
          QApplication::quit();
        });
      }
      return false;
    }

   private:
    bool seen_ = false;
  };
  page.installEventFilter(new FirstPaint(&page));
}

// The language of --lang; without it the one last chosen in the menu (the window only), and
// without that the system's.
quorvel::Language languageOf(const quorvel::CommandLine& line, bool window) {
  if (line.language) return *line.language;
  if (window) {
    if (const auto chosen = quorvel::TcontrolForm::keptLanguage()) return *chosen;
  }
  return quorvel::languageOfEnvironment(std::getenv("LANGUAGE"), std::getenv("LC_ALL"),
                                        std::getenv("LC_MESSAGES"), std::getenv("LANG"));
}

int runWindow(int argc, char** argv, const quorvel::CommandLine& line) {
  const std::string& file = line.file;
  QApplication application(argc, argv);
  quorvel::clearUpperVectorState();  // Qt leaves them in use; see VectorState.h
  QApplication::setFont(QFont("Liberation Sans"));
  quorvel::useLanguage(application, languageOf(line, true));

  // Without a real screen (the offscreen platform) there is nobody to ask.
  const QSize screen = QGuiApplication::primaryScreen()->size();
  const bool offscreen = QGuiApplication::platformName() == "offscreen";
  if (!offscreen && quorvel::screenTooSmall(screen.width(), screen.height()) &&
      !quorvel::goOnWithSmallScreen()) {
    return 0;
  }

  quorvel::QtTextPainter text;
  quorvel::Workspace workspace(text);
  workspace.graph.dragPreciseBudget = quorvel::Graph::kDragFrameBudget;
  quorvel::Controller controller(workspace);
  quorvel::RecoveryFiles recovery(
      quorvel::recoveryFolder(std::getenv("XDG_STATE_HOME"), std::getenv("HOME")));
  controller.recovery = &recovery;
  quorvel::TcontrolForm window(workspace, controller);
  // On a screen smaller than the window the page scrolls. The frame the window manager adds
  // is known once it framed the window; until then a usual title bar and border are assumed.
  // The help window, which has the same frame, fits the same way.
  QScreen* const display = QGuiApplication::primaryScreen();
  auto fit = [&window, display](QSize frame) {
    window.fitToScreen(display->availableGeometry(), frame);
    window.helpform6->fitToScreen(display->availableGeometry(), frame);
  };
  if (!offscreen) fit(QSize(10, 40));
  window.show();
  if (!offscreen) {
    QTimer::singleShot(300, &window,
                       [&window, fit] { fit(window.frameGeometry().size() - window.size()); });
  }
  // First the work a crashed run left behind, then the file named on the command line.
  QTimer::singleShot(0, &window, [&window, &controller, file] {
    controller.offerRecovery();
    window.refresh();
    if (!file.empty()) window.openGraphFile(file);
  });
  if (qEnvironmentVariableIsSet("QUORVEL_EXIT_AFTER_FIRST_PAINT")) reportFirstPaint(*window.page);
  // The window destroyed from outside: the work goes to the recovery file and the run ends,
  // as after a crash, so that the next start offers it.
  bool windowLost = false;
  quorvel::WindowDestroyWatch watch(window, [&windowLost, &controller] {
    windowLost = true;
    controller.writeRecoveryNow();
    QApplication::exit(1);
  });
  application.installNativeEventFilter(&watch);
  const int status = QApplication::exec();
  if (!windowLost) recovery.remove();  // a clean end: nothing to recover
  return status;
}

int runExport(int argc, char** argv, const quorvel::CommandLine& line) {
  qputenv("QT_QPA_PLATFORM", "offscreen");  // no window, no display needed
  // A script reads standard error for the program's own message, not for Qt's remarks.
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << text.toStdString() << '\n';
  });
  QGuiApplication application(argc, argv);
  quorvel::clearUpperVectorState();
  quorvel::useLanguage(application, languageOf(line, false));
  return quorvel::exportGraphFile(line, std::cerr);
}

// The message and the usage on standard error, in the language of --lang or the system's.
int reportUsageError(int argc, char** argv, const quorvel::CommandLine& line) {
  const QCoreApplication application(argc, argv);  // for the translations
  quorvel::useLanguage(*QCoreApplication::instance(), languageOf(line, false));
  std::cerr << "quorvel: " << line.errorText() << '\n' << quorvel::translated(quorvel::kUsage);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  quorvel::failWritesBeyondTheSizeLimit();
  const quorvel::CommandLine line =
      quorvel::parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
  switch (line.mode) {
    case quorvel::CommandLine::Mode::Help:
      std::cout << quorvel::kHelp;
      return 0;
    case quorvel::CommandLine::Mode::Version:
      std::cout << "quorvel " << QUORVEL_VERSION << '\n';
      return 0;
    case quorvel::CommandLine::Mode::UsageError:
      return reportUsageError(argc, argv, line);
    case quorvel::CommandLine::Mode::Export:
      return runExport(argc, argv, line);
    case quorvel::CommandLine::Mode::Window:
      break;
  }
  return runWindow(argc, argv, line);
}
