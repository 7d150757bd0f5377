#pragma once

// The one window of Feniko: menu, toolbar and the page control with its six
// pages. Every control of every page is a named member (its objectName is the
// same name) so that any handler can reach any control.

#include <QMainWindow>
#include <functional>
#include <string_view>

#include "platform/Shell.h"

class QAction;
class QMenu;
class QMenuBar;
class QPushButton;
class QTabWidget;
class QToolBar;
class QToolButton;

namespace feniko::ui {

class EditBox;
class GroupBox;
class Picture;
class StaticText;
class WhitePanel;

class TFrmMain : public QMainWindow {
  Q_OBJECT

 public:
  explicit TFrmMain(platform::Shell& shell = platform::SystemShell(), QWidget* parent = nullptr);
  ~TFrmMain() override;

  // Runs one event handler: a failure that escapes it ends the handler there
  // and is shown in the general error display; the window goes on running.
  void RunGuarded(const std::function<void()>& handler);

  // ---- the window frame (UMain.cpp) ----
  QMenuBar* menuMain = nullptr;
  QMenu* menuFile = nullptr;
  QAction* menuFile_Exit = nullptr;
  QMenu* menuTools = nullptr;
  QAction* menuTools_RMB = nullptr;
  QAction* N9 = nullptr;
  QAction* menuTools_Calc = nullptr;
  QAction* menuTools_note = nullptr;
  QMenu* menuHelp = nullptr;
  QAction* menuHelp_Homepage = nullptr;
  QAction* menuHelp_Contact = nullptr;
  QToolBar* ToolBar1 = nullptr;
  QToolButton* ToolButton2 = nullptr;
  QTabWidget* pageMain = nullptr;
  QWidget* tabCalcNew = nullptr;
  QWidget* tabRateNew = nullptr;
  QWidget* tabCalcOld = nullptr;
  QWidget* tabRateOld = nullptr;
  QWidget* tabRMB = nullptr;
  QWidget* tabContact = nullptr;

  // ---- tabCalcNew (TaxPages.cpp) ----
  WhitePanel* Panel5 = nullptr;
  Picture* imgLinkFeniko = nullptr;
  Picture* Image5 = nullptr;
  StaticText* StaticText19 = nullptr;
  StaticText* StaticText20 = nullptr;
  EditBox* txtIncomeNew = nullptr;
  StaticText* StaticText24 = nullptr;
  QPushButton* btnCalcNew = nullptr;
  QPushButton* btnResetNew = nullptr;
  GroupBox* GroupBox8 = nullptr;
  StaticText* lblIncomeNew = nullptr;
  StaticText* lblTaxableIncomeNew = nullptr;
  StaticText* lblRateNew = nullptr;
  StaticText* lblDeductNew = nullptr;
  StaticText* lblTaxNew = nullptr;
  StaticText* lblIncomeAfterTaxNew = nullptr;
  GroupBox* GroupBox9 = nullptr;
  StaticText* StaticText31 = nullptr;
  StaticText* StaticText32 = nullptr;
  StaticText* txtLinkRateNew = nullptr;
  StaticText* txtLinkFeniko = nullptr;
  StaticText* txtCalcMsgNew = nullptr;

  // ---- tabCalcOld (TaxPages.cpp) ----
  WhitePanel* Panel4 = nullptr;
  Picture* Image2 = nullptr;
  StaticText* StaticText4 = nullptr;
  StaticText* StaticText6 = nullptr;
  EditBox* txtIncome = nullptr;
  StaticText* StaticText13 = nullptr;
  QPushButton* btnCalc = nullptr;
  QPushButton* btnReset = nullptr;
  GroupBox* GroupBox2 = nullptr;
  StaticText* lblIncome = nullptr;
  StaticText* lblTaxableIncome = nullptr;
  StaticText* lblRate = nullptr;
  StaticText* lblDeduct = nullptr;
  StaticText* lblTax = nullptr;
  StaticText* lblIncomeAfterTax = nullptr;
  GroupBox* GroupBox1 = nullptr;
  StaticText* StaticText10 = nullptr;
  StaticText* StaticText11 = nullptr;
  StaticText* txtLinkRateOld = nullptr;
  StaticText* StaticText7 = nullptr;
  StaticText* lblWarning = nullptr;

