#pragma once

#include <QLineEdit>

namespace feniko::ui {

// A single-line edit box that behaves like the classic Windows one:
// - it selects its whole text whenever it gets the focus other than by a mouse
//   click (Tab, Shift+Tab, a shortcut, or the program's own setFocus);
// - a selection made while it has no focus is kept and shows once it has the
//   focus; while unfocused no selection is drawn;
// - key releases are reported with the key code, the modifiers and whether the
//   release is an auto-repeated one;
// - an optional limit refuses typing or pasting that would make the text
//   longer than the limit. Unlike QLineEdit::setMaxLength it never cuts a
//   longer text that the program sets, and such a text can still be shortened.
class EditBox : public QLineEdit {
  Q_OBJECT

 public:
  explicit EditBox(QWidget* parent = nullptr);

  // 0 means no limit.
  void SetLengthLimit(int characters);
  int LengthLimit() const { return lengthLimit_; }

 signals:
  void keyReleased(int key, Qt::KeyboardModifiers modifiers, bool autoRepeat);

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;

 private:
  void ShowSelection(bool shown);

  int lengthLimit_ = 0;
};

}  // namespace feniko::ui
