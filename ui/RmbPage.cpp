// The amount conversion page (tabRMB): an amount typed in digits, its capital
// form for financial documents, and a button that puts that form on the
// clipboard.

#include <QClipboard>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <limits>
#include <string>

#include "pages/ConvertPage.h"
#include "ui/UMain.h"
#include "ui/widgets/EditBox.h"
#include "ui/widgets/PageBuilding.h"
#include "ui/widgets/Picture.h"
#include "ui/widgets/StaticText.h"
#include "ui/widgets/UiFont.h"
#include "ui/widgets/WhitePanel.h"

namespace feniko::ui {
namespace {

EditBox* MakeAmountBox(QWidget* parent, const char* name, const QRect& geometry) {
  auto* box = Named(new EditBox(parent), name);
  box->setFont(UiFont(16));
  box->setGeometry(geometry);
  // Both boxes take text of any length; QLineEdit would stop at 32767.
  box->setMaxLength(std::numeric_limits<int>::max());
  return box;
}

bool IsEnterKey(int key) {
  return key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace

void TFrmMain::BuildRmbPage() {
  tabRMB->resize(832, 517);
  const QFont normal = UiFont(11);

  Panel3 = Named(new WhitePanel(WhitePanel::Edge::Raised, tabRMB), "Panel3");
  Panel3->setGeometry(0, 0, 832, 517);

  // The coin picture (149 × 155) is drawn from the box's corner and cut off
  // at its right edge, as the original artwork was.
  Image4 = Named(new Picture(QStringLiteral(":/art/coins.svg"), Panel3), "Image4");
  Image4->setGeometry(664, 288, 145, 169);

  StaticText8 = MakeText(Panel3, "StaticText8", QStringLiteral("人民币大小写转换"), {80, 44},
                         UiFont(19, true), kMaroon);
  StaticText1 =
      MakeText(Panel3, "StaticText1", QStringLiteral("人民币小写金额："), {80, 88}, normal);
  txtMoney = MakeAmountBox(Panel3, "txtMoney", QRect(80, 105, 198, 28));
  txtRMBMsg = MakeText(Panel3, "txtRMBMsg", QString(), {296, 112}, normal, kRed);
  StaticText3 = MakeText(Panel3, "StaticText3", QStringLiteral("输入完，按回车键，即开始转换了。"),
                         {80, 140}, normal, kGrey);
  btnConvert = MakeButton(Panel3, "btnConvert", QStringLiteral("开始转换"), {80, 177});
  btnClear = MakeButton(Panel3, "btnClear", QStringLiteral("清空重来"), {188, 177});
  StaticText2 =
      MakeText(Panel3, "StaticText2", QStringLiteral("人民币大写金额："), {80, 232}, normal);
  txtBigMoney = MakeAmountBox(Panel3, "txtBigMoney", QRect(80, 250, 405, 28));
  btnCopy = MakeButton(Panel3, "btnCopy", QStringLiteral("复制结果"), {376, 290});
  // The closing blank belongs to the text.
  StaticText9 = MakeText(Panel3, "StaticText9",
                         QStringLiteral("中文大写金额数字为壹、贰、叁、肆、伍、陆、柒、捌、玖、拾、"
                                        "佰、仟、万、亿、元、角、分、零、整（正）。 "),
                         {24, 470}, UiFont(16));

  QWidget::setTabOrder(txtMoney, btnConvert);
  QWidget::setTabOrder(btnConvert, btnClear);
  QWidget::setTabOrder(btnClear, txtBigMoney);
  QWidget::setTabOrder(txtBigMoney, btnCopy);

  BindClick(btnConvert, &QPushButton::clicked, &TFrmMain::btnConvertClick);
  BindClick(btnClear, &QPushButton::clicked, &TFrmMain::btnClearClick);
  BindClick(btnCopy, &QPushButton::clicked, &TFrmMain::btnCopyClick);
  BindKeyUp(txtMoney, &TFrmMain::txtMoneyKeyUp);
}

// A converter failure (a negative amount, one beyond the fen range) is not
// caught here: it ends the handler with the message line already empty and
// the result box untouched, and the general error display shows it.
void TFrmMain::btnConvertClick() {
  txtRMBMsg->SetText(QString());
  const ConvertOutcome outcome = RunConversion(txtMoney->text().toStdString());
  if (outcome.kind == ConvertOutcome::Kind::InvalidAmount) {
    txtRMBMsg->SetText(FromUtf8(outcome.text));
    txtMoney->selectAll();
    return;
  }
  txtBigMoney->setText(FromUtf8(outcome.text));
  // Without moving the focus: after Enter it is in the amount box, so the
  // next amount typed replaces this one.
  txtMoney->selectAll();
}

// Enter acts on its release, main keyboard or keypad, whatever modifiers are
// held; the releases of a held key's auto-repeat are skipped so that it
// converts once, when the key is let go.
void TFrmMain::txtMoneyKeyUp(int key, Qt::KeyboardModifiers /*modifiers*/, bool autoRepeat) {
  if (!IsEnterKey(key) || autoRepeat) return;
  btnConvertClick();
}

void TFrmMain::btnClearClick() {
  txtRMBMsg->SetText(QString());
  txtMoney->clear();
  txtBigMoney->clear();
  txtMoney->setFocus(Qt::OtherFocusReason);
}

// Whatever the result box shows, hand edits and the empty text included,
// replaces the clipboard's whole content as plain text.
void TFrmMain::btnCopyClick() {
  QGuiApplication::clipboard()->setText(txtBigMoney->text(), QClipboard::Clipboard);
  QMessageBox box(QMessageBox::NoIcon, QStringLiteral("复制结果"),
                  QStringLiteral("大写数字金额已经成功复制到剪贴板上了。"), QMessageBox::Ok, this);
  box.exec();
}

void TFrmMain::tabRMBShow() {
  txtMoney->setFocus(Qt::OtherFocusReason);
  // The page stack may already have put the focus here on the switch, in
  // which case no new focus event selects the text.
  txtMoney->selectAll();
}

}  // namespace feniko::ui
