#include "ui/characters/list_caption.h"

#include "ui/platform/gbk.h"

QString listCaption(const std::string& listBytes, uint16_t code) {
  if (isDisplayableGbkCharacter(listBytes)) return fromGbk(listBytes);
  return QStringLiteral("0x") + QString::number(code, 16).toUpper().rightJustified(4, u'0');
}
