#include "ui/widgets/EditBox.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPalette>
#include <QValidator>

namespace feniko::ui {
namespace {

// Refuses an edit that makes the text longer than the limit; an edit that
// keeps or shortens an over-long text is let through. QLineEdit has already
// changed its text when it asks, so the length before the edit is the one
// that the box last reported.
class LengthLimitValidator : public QValidator {
 public:
  explicit LengthLimitValidator(EditBox& box) : QValidator(&box), box_(box) {
    connect(&box, &QLineEdit::textChanged, this,
            [this](const QString& text) { lengthBefore_ = text.size(); });
  }

  State validate(QString& input, int& /*pos*/) const override {
    const int limit = box_.LengthLimit();
    if (limit <= 0 || input.size() <= limit || input.size() <= lengthBefore_) {
      return Acceptable;
    }
    return Invalid;
  }

 private:
  const EditBox& box_;
  qsizetype lengthBefore_ = 0;
};

bool SelectsAllOnFocus(Qt::FocusReason reason) {
  switch (reason) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::ShortcutFocusReason:
    case Qt::OtherFocusReason:
      return true;
    default:
      // A mouse click places the caret itself; coming back from another
      // window, a popup or the menu bar is no new entry into the box.
      return false;
  }
}

}  // namespace

EditBox::EditBox(QWidget* parent) : QLineEdit(parent) {
  setValidator(new LengthLimitValidator(*this));
  ShowSelection(false);
}

void EditBox::SetLengthLimit(int characters) {
  lengthLimit_ = characters;
}

void EditBox::focusInEvent(QFocusEvent* event) {
  ShowSelection(true);
  QLineEdit::focusInEvent(event);
  if (SelectsAllOnFocus(event->reason())) selectAll();
}

void EditBox::focusOutEvent(QFocusEvent* event) {
  // QLineEdit drops the selection on losing the focus; the classic box keeps
  // it (hidden) so that it shows again when the focus comes back.
  const int start = selectionStart();
  const int length = selectionLength();
  const bool caretAtStart = hasSelectedText() && cursorPosition() == start;
  QLineEdit::focusOutEvent(event);
  if (length > 0) {
    if (caretAtStart) {
      setSelection(start + length, -length);
    } else {
      setSelection(start, length);
    }
  }
  ShowSelection(false);
}

void EditBox::keyReleaseEvent(QKeyEvent* event) {
  emit keyReleased(event->key(), event->modifiers(), event->isAutoRepeat());
  QLineEdit::keyReleaseEvent(event);
}

void EditBox::ShowSelection(bool shown) {
  QPalette colours = palette();
  const QPalette standard = QApplication::palette(this);
  for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    colours.setColor(
        group, QPalette::Highlight,
        shown ? standard.color(group, QPalette::Highlight) : colours.color(group, QPalette::Base));
    colours.setColor(group, QPalette::HighlightedText,
                     shown ? standard.color(group, QPalette::HighlightedText)
                           : colours.color(group, QPalette::Text));
  }
  setPalette(colours);
}

}  // namespace feniko::ui