  // ---- tabRMB (RmbPage.cpp) ----
  WhitePanel* Panel3 = nullptr;
  Picture* Image4 = nullptr;
  StaticText* StaticText8 = nullptr;
  StaticText* StaticText1 = nullptr;
  EditBox* txtMoney = nullptr;
  StaticText* txtRMBMsg = nullptr;
  StaticText* StaticText3 = nullptr;
  QPushButton* btnConvert = nullptr;
  QPushButton* btnClear = nullptr;
  StaticText* StaticText2 = nullptr;
  EditBox* txtBigMoney = nullptr;
  QPushButton* btnCopy = nullptr;
  StaticText* StaticText9 = nullptr;
  // ---- end tabRMB ----

  // ---- reference pages (ReferencePages.cpp) ----
  Picture* Image1 = nullptr;
  Picture* imgLinkNewCalc = nullptr;
  Picture* imgOldRate = nullptr;
  Picture* imgLinkOldCalc = nullptr;
  WhitePanel* Panel2 = nullptr;
  StaticText* StaticText16 = nullptr;
  GroupBox* GroupBox4 = nullptr;
  Picture* Image3 = nullptr;
  StaticText* StaticText12 = nullptr;
  EditBox* Edit1 = nullptr;
  Picture* Image6 = nullptr;
  StaticText* Label2 = nullptr;
  EditBox* Edit6 = nullptr;
  StaticText* Label1 = nullptr;
  StaticText* lblLinkFeniko = nullptr;
  // ---- end reference pages ----

  // ---- event handlers of the frame (UMain.cpp) ----
  void menuFile_ExitClick();
  void menuTools_RMBClick();
  void menuHelp_ContactClick();
  void menuHelp_HomepageClick();
  void menuTools_CalcClick();
  void menuTools_noteClick();
  void imgLinkFenikoClick();

  // ---- event handlers of the calculator pages (TaxPages.cpp) ----
  void tabCalcNewShow();
  void tabCalcOldShow();
  void btnCalcNewClick();
  void btnCalcClick();
  void btnResetNewClick();
  void btnResetClick();
  void txtIncomeNewKeyUp(int key, Qt::KeyboardModifiers modifiers, bool autoRepeat);
  void txtIncomeKeyUp(int key, Qt::KeyboardModifiers modifiers, bool autoRepeat);
  void txtLinkRateNewClick();
  void txtLinkRateOldClick();

  // ---- event handlers of tabRMB (RmbPage.cpp) ----
  void btnConvertClick();
  void txtMoneyKeyUp(int key, Qt::KeyboardModifiers modifiers, bool autoRepeat);
  void btnClearClick();
  void btnCopyClick();
  void tabRMBShow();

  // ---- event handlers of the reference pages (ReferencePages.cpp) ----
  void imgLinkNewCalcClick();
  void imgLinkOldCalcClick();
  void lblLinkFenikoClick();

 signals:
  // Raised every time a page becomes the visible one (and for the first page
  // when the window first appears), just as its show behaviour runs.
  void pageShown(QWidget* page);

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void BuildMenu();
  void BuildToolBar();
  void BuildPageControl();
  void BuildCalcNewPage();
  void BuildCalcOldPage();
  void BuildRmbPage();
  void BuildReferencePages();

  // Showing a page: the one rule behind tabs, keys, menu, toolbar and links.
  void ShowPage(QWidget* page);
  void OnPageChanged(int index);
  // Returns whether the page has a show behaviour.
  bool RaiseShowEvent(QWidget* page);
  void OpenUrl(std::string_view address);

  // Connects a control's signal to a handler, run under RunGuarded.
  template <typename Sender, typename Signal>
  void BindClick(Sender* sender, Signal signal, void (TFrmMain::*handler)());
  void BindKeyUp(EditBox* box, void (TFrmMain::*handler)(int, Qt::KeyboardModifiers, bool));

  platform::Shell& shell_;
  int activeIndex_ = -1;
  bool firstShown_ = false;
};

template <typename Sender, typename Signal>
void TFrmMain::BindClick(Sender* sender, Signal signal, void (TFrmMain::*handler)()) {
  connect(sender, signal, this,
          [this, handler] { RunGuarded([this, handler] { (this->*handler)(); }); });
}

}  // namespace feniko::ui
