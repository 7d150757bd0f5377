#pragma once

// What the window tests share: a shell that records instead of starting
// programs, a catcher for modal message boxes, and the shown window.

#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/Shell.h"
#include "ui/UMain.h"

namespace feniko::ui::testing {

class RecordingShell final : public platform::Shell {
 public:
  void Execute(const platform::ShellRequest& request) override;

  std::vector<platform::ShellRequest> requests;
  // When set, every request fails with this message after being recorded.
  std::optional<std::string> failure;
};

// A message box as the user saw it.
struct SeenMessageBox {
  QString title;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QStringList buttons;
  bool modal = false;
};

// Watches for application-modal message boxes while it lives, records each
// one and closes it with its OK button, so that a handler that shows one
// returns. A test asserts on what was seen (an expected box that never showed
// is simply missing from the list).
class MessageBoxCatcher {
 public:
  MessageBoxCatcher();
  ~MessageBoxCatcher();
  const std::vector<SeenMessageBox>& Seen() const { return seen_; }

 private:
  void Poll();

  QTimer timer_;
  std::vector<SeenMessageBox> seen_;
};

// The window with the recording shell, shown, active and with its first
// page's show behaviour done.
std::unique_ptr<TFrmMain> ShowWindow(RecordingShell& shell);

// Shows a page by clicking its tab.
void ClickTab(TFrmMain& window, QWidget* page);

// Left click in the middle of a widget.
void Click(QWidget* widget);

// Types a text into an edit box that has the focus.
void Type(QWidget* box, const QString& text);

// Presses and releases a key in a widget; `autoRepeat` sends the events of a
// held key's repetition.
void Press(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
           bool autoRepeat = false);
void Release(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
             bool autoRepeat = false);

}  // namespace feniko::ui::testing
