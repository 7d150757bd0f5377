// The amount conversion page, driven through its real controls: typing,
// Enter, the buttons, the clipboard and the message boxes.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QMimeData>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <memory>

#include "UiTestSupport.h"
#include "convert/UConvert.h"
#include "pages/ErrorDisplay.h"
#include "ui/UMain.h"
#include "ui/widgets/EditBox.h"
#include "ui/widgets/StaticText.h"
#include "ui/widgets/UiFont.h"

using feniko::ui::TFrmMain;
using namespace feniko::ui::testing;

namespace {

const QString kInvalidAmount = QStringLiteral("请检查输入的小写金额是否有效。");
const QString k105_30 = QStringLiteral("壹佰零伍元叁角");

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// What an input method hands over when a Chinese character is typed.
void Commit(QWidget* box, const QString& text) {
  QInputMethodEvent event;
  event.setCommitString(text);
  QApplication::sendEvent(box, &event);
}

enum class Way { Tab, Menu, ToolBar };
enum class ResultBox { Empty, Converted, EditedByHand };

}  // namespace

Q_DECLARE_METATYPE(Way)
Q_DECLARE_METATYPE(ResultBox)

class RmbPageTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();

  void enterConvertsAndKeepsTheAmountSelected_data();
  void enterConvertsAndKeepsTheAmountSelected();
  void heldEnterConvertsOnceOnRelease();
  void zeroAmountEmptiesTheResult_data();
  void zeroAmountEmptiesTheResult();
  void unusableAmountShowsTheMessageAndKeepsTheResult_data();
  void unusableAmountShowsTheMessageAndKeepsTheResult();
  void converterFailureReachesTheGeneralErrorDisplay_data();
  void converterFailureReachesTheGeneralErrorDisplay();
  void clickOnConvertLeavesTheFocusOnTheButton();
  void enterInTheResultBoxOnlyEdits();
  void copyReplacesTheClipboardWithThePlainText_data();
  void copyReplacesTheClipboardWithThePlainText();
  void clearEmptiesThePage();
  void pageShownAgainFocusesTheAmount_data();
  void pageShownAgainFocusesTheAmount();
  void tabOrderRunsThroughThePage();
  void boxesTakeTextsOfAnyLength();

 private:
  // Replaces the amount box's text as a user would and presses Enter.
  void ConvertWithEnter(const QString& amount);

  RecordingShell shell_;
  std::unique_ptr<TFrmMain> w_;
};

void RmbPageTest::init() {
  shell_.requests.clear();
  shell_.failure.reset();
  w_ = ShowWindow(shell_);
  ClickTab(*w_, w_->tabRMB);
  QCOMPARE(w_->pageMain->currentWidget(), w_->tabRMB);
  QCOMPARE(QApplication::focusWidget(), w_->txtMoney);
}

void RmbPageTest::cleanup() {
  w_.reset();
}

void RmbPageTest::ConvertWithEnter(const QString& amount) {
  QWidget* box = w_->txtMoney;
  box->setFocus(Qt::OtherFocusReason);
  QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(box, Qt::Key_Delete);
  QTest::keyClicks(box, amount);
  QTest::keyClick(box, Qt::Key_Return);
}

void RmbPageTest::enterConvertsAndKeepsTheAmountSelected_data() {
  QTest::addColumn<int>("key");
  QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
  QTest::newRow("Enter") << int(Qt::Key_Return) << Qt::KeyboardModifiers();
  QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << Qt::KeyboardModifiers(Qt::KeypadModifier);
  QTest::newRow("Shift+Enter") << int(Qt::Key_Return) << Qt::KeyboardModifiers(Qt::ShiftModifier);
}

