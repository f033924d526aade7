#include "ui/reference/truetype_faces.h"

#include <fontconfig/fontconfig.h>

#include <QFontDatabase>
#include <QPainterPath>
#include <QRawFont>
#include <memory>
#include <set>

#include "ui/platform/gbk.h"

namespace {

struct PatternDeleter {
  void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
struct ObjectSetDeleter {
  void operator()(FcObjectSet* o) const { FcObjectSetDestroy(o); }
};
struct FontSetDeleter {
  void operator()(FcFontSet* f) const { FcFontSetDestroy(f); }
};

// A symbol face maps its glyphs to the private range 0xF020..0xF0FF and has no letters.
bool isSymbolSet(FcCharSet* charset) {
  return !FcCharSetHasChar(charset, 'A') && FcCharSetHasChar(charset, 0xF041);
}

// The TeX math faces put big brackets, arrows and relations at the ASCII codes of an ordinary
// character map, so only the writing systems Qt reads from the face's tables tell them.
bool isSymbolFamily(const QString& family) {
  return QFontDatabase::writingSystems(family).contains(QFontDatabase::Symbol);
}

// Some TeX faces (esint10) claim the letters in their character map and draw nothing for them.
bool drawsLetterA(const QString& family) {
  const QRawFont face = QRawFont::fromFont(QFont(family));
  const QList<quint32> glyphs = face.glyphIndexesForString(QStringLiteral("A"));
  return !glyphs.isEmpty() && glyphs.constFirst() != 0 &&
         !face.pathForGlyph(glyphs.constFirst()).isEmpty();
}

bool gbkCanHold(const QString& name) {
  try {
    toGbk(name);
    return true;
  } catch (const GbkError&) {
    return false;
  }
}

}  // namespace

QStringList trueTypeFaces() {
  std::unique_ptr<FcPattern, PatternDeleter> pattern(FcPatternCreate());
  FcPatternAddString(pattern.get(), FC_FONTFORMAT, reinterpret_cast<const FcChar8*>("TrueType"));
  std::unique_ptr<FcObjectSet, ObjectSetDeleter> objects(
      FcObjectSetBuild(FC_FAMILY, FC_CHARSET, nullptr));
  std::unique_ptr<FcFontSet, FontSetDeleter> fonts(
      FcFontList(nullptr, pattern.get(), objects.get()));
  std::set<QString> families;
  for (int i = 0; fonts && i < fonts->nfont; ++i) {
    FcPattern* font = fonts->fonts[i];
    FcCharSet* charset = nullptr;
    if (FcPatternGetCharSet(font, FC_CHARSET, 0, &charset) == FcResultMatch &&
        isSymbolSet(charset)) {
      continue;
    }
    FcChar8* family = nullptr;
    if (FcPatternGetString(font, FC_FAMILY, 0, &family) != FcResultMatch) continue;
    const QString name = QString::fromUtf8(reinterpret_cast<const char*>(family));
    if (gbkCanHold(name) && !families.contains(name) && !isSymbolFamily(name) &&
        drawsLetterA(name)) {
      families.insert(name);
    }
  }
  QStringList sorted(families.begin(), families.end());
  sorted.sort(Qt::CaseInsensitive);
  return sorted;
}
