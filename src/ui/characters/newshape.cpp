#include "ui/characters/newshape.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <QValidator>
#include <cctype>

#include "editing/character_sets.h"
#include "ui/shared/choice_group.h"
#include "ui/shared/form_font.h"
#include "ui/platform/gbk.h"
#include "ui/platform/prompts.h"

namespace {

constexpr int kMaxBytes = 2;  // one hanzi or two single-byte characters

// Edit1 holds at most two GBK bytes; a character GBK cannot hold counts as one byte here
// and is refused when OK is pressed.
class GbkLengthValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int&) const override {
    return toGbk(input, '?').size() <= kMaxBytes ? Acceptable : Invalid;
  }
};

const std::string kDigits = "0123456789";
const std::string kUpper = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
const std::string kLower = "abcdefghijklmnopqrstuvwxyz";
constexpr char kHanziSet = '\x80';

// Every printable ASCII character that is neither a digit nor a letter, the space first.
std::string punctuation() {
  std::string marks;
  for (char c = 0x20; c <= 0x7E; ++c) {
    if (!std::isalnum(static_cast<unsigned char>(c))) marks += c;
  }
  return marks;
}

}  // namespace

TFmNewShape::TFmNewShape(Prompts& prompts, QWidget* parent) : QDialog(parent), prompts_(prompts) {
  setObjectName(QStringLiteral("FmNewShape"));
  setWindowTitle(QStringLiteral("添加字符"));
  setFont(formFont(12));
  setFixedSize(423, 202);

  RzCheckGroup1 =
      new ChoiceGroup(ChoiceGroup::Kind::Check, QStringLiteral("添加字符选项"),
                      {QStringLiteral("数字符('0'~'9')"), QStringLiteral("大写英文字母('A'~'Z')"),
                       QStringLiteral("小写英文字母('a'~'z')"), QStringLiteral("英文标点符号"),
                       QStringLiteral("所有汉字(GB2312)")},
                      1, this);
  RzCheckGroup1->setObjectName(QStringLiteral("RzCheckGroup1"));
  RzCheckGroup1->setGeometry(8, 6, 172, 188);

  RzGroupBox1 = new QGroupBox(QStringLiteral("单个字符输入"), this);
  RzGroupBox1->setObjectName(QStringLiteral("RzGroupBox1"));
  RzGroupBox1->setGeometry(188, 6, 227, 56);
  Edit1 = new QLineEdit(RzGroupBox1);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  Edit1->setValidator(new GbkLengthValidator(Edit1));
  auto* editLayout = new QVBoxLayout(RzGroupBox1);
  editLayout->setContentsMargins(6, 2, 6, 4);
  editLayout->addWidget(Edit1);

  RzGroupBox2 = new QGroupBox(QStringLiteral("简要说明"), this);
  RzGroupBox2->setObjectName(QStringLiteral("RzGroupBox2"));
  RzGroupBox2->setGeometry(188, 66, 227, 92);
  RzMemo1 = new QPlainTextEdit(RzGroupBox2);
  RzMemo1->setObjectName(QStringLiteral("RzMemo1"));
  RzMemo1->setPlainText(
      QStringLiteral("    如果只是输入单个字符，请直接输\n入单个字符，并按确定按钮即可。"));
  RzMemo1->setReadOnly(true);
  RzMemo1->setEnabled(false);
  RzMemo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  RzMemo1->setFrameShape(QFrame::NoFrame);
  auto* memoLayout = new QVBoxLayout(RzGroupBox2);
  memoLayout->setContentsMargins(6, 2, 6, 4);
  memoLayout->addWidget(RzMemo1);

  BtnOk = new QPushButton(QStringLiteral("确定(&O)"), this);
  BtnOk->setObjectName(QStringLiteral("BtnOk"));
  BtnOk->setGeometry(236, 166, 84, 28);
  BtnOk->setDefault(true);
  BtnOk->setEnabled(false);
  BtnCancel = new QPushButton(QStringLiteral("取消(&C)"), this);
  BtnCancel->setObjectName(QStringLiteral("BtnCancel"));
  BtnCancel->setGeometry(328, 166, 84, 28);

  connect(Edit1, &QLineEdit::textChanged, this, [this] { Edit1Change(); });
  connect(RzCheckGroup1, &ChoiceGroup::changed, this, [this] { RzCheckGroup1Change(); });
  connect(BtnOk, &QPushButton::clicked, this, &QDialog::accept);
  connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);

  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
}

bool TFmNewShape::canAccept() const {
  if (!Edit1->text().isEmpty()) return true;
  for (int i = 0; i < RzCheckGroup1->count(); ++i) {
    if (RzCheckGroup1->isChecked(i)) return true;
  }
  return false;
}

void TFmNewShape::Edit1Change() { BtnOk->setEnabled(canAccept()); }
void TFmNewShape::RzCheckGroup1Change() { BtnOk->setEnabled(canAccept()); }

std::optional<std::string> TFmNewShape::chosenCharacters() {
  const QString typed = Edit1->text();
  if (!typed.isEmpty()) {
    std::string bytes;
    try {
      bytes = toGbk(typed);
    } catch (const GbkError&) {
      prompts_.ask(QStringLiteral("“%1”中有GBK编码中没有的字符，无法添加。").arg(typed),
                   Prompts::Question::OkError);
      return std::nullopt;
    }
    if (holdsHanziSetByte(bytes)) {
      prompts_.ask(QStringLiteral("“€”无法作为字符添加：它的GBK编码0x80代表全部汉字。"),
                   Prompts::Question::OkError);
      return std::nullopt;
    }
    return bytes;
  }
  const std::string sets[] = {kDigits, kUpper, kLower, punctuation(), std::string(1, kHanziSet)};
  std::string text;
  for (int i = 0; i < RzCheckGroup1->count(); ++i) {
    if (RzCheckGroup1->isChecked(i)) text += sets[i];
  }
  return text;
}

void TFmNewShape::accept() {
  const std::optional<std::string> chosen = chosenCharacters();
  if (!chosen) return;  // the dialog stays open for another try
  chosen_ = *chosen;
  QDialog::accept();
}

bool TFmNewShape::askCharacters(std::string& text) {
  if (exec() != QDialog::Accepted) return false;
  text = chosen_;
  return true;
}
