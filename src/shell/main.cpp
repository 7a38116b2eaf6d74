// Quorvel: starts the program with its main window; one optional argument, a graph file.

#include <QApplication>
#include <QMessageBox>
#include <QScreen>

#include "common/VectorState.h"
#include "qt/QtTextPainter.h"
#include "shell/Controller.h"
#include "shell/MainWindow.h"
#include "shell/Workspace.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  quorvel::clearUpperVectorState();  // Qt leaves them in use; see VectorState.h
  QApplication::setFont(QFont("Liberation Sans"));

  const QSize screen = QGuiApplication::primaryScreen()->size();
  if (screen.width() < 1200 || screen.height() < 1000) {
    const auto answer = QMessageBox::warning(nullptr, "Quorvel", "scherm te klein: dooraan?",
                                             QMessageBox::Ok | QMessageBox::No);
    if (answer == QMessageBox::No) return 0;
  }

  quorvel::QtTextPainter text;
  quorvel::Workspace workspace(text);
  quorvel::Controller controller(workspace);
  quorvel::TcontrolForm window(workspace, controller);
  window.show();
  return QApplication::exec();
}
