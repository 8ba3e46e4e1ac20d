// Drives the main window as a player would: clicks on its buttons and cards, keys, and
// answers to the modal dialogs it opens, while the event loop runs.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <thread>

#include "table/main_window.h"

namespace klondar::table::testing {

// Runs the event loop until the condition holds or the time is up.
inline bool WaitFor(const std::function<bool()>& condition, int milliseconds = 20000) {
  QElapsedTimer clock;
  clock.start();
  while (!condition()) {
    if (clock.elapsed() > milliseconds) return false;
    QApplication::processEvents(QEventLoop::AllEvents, 10);
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
}

// Answers every modal dialog of the given object name with the handler, for as long as
// it lives; the handler gets the dialog and must close it.
class ModalAnswerer {
 public:
  ModalAnswerer(QString objectName, std::function<void(QWidget*)> handler)
      : name_(std::move(objectName)), handler_(std::move(handler)) {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      QWidget* modal = QApplication::activeModalWidget();
      if (modal != nullptr && modal->objectName() == name_ && modal->isVisible()) {
        ++answered_;
        handler_(modal);
      }
    });
    timer_.start(15);
  }
  int Answered() const { return answered_; }

 private:
  QString name_;
  std::function<void(QWidget*)> handler_;
  QTimer timer_;
  int answered_ = 0;
};

inline QPushButton* ButtonOf(QWidget* parent, const char* name) {
  return parent->findChild<QPushButton*>(name);
}

inline void Click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }

}  // namespace klondar::table::testing
