#include "ui/main/qt_prompts.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QInputDialog>
#include <QMessageBox>
#include <QProcess>
#include <QProgressDialog>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/characters/newshape.h"
#include "ui/main/about_box.h"

namespace {

QString title() { return QCoreApplication::applicationName(); }

std::optional<QString> runFileDialog(const Prompts::FileDialog& request,
                                     QFileDialog::AcceptMode mode) {
  QFileDialog dialog(QApplication::activeWindow(), request.title);
  dialog.setAcceptMode(mode);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  dialog.setNameFilters(qtNameFilters(request.filter));
  if (!request.proposedPath.isEmpty()) dialog.selectFile(request.proposedPath);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return completeTypedName(dialog.selectedFiles().constFirst(), request.defaultExtension);
}

}  // namespace

QString completeTypedName(const QString& path, const QString& defaultExtension) {
  QString extension = defaultExtension;
  extension.remove(QLatin1Char('*'));
  if (extension.isEmpty() || !QFileInfo(path).suffix().isEmpty()) return path;
  const QString completed = path + extension;
  const QString lowerCase = path + extension.toLower();
  if (!QFileInfo::exists(completed) && QFileInfo::exists(lowerCase)) return lowerCase;
  return completed;
}

QStringList qtNameFilters(const QString& filter) {
  const QStringList parts = filter.split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QStringList patterns;
    for (const QString& pattern : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
      patterns << pattern;
      if (pattern.toLower() != pattern) patterns << pattern.toLower();
      if (pattern.toUpper() != pattern) patterns << pattern.toUpper();
    }
    filters << QStringLiteral("%1 (%2)").arg(parts[i], patterns.join(QLatin1Char(' ')));
  }
  return filters;
}

Prompts::Answer QtPrompts::ask(const QString& text, Question question) {
  QMessageBox box(QApplication::activeWindow());
  box.setWindowTitle(title());
  box.setText(text);
  switch (question) {
    case Question::OkCancelWarning:
    case Question::OkCancelWarningCancel:
      box.setIcon(QMessageBox::Warning);
      box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
      box.setDefaultButton(question == Question::OkCancelWarningCancel ? QMessageBox::Cancel
                                                                       : QMessageBox::Ok);
      break;
    case Question::YesNoCancelWarning:
      box.setIcon(QMessageBox::Warning);
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      box.setEscapeButton(QMessageBox::Cancel);
      break;
    case Question::OkError:
      box.setIcon(QMessageBox::Critical);
      box.setStandardButtons(QMessageBox::Ok);
      break;
  }
  switch (box.exec()) {
    case QMessageBox::Ok:
      return Answer::Ok;
    case QMessageBox::Yes:
      return Answer::Yes;
    case QMessageBox::No:
      return Answer::No;
    default:
      return Answer::Cancel;
  }
}

void QtPrompts::showReport(const QString& summary, const QString& details) {
  QMessageBox box(QApplication::activeWindow());
  box.setWindowTitle(title());
  box.setIcon(QMessageBox::Information);
  box.setText(summary);
  box.setDetailedText(details);
  box.setStandardButtons(QMessageBox::Ok);
  box.exec();
}

void QtPrompts::showError(const QString& text) {
  QMessageBox::critical(QApplication::activeWindow(), title(), text);
}

std::optional<QString> QtPrompts::openFile(const FileDialog& dialog) {
  return runFileDialog(dialog, QFileDialog::AcceptOpen);
}

std::optional<QString> QtPrompts::saveFile(const FileDialog& dialog) {
  return runFileDialog(dialog, QFileDialog::AcceptSave);
}

std::optional<QString> QtPrompts::inputText(const QString& caption, const QString& prompt,
                                            const QString& initial) {
  bool ok = false;
  const QString text = QInputDialog::getText(QApplication::activeWindow(), caption, prompt,
                                             QLineEdit::Normal, initial, &ok);
  if (!ok) return std::nullopt;
  return text;
}

std::optional<std::string> QtPrompts::askCharacters() {
  TFmNewShape dialog(*this, QApplication::activeWindow());
  std::string text;
  if (!dialog.askCharacters(text)) return std::nullopt;
  return text;
}

