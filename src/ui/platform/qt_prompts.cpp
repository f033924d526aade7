#include "ui/platform/qt_prompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QProcess>

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
    case Question::YesNoWarning:
      box.setIcon(QMessageBox::Warning);
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
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

void QtPrompts::showAbout(const VersionInfo& versionInfo) {
  TFmAbout box(versionInfo, QApplication::activeWindow());
  box.exec();
}

void QtPrompts::openDocument(const QString& path, const QString& workingDirectory) {
  QProcess::startDetached(QStringLiteral("xdg-open"), {path}, workingDirectory);
}
