#include <QGroupBox>

#include "ui/shared/choice_group.h"
#include "ui/main/main_window.h"
#include "ui/reference/reference_underlay.h"

namespace {

constexpr int kGroupLeft = 6;
constexpr int kGroupWidth = 202;

}  // namespace

void TFmMain::createSidePanel() {
  const auto place = [this](QWidget* group, int top, int height) {
    group->setParent(RzPanel1);
    group->setGeometry(kGroupLeft, top, kGroupWidth, height);
  };
  RzCheckGroup1 =
      new ChoiceGroup(ChoiceGroup::Kind::Check, QStringLiteral("显示模式"),
                      {QStringLiteral("显示抬笔轨迹[T]"), QStringLiteral("显示点[X]")}, 2);
  RzCheckGroup1->setObjectName(QStringLiteral("RzCheckGroup1"));
  place(RzCheckGroup1, 8, 44);

  RzRadioGroup1 = new ChoiceGroup(ChoiceGroup::Kind::Radio, QStringLiteral("画笔模式[SPACE]"),
                                  {QStringLiteral("抬笔(虚线)"), QStringLiteral("落笔(实线)")}, 2);
  RzRadioGroup1->setObjectName(QStringLiteral("RzRadioGroup1"));
  RzRadioGroup1->setItemIndex(0);
  place(RzRadioGroup1, 56, 44);

  RzRadioGroup2 = new ChoiceGroup(ChoiceGroup::Kind::Radio, QStringLiteral("编辑模式[F2]"),
                                  {QStringLiteral("普通编辑"), QStringLiteral("连续添加点"),
                                   QStringLiteral("连续删除点"), QStringLiteral("拖动参考背景")},
                                  1);
  RzRadioGroup2->setObjectName(QStringLiteral("RzRadioGroup2"));
  RzRadioGroup2->setItemIndex(0);
  place(RzRadioGroup2, 104, 100);

  place(reference->RzRadioGroup3, 208, 44);
  place(reference->RzGroupBox1, 256, 216);
  place(reference->RzGroupBox2, 256, 216);
}