std::optional<Prompts::FontSetupChoice> QtPrompts::askFontSetup(const FontSetupChoice& proposed) {
  QDialog dialog(QApplication::activeWindow());
  dialog.setWindowTitle(QStringLiteral("新字体的类型和大小"));
  auto* kinds = new QComboBox(&dialog);
  kinds->addItems({QStringLiteral("ASCII"), QStringLiteral("UNIFONT"), QStringLiteral("BIGFONT")});
  kinds->setCurrentIndex(std::clamp(proposed.kind - 1, 0, 2));
  auto* sizes = new QComboBox(&dialog);
  for (int side = 12; side <= 120; side += 12) sizes->addItem(QStringLiteral("%1*%1").arg(side));
  sizes->setCurrentIndex(std::clamp<int>(proposed.gridIndex, 0, 9));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  auto* form = new QFormLayout(&dialog);
  form->addRow(QStringLiteral("字体类型："), kinds);
  form->addRow(QStringLiteral("字体大小："), sizes);
  form->addRow(buttons);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return FontSetupChoice{static_cast<uint8_t>(kinds->currentIndex() + 1),
                         static_cast<uint8_t>(sizes->currentIndex())};
}

// The dialog stands at the window's right, over the side panel, so the canvas it previews on
// stays in view.
std::optional<Transform> QtPrompts::askTransform(const Transform& proposed,
                                                 const TransformPreview& preview) {
  QWidget* window = QApplication::activeWindow();
  QDialog dialog(window);
  dialog.setWindowTitle(QStringLiteral("变换"));
  const auto spin = [&dialog](int value) {
    auto* box = new QSpinBox(&dialog);
    box->setRange(-1000, 1000);
    box->setValue(value);
    return box;
  };
  const auto number = [&dialog](double value, double low, double high, const QString& suffix) {
    auto* box = new QDoubleSpinBox(&dialog);
    box->setRange(low, high);
    box->setDecimals(1);
    box->setSuffix(suffix);
    box->setValue(value);
    return box;
  };
  QSpinBox* dx = spin(proposed.dx);
  QSpinBox* dy = spin(proposed.dy);
  QDoubleSpinBox* sx = number(proposed.scaleXPercent, 1, 1000, QStringLiteral(" %"));
  QDoubleSpinBox* sy = number(proposed.scaleYPercent, 1, 1000, QStringLiteral(" %"));
  auto* origin = new QComboBox(&dialog);
  origin->addItems({QStringLiteral("格子中心"), QStringLiteral("基线左端")});
  origin->setCurrentIndex(proposed.origin == Transform::Origin::CellMiddle ? 0 : 1);
  QDoubleSpinBox* slant = number(proposed.slantDegrees, -60, 60, QStringLiteral(" °"));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  auto* form = new QFormLayout(&dialog);
  form->addRow(QStringLiteral("水平移动："), dx);
  form->addRow(QStringLiteral("垂直移动："), dy);
  form->addRow(QStringLiteral("水平缩放："), sx);
  form->addRow(QStringLiteral("垂直缩放："), sy);
  form->addRow(QStringLiteral("缩放中心："), origin);
  form->addRow(QStringLiteral("倾斜角度："), slant);
  form->addRow(buttons);

  const auto shown = [&] {
    Transform chosen;
    chosen.dx = dx->value();
    chosen.dy = dy->value();
    chosen.scaleXPercent = sx->value();
    chosen.scaleYPercent = sy->value();
    chosen.origin = origin->currentIndex() == 0 ? Transform::Origin::CellMiddle
                                                : Transform::Origin::BaselineLeft;
    chosen.slantDegrees = slant->value();
    return chosen;
  };
  const auto showPreview = [&] { preview(shown()); };
  for (QSpinBox* box : {dx, dy}) QObject::connect(box, &QSpinBox::valueChanged, showPreview);
  for (QDoubleSpinBox* box : {sx, sy, slant})
    QObject::connect(box, &QDoubleSpinBox::valueChanged, showPreview);
  QObject::connect(origin, &QComboBox::currentIndexChanged, showPreview);
  showPreview();

  if (window) {
    dialog.adjustSize();
    const QRect frame = window->geometry();
    dialog.move(frame.right() - dialog.width() - 40, frame.top() + 80);
  }
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return shown();
}

