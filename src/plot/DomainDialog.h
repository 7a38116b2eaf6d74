#pragma once
// The two domain windows: TVdomainForm asks begin, end and steps of v for a parametric
// formula; TXdomainForm asks the x domain of an integral. Both disable the main window while
// they are open and plot the slot when their values are accepted.

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <functional>

#include "plot/DomainInput.h"

namespace quorvel {

class TVdomainForm : public QDialog {
 public:
  explicit TVdomainForm(QWidget* mainWindow);

  // Checks and, when accepted, stores and plots; the outcome of the check.
  std::function<ParameterDomainCheck(const std::string& begin, const std::string& end,
                                     const std::string& steps)>
      apply;
  // What the fields start with; false leaves them as they are.
  std::function<bool(double& begin, double& end, int& steps)> storedDomain;
  // The window closed, accepted or cancelled.
  std::function<void()> closed;

  void formshow();

  QLineEdit* Vbegin;
  QLineEdit* Vend;
  QLineEdit* Vsteps;
  QPushButton* toepBtn;
  QPushButton* AnnBtn;
  QPushButton* wisBtn;
  QLabel* msg;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void toepBtnClick();
  QWidget* mainWindow_;
};

class TXdomainForm : public QDialog {
 public:
  explicit TXdomainForm(QWidget* mainWindow);

  std::function<IntegralDomainCheck(const std::string& left, const std::string& right)> apply;
  std::function<void()> repaintGraph;
  std::function<void()> closed;  // accepted or cancelled

  void FormShow();
  void FormDeactivate();

  QLineEdit* Edit1;
  QLineEdit* Edit2;
  QPushButton* toepBtn;
  QPushButton* annBtn;
  QLabel* msg;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void toepBtnClick();
  QWidget* mainWindow_;
};

}  // namespace quorvel