void RmbPageTest::enterConvertsAndKeepsTheAmountSelected() {
  QFETCH(int, key);
  QFETCH(Qt::KeyboardModifiers, modifiers);
  QTest::keyClicks(w_->txtMoney, QStringLiteral("105.30"));
  QTest::keyClick(w_->txtMoney, Qt::Key(key), modifiers);

  QCOMPARE(w_->txtBigMoney->text(), k105_30);
  QCOMPARE(QApplication::focusWidget(), w_->txtMoney);
  QCOMPARE(w_->txtMoney->selectedText(), QStringLiteral("105.30"));
  QCOMPARE(w_->txtRMBMsg->text(), QString());

  // The next amount typed replaces the selected one.
  QTest::keyClicks(w_->txtMoney, QStringLiteral("10"));
  QTest::keyClick(w_->txtMoney, Qt::Key(key), modifiers);
  QCOMPARE(w_->txtMoney->text(), QStringLiteral("10"));
  QCOMPARE(w_->txtBigMoney->text(), QStringLiteral("壹拾元整"));
}

// A held Enter sends auto-repeated presses and releases; only the final
// release converts, so a refused amount brings up one error box, not many.
void RmbPageTest::heldEnterConvertsOnceOnRelease() {
  QTest::keyClicks(w_->txtMoney, QStringLiteral("-5"));
  MessageBoxCatcher catcher;
  Press(w_->txtMoney, Qt::Key_Return);
  for (int i = 0; i < 3; ++i) {
    Release(w_->txtMoney, Qt::Key_Return, Qt::NoModifier, true);
    Press(w_->txtMoney, Qt::Key_Return, Qt::NoModifier, true);
  }
  QCOMPARE(catcher.Seen().size(), std::size_t{0});
  Release(w_->txtMoney, Qt::Key_Return);
  QCOMPARE(catcher.Seen().size(), std::size_t{1});

  QTest::keyClick(w_->txtMoney, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(w_->txtMoney, QStringLiteral("105.30"));
  Press(w_->txtMoney, Qt::Key_Return);
  QCOMPARE(w_->txtBigMoney->text(), QString());
  Release(w_->txtMoney, Qt::Key_Return);
  QCOMPARE(w_->txtBigMoney->text(), k105_30);
}

void RmbPageTest::zeroAmountEmptiesTheResult_data() {
  QTest::addColumn<QString>("amount");
  QTest::newRow("0") << QStringLiteral("0");
  QTest::newRow("0.00") << QStringLiteral("0.00");
}

void RmbPageTest::zeroAmountEmptiesTheResult() {
  QFETCH(QString, amount);
  ConvertWithEnter(QStringLiteral("105.30"));
  ConvertWithEnter(amount);
  QCOMPARE(w_->txtBigMoney->text(), QString());
  QCOMPARE(w_->txtRMBMsg->text(), QString());
  QCOMPARE(w_->txtMoney->selectedText(), amount);
}

void RmbPageTest::unusableAmountShowsTheMessageAndKeepsTheResult_data() {
  QTest::addColumn<QString>("amount");
  QTest::newRow("empty box") << QString();
  QTest::newRow("letters") << QStringLiteral("abc");
  QTest::newRow("beyond a double") << QStringLiteral("1e500");
}

void RmbPageTest::unusableAmountShowsTheMessageAndKeepsTheResult() {
  QFETCH(QString, amount);
  ConvertWithEnter(QStringLiteral("105.30"));
  MessageBoxCatcher catcher;
  ConvertWithEnter(amount);

  QCOMPARE(w_->txtRMBMsg->text(), kInvalidAmount);
  QCOMPARE(w_->txtRMBMsg->TextColour(), feniko::ui::kRed);
  QVERIFY(w_->txtRMBMsg->isVisible());
  QCOMPARE(w_->txtBigMoney->text(), k105_30);
  QCOMPARE(w_->txtMoney->text(), amount);
  QCOMPARE(w_->txtMoney->selectedText(), amount);
  QCOMPARE(QApplication::focusWidget(), w_->txtMoney);
  QVERIFY(catcher.Seen().empty());

  ConvertWithEnter(QStringLiteral("0.5"));
  QCOMPARE(w_->txtRMBMsg->text(), QString());
  QCOMPARE(w_->txtBigMoney->text(), QStringLiteral("伍角"));
}

void RmbPageTest::converterFailureReachesTheGeneralErrorDisplay_data() {
  QTest::addColumn<QString>("amount");
  QTest::addColumn<QString>("shown");
  QTest::newRow("negative") << QStringLiteral("-5")
                            << QStringLiteral("'-' is not a valid integer value.");
  QTest::newRow("beyond the fen range")
      << QStringLiteral("1e17") << QStringLiteral("Invalid floating point operation.");
  QTest::newRow("beyond the capital field")
      << QStringLiteral("10000000000000")
      << FromUtf8(feniko::ErrorDisplayText(feniko::kAmountOutOfRangeMessage));
}

void RmbPageTest::converterFailureReachesTheGeneralErrorDisplay() {
  QFETCH(QString, amount);
  QFETCH(QString, shown);
  ConvertWithEnter(QStringLiteral("105.30"));
  ConvertWithEnter(QStringLiteral("abc"));  // a message that the next Convert must empty
  QCOMPARE(w_->txtRMBMsg->text(), kInvalidAmount);

  MessageBoxCatcher catcher;
  ConvertWithEnter(amount);

  QCOMPARE(catcher.Seen().size(), std::size_t{1});
  const SeenMessageBox& box = catcher.Seen().front();
  QCOMPARE(box.title, QStringLiteral("Feniko"));
  QCOMPARE(box.text, shown);
  QCOMPARE(box.icon, QMessageBox::Critical);
  QVERIFY(box.modal);
  QCOMPARE(w_->txtRMBMsg->text(), QString());
  QCOMPARE(w_->txtBigMoney->text(), k105_30);
  QCOMPARE(w_->txtMoney->text(), amount);
  QVERIFY(!w_->txtMoney->hasSelectedText());

  // The window goes on working.
  ConvertWithEnter(QStringLiteral("0.01"));
  QCOMPARE(w_->txtBigMoney->text(), QStringLiteral("壹分"));
  QCOMPARE(catcher.Seen().size(), std::size_t{1});
}

void RmbPageTest::clickOnConvertLeavesTheFocusOnTheButton() {
  QTest::keyClicks(w_->txtMoney, QStringLiteral("105.30"));
  Click(w_->btnConvert);
  QCOMPARE(w_->txtBigMoney->text(), k105_30);
  QCOMPARE(QApplication::focusWidget(), w_->btnConvert);
  // The whole amount is selected, and shows so once the box has the focus.
  QCOMPARE(w_->txtMoney->selectedText(), QStringLiteral("105.30"));
}

void RmbPageTest::enterInTheResultBoxOnlyEdits() {
  ConvertWithEnter(QStringLiteral("105.30"));
  Click(w_->txtBigMoney);
  QTest::keyClick(w_->txtBigMoney, Qt::Key_End);
  QTest::keyClick(w_->txtBigMoney, Qt::Key_Backspace);
  QTest::keyClick(w_->txtBigMoney, Qt::Key_Return);
  QCOMPARE(w_->txtBigMoney->text(), QStringLiteral("壹佰零伍元叁"));
  QCOMPARE(QApplication::focusWidget(), w_->txtBigMoney);
}

void RmbPageTest::copyReplacesTheClipboardWithThePlainText_data() {
  QTest::addColumn<ResultBox>("result");
  QTest::addColumn<QString>("copied");
  QTest::newRow("empty result box") << ResultBox::Empty << QString();
  QTest::newRow("converted") << ResultBox::Converted << k105_30;
  QTest::newRow("edited by hand") << ResultBox::EditedByHand << QStringLiteral("壹佰零伍元整");
}

void RmbPageTest::copyReplacesTheClipboardWithThePlainText() {
  QFETCH(ResultBox, result);
  QFETCH(QString, copied);
  if (result != ResultBox::Empty) ConvertWithEnter(QStringLiteral("105.30"));
  if (result == ResultBox::EditedByHand) {
    Click(w_->txtBigMoney);
    QTest::keyClick(w_->txtBigMoney, Qt::Key_End);
    QTest::keyClick(w_->txtBigMoney, Qt::Key_Backspace);
    QTest::keyClick(w_->txtBigMoney, Qt::Key_Backspace);
    Commit(w_->txtBigMoney, QStringLiteral("整"));
  }
  QCOMPARE(w_->txtBigMoney->text(), copied);

  // Something else is on the clipboard, in more than one format.
  auto* earlier = new QMimeData;
  earlier->setText(QStringLiteral("earlier"));
  earlier->setHtml(QStringLiteral("<b>earlier</b>"));
  QGuiApplication::clipboard()->setMimeData(earlier);

  MessageBoxCatcher catcher;
  Click(w_->btnCopy);

  const QMimeData* now = QGuiApplication::clipboard()->mimeData();
  QVERIFY(now != nullptr);
  QCOMPARE(now->formats(), QStringList{QStringLiteral("text/plain")});
  QCOMPARE(QGuiApplication::clipboard()->text(), copied);

  QCOMPARE(catcher.Seen().size(), std::size_t{1});
  const SeenMessageBox& box = catcher.Seen().front();
  QCOMPARE(box.title, QStringLiteral("复制结果"));
  QCOMPARE(box.text, QStringLiteral("大写数字金额已经成功复制到剪贴板上了。"));
  QCOMPARE(box.icon, QMessageBox::NoIcon);
  QCOMPARE(box.buttons.size(), 1);
  QVERIFY(box.modal);
  QCOMPARE(w_->txtBigMoney->text(), copied);
}

void RmbPageTest::clearEmptiesThePage() {
  ConvertWithEnter(QStringLiteral("105.30"));
  ConvertWithEnter(QStringLiteral("abc"));
  QCOMPARE(w_->txtRMBMsg->text(), kInvalidAmount);

  Click(w_->btnClear);
  QCOMPARE(w_->txtMoney->text(), QString());
  QCOMPARE(w_->txtBigMoney->text(), QString());
  QCOMPARE(w_->txtRMBMsg->text(), QString());
  QCOMPARE(QApplication::focusWidget(), w_->txtMoney);
}

void RmbPageTest::pageShownAgainFocusesTheAmount_data() {
  QTest::addColumn<Way>("way");
  QTest::newRow("tab") << Way::Tab;
  QTest::newRow("menu entry") << Way::Menu;
  QTest::newRow("toolbar button") << Way::ToolBar;
}

void RmbPageTest::pageShownAgainFocusesTheAmount() {
  QFETCH(Way, way);
  ConvertWithEnter(QStringLiteral("105.30"));
  // The focus last rested on the result box, which the page stack remembers.
  Click(w_->txtBigMoney);
  QCOMPARE(QApplication::focusWidget(), w_->txtBigMoney);

  ClickTab(*w_, w_->tabContact);
  QCOMPARE(w_->pageMain->currentWidget(), w_->tabContact);
  switch (way) {
    case Way::Tab:
      ClickTab(*w_, w_->tabRMB);
      break;
    case Way::Menu:
      w_->menuTools_RMB->trigger();
      break;
    case Way::ToolBar:
      Click(w_->ToolButton2);
      break;
  }
  QCOMPARE(w_->pageMain->currentWidget(), w_->tabRMB);
  QCOMPARE(QApplication::focusWidget(), w_->txtMoney);
  QCOMPARE(w_->txtMoney->selectedText(), QStringLiteral("105.30"));
  QCOMPARE(w_->txtBigMoney->text(), k105_30);
}

void RmbPageTest::tabOrderRunsThroughThePage() {
  ConvertWithEnter(QStringLiteral("105.30"));
  const QList<QWidget*> order{w_->btnConvert, w_->btnClear, w_->txtBigMoney, w_->btnCopy};
  for (QWidget* expected : order) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), expected);
  }
  // Entering the result box from the keyboard selected its whole text.
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
  QCOMPARE(QApplication::focusWidget(), w_->txtBigMoney);
  QCOMPARE(w_->txtBigMoney->selectedText(), k105_30);
}

void RmbPageTest::boxesTakeTextsOfAnyLength() {
  const QString longText(40000, QLatin1Char('9'));
  for (feniko::ui::EditBox* box : {w_->txtMoney, w_->txtBigMoney}) {
    box->setFocus(Qt::OtherFocusReason);
    QTest::keyClicks(box, QStringLiteral("12345678901234567890"));
    QCOMPARE(box->text().size(), 20);
    box->setText(longText);
    QTest::keyClick(box, Qt::Key_End);
    QTest::keyClicks(box, QStringLiteral("1"));
    QCOMPARE(box->text().size(), longText.size() + 1);
  }
}

QTEST_MAIN(RmbPageTest)
#include "RmbPageTest.moc"