std::optional<Prompts::DraftChoice> QtPrompts::askDraft(const DraftChoice& proposed, bool batch,
                                                        const QString& strokeDataMissing) {
  QDialog dialog(QApplication::activeWindow());
  dialog.setWindowTitle(batch ? QStringLiteral("批量生成笔画")
                              : QStringLiteral("从参考字体生成笔画"));
  auto* form = new QVBoxLayout(&dialog);
  const auto choices = [&](const QString& title, const QStringList& items, int chosen) {
    auto* box = new QGroupBox(title, &dialog);
    auto* column = new QVBoxLayout(box);
    auto* group = new QButtonGroup(box);
    for (int i = 0; i < items.size(); ++i) {
      auto* item = new QRadioButton(items[i], box);
      item->setChecked(i == chosen);
      group->addButton(item, i);
      column->addWidget(item);
    }
    form->addWidget(box);
    return group;
  };
  QButtonGroup* modes = choices(QStringLiteral("生成方式"),
                                {QStringLiteral("中心线（沿参考字体笔画中间的单线）"),
                                 QStringLiteral("轮廓（参考字体字形的外轮廓线）"),
                                 QStringLiteral("笔顺数据（楷体风格，按书写笔顺）")},
                                proposed.mode);
  QAbstractButton* strokeData = modes->button(DraftChoice::strokeData);
  if (strokeDataMissing.isEmpty()) {
    strokeData->setToolTip(
        QStringLiteral("笔画来自笔顺数据 hanzi-writer-data（源自 Make Me a Hanzi），"
                       "依 Arphic Public License 发布"));
  } else {
    strokeData->setEnabled(false);
    strokeData->setToolTip(strokeDataMissing);
    if (strokeData->isChecked()) modes->button(DraftChoice::centreLine)->setChecked(true);
  }
  QButtonGroup* scopes =
      batch ? choices(QStringLiteral("字符"),
                      {QStringLiteral("所有没有点的字符"), QStringLiteral("所有字符"),
                       QStringLiteral("选中的字符（字符列表或字表中）")},
                      proposed.scope)
            : nullptr;
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  form->addWidget(buttons);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  DraftChoice choice = proposed;
  choice.mode = static_cast<DraftChoice::Mode>(modes->checkedId());
  if (scopes) choice.scope = static_cast<DraftChoice::Scope>(scopes->checkedId());
  return choice;
}

namespace {

class ProgressDialog : public Prompts::Progress {
 public:
  ProgressDialog(const QString& text, int total)
      : dialog_(text, QStringLiteral("取消"), 0, total, QApplication::activeWindow()), text_(text) {
    dialog_.setWindowTitle(title());
    dialog_.setWindowModality(Qt::WindowModal);
    dialog_.setMinimumDuration(0);
    dialog_.setAutoClose(false);
    dialog_.setAutoReset(false);
    dialog_.setValue(0);
  }
  bool update(int done) override {
    dialog_.setValue(done);
    dialog_.setLabelText(QStringLiteral("%1  %2 / %3").arg(text_).arg(done).arg(dialog_.maximum()));
    return !dialog_.wasCanceled();
  }

 private:
  QProgressDialog dialog_;
  QString text_;
};

}  // namespace

std::unique_ptr<Prompts::Progress> QtPrompts::showProgress(const QString& text, int total) {
  return std::make_unique<ProgressDialog>(text, total);
}

void QtPrompts::showAbout(const VersionInfo& versionInfo) {
  TFmAbout box(versionInfo, QApplication::activeWindow());
  box.exec();
}

void QtPrompts::openDocument(const QString& path, const QString& workingDirectory) {
  QProcess::startDetached(QStringLiteral("xdg-open"), {path}, workingDirectory);
}
