#include "ui/UMain.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <exception>

#include "platform/RegionalSettings.h"
#include "ui/AppIcon.h"
#include "ui/GeneralErrorBox.h"
#include "ui/HomePage.h"
#include "ui/PageControlStyle.h"
#include "ui/widgets/EditBox.h"
#include "ui/widgets/UiFont.h"

namespace feniko::ui {
namespace {

constexpr int kClientWidth = 840;
constexpr int kClientHeight = 574;
constexpr int kToolBarHeight = 29;

QWidget* MakePage(const char* name) {
  auto* page = new QWidget;
  page->setObjectName(QString::fromLatin1(name));
  return page;
}

QAction* MakeAction(QMenu* menu, const char* name, const QString& caption) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(QString::fromLatin1(name));
  return action;
}

}  // namespace

TFrmMain::TFrmMain(platform::Shell& shell, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      shell_(shell) {
  RegisterArtwork();
  setObjectName(QStringLiteral("FrmMain"));
  setWindowTitle(QStringLiteral("Feniko"));
  setWindowIcon(AppIcon());
  setFont(UiFont());

  BuildMenu();
  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("ClientArea"));
  client->setFixedSize(kClientWidth, kClientHeight);
  setCentralWidget(client);
  BuildToolBar();
  BuildPageControl();

  BuildCalcNewPage();
  BuildCalcOldPage();
  BuildRmbPage();
  BuildReferencePages();

  // Fixed single border: the window is exactly the menu bar over the client
  // area and cannot be resized (so the window manager offers no maximise).
  setFixedSize(kClientWidth, menuMain->sizeHint().height() + kClientHeight);
  setGeometry(
      QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen()->availableGeometry()));
}

TFrmMain::~TFrmMain() = default;

void TFrmMain::BuildMenu() {
  menuMain = new QMenuBar(this);
  menuMain->setObjectName(QStringLiteral("menuMain"));
  setMenuBar(menuMain);

  // Menus are windows of their own, so the window's font does not reach them.
  menuFile = menuMain->addMenu(QStringLiteral("文件(&F)"));
  menuFile->setObjectName(QStringLiteral("menuFile"));
  menuFile_Exit = MakeAction(menuFile, "menuFile_Exit", QStringLiteral("退出(&X)"));

  menuTools = menuMain->addMenu(QStringLiteral("工具(&T)"));
  menuTools->setObjectName(QStringLiteral("menuTools"));
  menuTools_RMB = MakeAction(menuTools, "menuTools_RMB", QStringLiteral("人民币大小写转换(&R)"));
  N9 = menuTools->addSeparator();
  N9->setObjectName(QStringLiteral("N9"));
  menuTools_Calc = MakeAction(menuTools, "menuTools_Calc", QStringLiteral("计算器(&C)"));
  menuTools_note = MakeAction(menuTools, "menuTools_note", QStringLiteral("记事本(&N)"));

  menuHelp = menuMain->addMenu(QStringLiteral("帮助(&H)"));
  menuHelp->setObjectName(QStringLiteral("menuHelp"));
  menuHelp_Homepage = MakeAction(menuHelp, "menuHelp_Homepage", QStringLiteral("官方网站(&W)"));
  menuHelp_Contact = MakeAction(menuHelp, "menuHelp_Contact", QStringLiteral("联系方式(&C)..."));

  for (QMenu* menu : {menuFile, menuTools, menuHelp}) menu->setFont(UiFont());

  BindClick(menuFile_Exit, &QAction::triggered, &TFrmMain::menuFile_ExitClick);
  BindClick(menuTools_RMB, &QAction::triggered, &TFrmMain::menuTools_RMBClick);
  BindClick(menuTools_Calc, &QAction::triggered, &TFrmMain::menuTools_CalcClick);
  BindClick(menuTools_note, &QAction::triggered, &TFrmMain::menuTools_noteClick);
  BindClick(menuHelp_Homepage, &QAction::triggered, &TFrmMain::menuHelp_HomepageClick);
  BindClick(menuHelp_Contact, &QAction::triggered, &TFrmMain::menuHelp_ContactClick);
}

void TFrmMain::BuildToolBar() {
  ToolBar1 = new QToolBar(centralWidget());
  ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
  ToolBar1->setGeometry(0, 0, kClientWidth, kToolBarHeight);
  ToolBar1->setMovable(false);
  ToolBar1->setFloatable(false);
  ToolBar1->setIconSize(QSize(16, 16));
  ToolBar1->setToolButtonStyle(Qt::ToolButtonIconOnly);

  ToolButton2 = new QToolButton(ToolBar1);
  ToolButton2->setObjectName(QStringLiteral("ToolButton2"));
  ToolButton2->setIcon(QIcon(QStringLiteral(":/art/coin16.svg")));
  ToolButton2->setToolTip(QStringLiteral("人民币大小写转换"));
  ToolButton2->setAutoRaise(true);
  ToolButton2->setFocusPolicy(Qt::NoFocus);
  ToolBar1->addWidget(ToolButton2);
  BindClick(ToolButton2, &QToolButton::clicked, &TFrmMain::menuTools_RMBClick);
}

