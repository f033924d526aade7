#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "editing/batch_transform.h"

class VersionInfo;

// Every modal interaction of the window goes through this seam: production shows Qt
// dialogs (QtPrompts), tests answer from a script. Message boxes carry the application
// title as caption.
class Prompts {
 public:
  // The button set and icon of a message box.
  enum class Question {
    OkCancelWarning,        // confirm overwriting
    OkCancelWarningCancel,  // confirm deleting: Cancel is the default button
    YesNoCancelWarning,     // save changes; Cancel (and Esc) goes back
    OkError,                // a refused command
  };
  enum class Answer { Ok, Cancel, Yes, No };

  // A file dialog. The filter is written as "description|pattern|description|pattern…",
  // patterns of one entry separated by ';'; the default extension (e.g. "*.SHP") is added
  // to a typed name that has none.
  struct FileDialog {
    QString title;
    QString filter;
    QString defaultExtension;
    QString proposedPath;  // the file the dialog starts on; none when empty
  };

  virtual ~Prompts() = default;

  virtual Answer ask(const QString& text, Question question) = 0;
  // The application's error display: the error's text with the error icon and OK.
  virtual void showError(const QString& text) = 0;
  // The chosen path, or nothing when cancelled.
  virtual std::optional<QString> openFile(const FileDialog& dialog) = 0;
  virtual std::optional<QString> saveFile(const FileDialog& dialog) = 0;
  // A report with the information icon and OK: a summary, and the full list in a part the
  // user can unfold (none when details is empty).
  virtual void showReport(const QString& summary, const QString& details) = 0;
  // The one-line input box; nothing when cancelled.
  virtual std::optional<QString> inputText(const QString& caption, const QString& prompt,
                                           const QString& initial) = 0;
  // The add-characters dialog: the characters chosen as GBK bytes, the byte 0x80 standing
  // for the GB2312 hanzi set; nothing when cancelled.
  virtual std::optional<std::string> askCharacters() = 0;
  // The kind and grid of a font made from another format; nothing when cancelled.
  struct FontSetupChoice {
    uint8_t kind;       // GShpFile::kindAscii, kindUnifont or kindBigfont
    uint8_t gridIndex;  // 0 to 9: a grid of 12 to 120 units a side
  };
  virtual std::optional<FontSetupChoice> askFontSetup(const FontSetupChoice& proposed) = 0;
  // How strokes are drafted from the reference face, and for the batch command which
  // characters; nothing when cancelled.
  struct DraftChoice {
    enum Mode : uint8_t { centreLine, outline, strokeData };
    enum Scope : uint8_t { withoutPoints, everyCharacter, listSelection };
    Mode mode = centreLine;
    Scope scope = withoutPoints;
  };
  // `strokeDataMissing` says why strokes cannot come from the stroke-order data and how to
  // install it; empty when they can.
  virtual std::optional<DraftChoice> askDraft(const DraftChoice& proposed, bool batch,
                                              const QString& strokeDataMissing) = 0;
  // The 变换 dialog: a move, a scale about a chosen origin and a slant for the selected
  // characters; nothing when cancelled. `preview` is called with what the dialog shows when it
  // opens and whenever the user changes it, so the result can be shown while it is chosen.
  using TransformPreview = std::function<void(const Transform&)>;
  virtual std::optional<Transform> askTransform(const Transform& proposed,
                                                const TransformPreview& preview) = 0;
  // A modal display of long work: `done` of the total so far; update says whether the user
  // wants it to go on (false: cancelled). The display closes when it is destroyed.
  class Progress {
   public:
    virtual ~Progress() = default;
    virtual bool update(int done) = 0;
  };
  virtual std::unique_ptr<Progress> showProgress(const QString& text, int total) = 0;
  // The about box with the program's version information.
  virtual void showAbout(const VersionInfo& versionInfo) = 0;
  // Hands a document to the desktop's default viewer; the outcome is not reported.
  virtual void openDocument(const QString& path, const QString& workingDirectory) = 0;
};
