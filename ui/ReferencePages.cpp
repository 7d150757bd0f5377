// The reference pages: the two rate tables (tabRateNew, tabRateOld) and the
// contact page (tabContact). They only show things; their one action besides
// the links is the address label opening the home page.

#include <string_view>

#include "ui/HomePage.h"
#include "ui/UMain.h"
#include "ui/widgets/EditBox.h"
#include "ui/widgets/GroupBox.h"
#include "ui/widgets/PageBuilding.h"
#include "ui/widgets/Picture.h"
#include "ui/widgets/StaticText.h"
#include "ui/widgets/UiFont.h"
#include "ui/widgets/WhitePanel.h"

namespace feniko::ui {
namespace {

// The developer's accounts. The 旺旺 name is longer than the ten characters
// that can be typed into its box; the box still shows it whole.
const QString kQqAccount = QStringLiteral("846203175");
const QString kWangwangAccount = QStringLiteral("feniko个人所得税专家");
constexpr int kAccountLengthLimit = 10;

EditBox* MakeAccountBox(QWidget* parent, const char* name, QPoint place, const QString& preset) {
  auto* box = Named(new EditBox(parent), name);
  box->setFont(UiFont(16));
  box->setGeometry(QRect(place, QSize(198, 28)));
  box->setText(preset);
  box->setCursorPosition(0);
  box->SetLengthLimit(kAccountLengthLimit);
  return box;
}

// A rate table fills its page; the arrow back to the calculator lies on the
// white space below the table. Both pictures are larger than their boxes and
// lose only white margin to the clipping.
struct RateTablePage {
  Picture* table;
  Picture* arrow;
};

RateTablePage BuildRateTablePage(QWidget* page, const char* tableName, const QString& table,
                                 const char* arrowName, const QString& arrow) {
  page->resize(832, 517);
  RateTablePage built{};
  built.table = Named(new Picture(table, page), tableName);
  built.table->setGeometry(0, 0, 832, 517);
  built.arrow = Named(new Picture(arrow, page), arrowName);
  built.arrow->setGeometry(304, 452, 209, 49);
  built.arrow->SetClickable(true);
  built.arrow->raise();
  return built;
}

}  // namespace

void TFrmMain::BuildReferencePages() {
  const RateTablePage current =
      BuildRateTablePage(tabRateNew, "Image1", QStringLiteral(":/art/rate-new.svg"),
                         "imgLinkNewCalc", QStringLiteral(":/art/arrow-new.svg"));
  Image1 = current.table;
  imgLinkNewCalc = current.arrow;
  const RateTablePage previous =
      BuildRateTablePage(tabRateOld, "imgOldRate", QStringLiteral(":/art/rate-old.svg"),
                         "imgLinkOldCalc", QStringLiteral(":/art/arrow-old.svg"));
  imgOldRate = previous.table;
  imgLinkOldCalc = previous.arrow;

  tabContact->resize(832, 517);
  const QFont normal = UiFont(11);
  Panel2 = Named(new WhitePanel(WhitePanel::Edge::Raised, tabContact), "Panel2");
  Panel2->setGeometry(0, 0, 832, 517);
  StaticText16 = MakeText(Panel2, "StaticText16", QStringLiteral("联系方式"), {80, 44},
                          UiFont(19, true), kMaroon);

  GroupBox4 =
      Named(new GroupBox(QStringLiteral("软件开发者联系方式："), GroupBox::Edge::Etched, Panel2),
            "GroupBox4");
  GroupBox4->setFont(normal);
  GroupBox4->setGeometry(80, 88, 664, 225);

  // The QQ icon is 16 × 16 in a 32 × 32 box, drawn at its top-left corner.
  Image3 = Named(new Picture(QStringLiteral(":/art/qq.svg"), GroupBox4), "Image3");
  Image3->setGeometry(70, 50, 32, 32);
  StaticText12 = MakeText(GroupBox4, "StaticText12", QStringLiteral("QQ："), {92, 52}, normal);
  Edit1 = MakeAccountBox(GroupBox4, "Edit1", {137, 46}, kQqAccount);

  Image6 = Named(new Picture(QStringLiteral(":/art/wangwang.svg"), GroupBox4), "Image6");
  Image6->setGeometry(48, 94, 32, 32);
  Label2 = MakeText(GroupBox4, "Label2", QStringLiteral("旺旺："), {83, 108}, normal);
  Edit6 = MakeAccountBox(GroupBox4, "Edit6", {137, 97}, kWangwangAccount);

  Label1 = MakeText(GroupBox4, "Label1", QStringLiteral("官方网址："), {56, 155}, normal);
  // Shows exactly the address that a click opens.
  lblLinkFeniko = MakeText(GroupBox4, "lblLinkFeniko", FromUtf8(kHomePageAddress), {133, 153},
                           UiFont(16), kBlue);
  lblLinkFeniko->SetClickable(true);

  QWidget::setTabOrder(Edit1, Edit6);

  BindClick(imgLinkNewCalc, &Picture::clicked, &TFrmMain::imgLinkNewCalcClick);
  BindClick(imgLinkOldCalc, &Picture::clicked, &TFrmMain::imgLinkOldCalcClick);
  BindClick(lblLinkFeniko, &StaticText::clicked, &TFrmMain::lblLinkFenikoClick);
}

void TFrmMain::imgLinkNewCalcClick() {
  ShowPage(tabCalcNew);
}

void TFrmMain::imgLinkOldCalcClick() {
  ShowPage(tabCalcOld);
}

void TFrmMain::lblLinkFenikoClick() {
  OpenUrl(kHomePageAddress);
}

}  // namespace feniko::ui
