#include "ui/characters/list_caption.h"

#include "ui/platform/gbk.h"

QString listCaption(const std::string& listBytes, uint16_t code) {
  if (std::optional<QString> character = displayableGbkCharacter(listBytes)) return *character;
  return QStringLiteral("0x") + QString::number(code, 16).toUpper().rightJustified(4, u'0');
}
