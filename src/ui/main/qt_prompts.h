#pragma once

#include <QStringList>

#include "ui/platform/prompts.h"

// The Qt dialogs behind Prompts. Dialogs are parented to the active window.
class QtPrompts : public Prompts {
 public:
  Answer ask(const QString& text, Question question) override;
  void showError(const QString& text) override;
  void showReport(const QString& summary, const QString& details) override;
  std::optional<QString> openFile(const FileDialog& dialog) override;
  std::optional<QString> saveFile(const FileDialog& dialog) override;
  std::optional<QString> inputText(const QString& caption, const QString& prompt,
                                   const QString& initial) override;
  std::optional<std::string> askCharacters() override;
  std::optional<FontSetupChoice> askFontSetup(const FontSetupChoice& proposed) override;
  std::optional<DraftChoice> askDraft(const DraftChoice& proposed, bool batch,
                                      const QString& strokeDataMissing) override;
  std::optional<Transform> askTransform(const Transform& proposed,
                                         const TransformPreview& preview) override;
  std::unique_ptr<Progress> showProgress(const QString& text, int total) override;
  void showAbout(const VersionInfo& versionInfo) override;
  void openDocument(const QString& path, const QString& workingDirectory) override;
};

// "desc|*.a;*.b|desc2|*.c" as Qt name filters ("desc (*.a *.A *.b *.B)", …). Each pattern
// is offered in upper and lower case, since Linux file names are case-sensitive.
QStringList qtNameFilters(const QString& filter);

// A typed name without extension gets the default one ("*.SHP" gives ".SHP"). Where that
// file does not exist but the same name with the extension in lower case does, the existing
// file is taken: Linux names are case-sensitive, users type "hz" for "hz.shp".
QString completeTypedName(const QString& path, const QString& defaultExtension);
