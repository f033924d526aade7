#include "ui/main/compiled_font_report.h"

#include <QStringList>

#include "ui/platform/gbk.h"

namespace {

constexpr int questionLines = 20;

// "B0A1 (啊)", "41 (A)", or the code alone for a character that cannot be shown.
QString characterLabel(uint16_t code) {
  std::string bytes;
  if (code >= 256) bytes += static_cast<char>(code >> 8);
  bytes += static_cast<char>(code & 0xFF);
  const QString hex = QString::number(code, 16).toUpper();
  const std::optional<QString> shown = displayableGbkCharacter(bytes);
  return shown ? QStringLiteral("%1 (%2)").arg(hex, *shown) : hex;
}

// "U+AC00 (가)": a unifont's character, named by its Unicode number.
QString unicodeLabel(char32_t unicode) {
  const QString hex =
      QStringLiteral("U+") + QString::number(unicode, 16).toUpper().rightJustified(4, u'0');
  return QChar::isPrint(unicode)
             ? QStringLiteral("%1 (%2)").arg(hex, QString::fromUcs4(&unicode, 1))
             : hex;
}

QString reasonText(LeftOutShape::Reason reason) {
  switch (reason) {
    case LeftOutShape::tooLong:
      return QStringLiteral("编译后超过2000字节");
    case LeftOutShape::duplicateCode:
      return QStringLiteral("代码重复，只导出第一个");
    case LeftOutShape::headerCode:
      return QStringLiteral("代码0是字体头的代码");
    case LeftOutShape::tooMany:
      return QStringLiteral("SHX文件最多容纳65535个记录");
    case LeftOutShape::noUnicode:
      return QStringLiteral("不是GBK字符，UNIFONT中没有它的Unicode编号");
    default:
      return QStringLiteral("一步移动超过127个单位");
  }
}

QStringList changesOf(const ShapeReport& report) {
  QStringList changes;
  if (report.arcs) changes << QStringLiteral("%1 段圆弧化为线段").arg(report.arcs);
  if (report.roundedPoints)
    changes << QStringLiteral("%1 个点取整到网格").arg(report.roundedPoints);
  if (report.subshapes) changes << QStringLiteral("展开 %1 个子形").arg(report.subshapes);
  if (report.verticalSkipped) {
    changes << QStringLiteral("略去 %1 个竖排专用代码").arg(report.verticalSkipped);
  }
  if (report.endMoved) changes << QStringLiteral("终点移到基线");
  const std::pair<ShapeReport::Fault, const char16_t*> faults[] = {
      {ShapeReport::missingSubshape, u"子形不存在"},
      {ShapeReport::nestedTooDeep, u"子形嵌套过深"},
      {ShapeReport::stackOverflow, u"位置栈溢出"},
      {ShapeReport::stackUnderflow, u"位置栈为空时出栈"},
      {ShapeReport::noEndCode, u"缺少结束代码0"},
      {ShapeReport::tooLong, u"形过长，已截断"},
      {ShapeReport::badScale, u"比例因子无效"},
  };
  for (const auto& [fault, text] : faults) {
    if (report.faults & fault) changes << QString::fromUtf16(text);
  }
  return changes;
}

}  // namespace

QString leftOutQuestion(const std::vector<LeftOutShape>& leftOut) {
  QStringList lines;
  for (size_t i = 0; i < leftOut.size() && i < questionLines; ++i) {
    lines << QStringLiteral("%1：%2").arg(characterLabel(leftOut[i].code),
                                          reasonText(leftOut[i].reason));
  }
  if (leftOut.size() > questionLines) {
    lines << QStringLiteral("……共 %1 个字符").arg(leftOut.size());
  }
  return QStringLiteral("下列字符无法编入SHX文件：\n%1\n是否导出其余的字符？")
      .arg(lines.join('\n'));
}

ImportReport importReport(const ImportedFont& imported) {
  QStringList details;
  for (const ShapeReport& report : imported.approximated) {
    details << QStringLiteral("%1：%2").arg(characterLabel(report.code),
                                            changesOf(report).join(QStringLiteral("，")));
  }
  for (const SourceProblem& problem : imported.leftOut) {
    const QString label =
        imported.numberedByUnicode ? unicodeLabel(problem.code) : characterLabel(problem.code);
    const QString what = QString::fromStdString(problem.what);
    // The readers of other formats say in their text where a problem lies; a compiled font's
    // shapes are named by their numbers.
    if (problem.line == 0 && problem.code == 0) {
      details << QStringLiteral("未能读入：%1").arg(what);
    } else if (problem.line == 0) {
      details << QStringLiteral("%1：未能读入（%2）").arg(label, what);
    } else {
      details << QStringLiteral("第 %1 行 %2：未能读入（%3）").arg(problem.line).arg(label, what);
    }
  }
  for (char32_t unicode : imported.notInGbk) {
    details << QStringLiteral("%1：GBK中没有这个字符").arg(unicodeLabel(unicode));
  }
  QString summary = QStringLiteral("已导入 %1 个字符。").arg(imported.file->shapeCount());
  if (!imported.approximated.empty()) {
    summary +=
        QStringLiteral("其中 %1 个字符的形与原文件不完全相同。").arg(imported.approximated.size());
  }
  if (!imported.leftOut.empty()) {
    summary += QStringLiteral("%1 个字符未能读入。").arg(leftOutShapeCount(imported));
  }
  if (!imported.notInGbk.empty()) {
    summary += QStringLiteral("%1 个字符GBK中没有，已略去。").arg(imported.notInGbk.size());
  }
  return {summary, details.join('\n')};
}
