#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "ui/main/choice_group.h"
#include "ui/main/main_window.h"
#include "ui/reference/truetype_faces.h"

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

  RzRadioGroup3 = new ChoiceGroup(
      ChoiceGroup::Kind::Radio, QStringLiteral("参考模式[F4]"),
      {QStringLiteral("无参考"), QStringLiteral("字体"), QStringLiteral("图片")}, 3);
  RzRadioGroup3->setObjectName(QStringLiteral("RzRadioGroup3"));
  RzRadioGroup3->setItemIndex(0);
  place(RzRadioGroup3, 208, 44);

  createReferenceGroups();
  place(RzGroupBox1, 256, 216);
  place(RzGroupBox2, 256, 216);
}

void TFmMain::createReferenceGroups() {
  RzGroupBox1 = new QGroupBox(QStringLiteral("选择参考字体和字符"));
  RzGroupBox1->setObjectName(QStringLiteral("RzGroupBox1"));
  auto* fontLayout = new QVBoxLayout(RzGroupBox1);
  fontLayout->setContentsMargins(6, 4, 6, 6);
  fontLayout->setSpacing(3);
  RzLabel1 = new QLabel(QStringLiteral("请选择字体："), RzGroupBox1);
  RzLabel1->setObjectName(QStringLiteral("RzLabel1"));
  RzFontListBox1 = new QListWidget(RzGroupBox1);
  RzFontListBox1->setObjectName(QStringLiteral("RzFontListBox1"));
  RzFontListBox1->addItems(trueTypeFaces());
  RzLabel3 = new QLabel(QStringLiteral("请调整字体大小："), RzGroupBox1);
  RzLabel3->setObjectName(QStringLiteral("RzLabel3"));
  RzSpinEdit1 = new QSpinBox(RzGroupBox1);
  RzSpinEdit1->setObjectName(QStringLiteral("RzSpinEdit1"));
  RzSpinEdit1->setRange(240, 800);
  RzSpinEdit1->setValue(240);
  fontLayout->addWidget(RzLabel1);
  fontLayout->addWidget(RzFontListBox1, 1);
  fontLayout->addWidget(RzLabel3);
  fontLayout->addWidget(RzSpinEdit1);
  RzGroupBox1->hide();

  RzGroupBox2 = new QGroupBox(QStringLiteral("选择参考图片"));
  RzGroupBox2->setObjectName(QStringLiteral("RzGroupBox2"));
  auto* pictureLayout = new QVBoxLayout(RzGroupBox2);
  pictureLayout->setContentsMargins(6, 4, 6, 6);
  RzPanel2 = new QFrame(RzGroupBox2);
  RzPanel2->setObjectName(QStringLiteral("RzPanel2"));
  auto* panelLayout = new QGridLayout(RzPanel2);
  panelLayout->setContentsMargins(0, 0, 0, 0);
  RefImage = new QLabel(RzPanel2);
  RefImage->setObjectName(QStringLiteral("RefImage"));
  RefImage->setFixedSize(154, 154);
  RefImage->setAlignment(Qt::AlignCenter);
  RzBitBtn1 = new QPushButton(QStringLiteral("加载..."), RzPanel2);
  RzBitBtn1->setObjectName(QStringLiteral("RzBitBtn1"));
  RzBitBtn2 = new QPushButton(QStringLiteral("清除"), RzPanel2);
  RzBitBtn2->setObjectName(QStringLiteral("RzBitBtn2"));
  panelLayout->addWidget(RefImage, 0, 0, 1, 2, Qt::AlignHCenter);
  panelLayout->addWidget(RzBitBtn1, 1, 0);
  panelLayout->addWidget(RzBitBtn2, 1, 1);
  pictureLayout->addWidget(RzPanel2);
  RzGroupBox2->hide();
}
