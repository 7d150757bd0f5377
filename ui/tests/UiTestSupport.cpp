#include "UiTestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <stdexcept>

namespace feniko::ui::testing {

void RecordingShell::Execute(const platform::ShellRequest& request) {
  requests.push_back(request);
  if (failure) throw std::runtime_error(*failure);
}

MessageBoxCatcher::MessageBoxCatcher() {
  timer_.setInterval(0);
  QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
  timer_.start();
}

MessageBoxCatcher::~MessageBoxCatcher() {
  timer_.stop();
}

void MessageBoxCatcher::Poll() {
  auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
  if (box == nullptr || !box->isVisible()) return;
  SeenMessageBox seen;
  seen.title = box->windowTitle();
  seen.text = box->text();
  seen.icon = box->icon();
  seen.modal = box->isModal();
  for (QAbstractButton* button : box->buttons()) seen.buttons << button->text();
  seen_.push_back(seen);
  if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
    ok->click();
  } else {
    box->reject();
  }
}

std::unique_ptr<TFrmMain> ShowWindow(RecordingShell& shell) {
  auto window = std::make_unique<TFrmMain>(shell);
  window->show();
  window->activateWindow();
  if (!QTest::qWaitForWindowActive(window.get())) {
    throw std::runtime_error("the window did not become active");
  }
  return window;
}

void ClickTab(TFrmMain& window, QWidget* page) {
  QTabBar* tabs = window.pageMain->tabBar();
  QTest::mouseClick(tabs, Qt::LeftButton, Qt::NoModifier,
                    tabs->tabRect(window.pageMain->indexOf(page)).center());
}

void Click(QWidget* widget) {
  QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
}

void Type(QWidget* box, const QString& text) {
  QTest::keyClicks(box, text);
}

namespace {

void SendKey(QWidget* widget, QEvent::Type type, Qt::Key key, Qt::KeyboardModifiers modifiers,
             bool autoRepeat) {
  QString text;
  if (key == Qt::Key_Return || key == Qt::Key_Enter) text = QStringLiteral("\r");
  QKeyEvent event(type, key, modifiers, text, autoRepeat);
  QApplication::sendEvent(widget, &event);
}

}  // namespace

void Press(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers, bool autoRepeat) {
  SendKey(widget, QEvent::KeyPress, key, modifiers, autoRepeat);
}

void Release(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers, bool autoRepeat) {
  SendKey(widget, QEvent::KeyRelease, key, modifiers, autoRepeat);
}

}  // namespace feniko::ui::testing