void TFrmMain::BuildPageControl() {
  pageMain = new QTabWidget(centralWidget());
  pageMain->setObjectName(QStringLiteral("pageMain"));
  auto* pageStyle = new PageControlStyle(pageMain);
  pageMain->setStyle(pageStyle);
  pageMain->tabBar()->setStyle(pageStyle);
  pageMain->setGeometry(0, kToolBarHeight, kClientWidth, kClientHeight - kToolBarHeight);
  pageMain->setDocumentMode(false);
  pageMain->setUsesScrollButtons(false);
  pageMain->tabBar()->setExpanding(false);

  tabCalcNew = MakePage("tabCalcNew");
  tabRateNew = MakePage("tabRateNew");
  tabCalcOld = MakePage("tabCalcOld");
  tabRateOld = MakePage("tabRateOld");
  tabRMB = MakePage("tabRMB");
  tabContact = MakePage("tabContact");
  pageMain->addTab(tabCalcNew, QStringLiteral("计算器(新版)"));
  pageMain->addTab(tabRateNew, QStringLiteral("税率表(新版)"));
  pageMain->addTab(tabCalcOld, QStringLiteral("计算器(旧版)"));
  pageMain->addTab(tabRateOld, QStringLiteral("税率表(旧版)"));
  pageMain->addTab(tabRMB, QStringLiteral("人民币大小写"));
  pageMain->addTab(tabContact, QStringLiteral("联系方式"));
  pageMain->setCurrentWidget(tabCalcNew);
  activeIndex_ = pageMain->currentIndex();
  connect(pageMain, &QTabWidget::currentChanged, this, &TFrmMain::OnPageChanged);
}

void TFrmMain::RunGuarded(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const std::exception& failure) {
    ShowGeneralError(this, failure.what());
  } catch (...) {
    ShowGeneralError(this, "Unexpected failure");
  }
}

void TFrmMain::BindKeyUp(EditBox* box,
                         void (TFrmMain::*handler)(int, Qt::KeyboardModifiers, bool)) {
  connect(box, &EditBox::keyReleased, this,
          [this, handler](int key, Qt::KeyboardModifiers modifiers, bool autoRepeat) {
            RunGuarded([&] { (this->*handler)(key, modifiers, autoRepeat); });
          });
}

void TFrmMain::ShowPage(QWidget* page) {
  pageMain->setCurrentIndex(pageMain->indexOf(page));
}

void TFrmMain::OnPageChanged(int index) {
  if (index == activeIndex_) return;
  activeIndex_ = index;
  if (!firstShown_) return;  // the first appearance raises the event itself
  QWidget* page = pageMain->widget(index);
  // The page stack has already hidden the previous page; if the focus was on
  // it, the stack moved it into the new page.
  QWidget* focus = focusWidget();
  const bool focusCameFromOldPage = focus && (focus == page || page->isAncestorOf(focus));
  const bool showBehaviourRan = RaiseShowEvent(page);
  if (focusCameFromOldPage && !showBehaviourRan) {
    // No show behaviour placed the focus: it goes to the page's first control
    // that takes the focus, or to the page itself.
    QWidget* first = nullptr;
    for (QWidget* w = page->nextInFocusChain(); w != page; w = w->nextInFocusChain()) {
      if (page->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(page) &&
          w->isEnabled()) {
        first = w;
        break;
      }
    }
    (first ? first : page)->setFocus(Qt::OtherFocusReason);
  }
}

bool TFrmMain::RaiseShowEvent(QWidget* page) {
  emit pageShown(page);
  if (page == tabCalcNew) {
    RunGuarded([this] { tabCalcNewShow(); });
  } else if (page == tabCalcOld) {
    RunGuarded([this] { tabCalcOldShow(); });
  } else if (page == tabRMB) {
    RunGuarded([this] { tabRMBShow(); });
  } else {
    return false;
  }
  return true;
}

void TFrmMain::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (firstShown_) return;
  firstShown_ = true;
  RaiseShowEvent(pageMain->currentWidget());
}

// A change of the system's regional settings reaches a Qt program as
// LocaleChange (on Windows from WM_SETTINGCHANGE), which the application
// passes on to every window; the decimal separator is then read again.
// Desktops without such an announcement keep the one read at start-up.
void TFrmMain::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LocaleChange) platform::RefreshDecimalSeparator();
  QMainWindow::changeEvent(event);
}

void TFrmMain::OpenUrl(std::string_view address) {
  try {
    platform::ShellRequest request;
    request.ownerWindow = static_cast<std::uintptr_t>(winId());
    request.operation = "Open";
    request.file = "IEXPLORE.EXE";
    request.parameters = std::string(address);
    request.directory = std::string();
    request.showCommand = 1;
    shell_.Execute(request);
  } catch (...) {
    // Opening the home page never troubles the user, whatever went wrong.
  }
}

void TFrmMain::menuFile_ExitClick() {
  QApplication::quit();
}

void TFrmMain::menuTools_RMBClick() {
  ShowPage(tabRMB);
}

void TFrmMain::menuHelp_ContactClick() {
  ShowPage(tabContact);
}

void TFrmMain::menuHelp_HomepageClick() {
  OpenUrl(kHomePageAddress);
}

void TFrmMain::imgLinkFenikoClick() {
  OpenUrl(kHomePageAddress);
}

void TFrmMain::menuTools_CalcClick() {
  shell_.Execute(
      {static_cast<std::uintptr_t>(winId()), "open", "calc.exe", std::nullopt, std::nullopt, 1});
}

void TFrmMain::menuTools_noteClick() {
  shell_.Execute(
      {static_cast<std::uintptr_t>(winId()), "open", "notepad.exe", std::nullopt, std::nullopt, 1});
}

}  // namespace feniko::ui
