#include <QAction>
#include <QLabel>
#include <QSettings>

#include "ui/document/font_document.h"
#include "ui/main/main_window.h"
#include "ui/overview/character_overview.h"
#include "ui/overview/review_list.h"
#include "ui/preview/text_preview.h"

namespace {

const QString kPreviewShownKey = QStringLiteral("preview/visible");
const QString kOverviewShownKey = QStringLiteral("overview/visible");

// The item shows and hides the view, and whether it is shown is the user's, kept in the
// user's configuration.
void showFromItem(QAction* item, QWidget* view, const QString& key, bool shownAtFirst) {
  const bool shown = QSettings().value(key, shownAtFirst).toBool();
  item->setChecked(shown);
  view->setVisible(shown);
  QObject::connect(item, &QAction::toggled, view, [view, key](bool on) {
    view->setVisible(on);
    QSettings().setValue(key, on);
  });
}

}  // namespace

// The text preview under the canvas and the overview dock: both pick the character clicked
// in them for editing, as a click in the character list does. Both start hidden: the window's
// first size has no room for the preview without shrinking the grid's cells.
void TFmMain::createViews() {
  overview = new CharacterOverview(*fontDocument, this);
  addDockWidget(Qt::RightDockWidgetArea, overview);
  showFromItem(actions.NMTextPreview, textPreview, kPreviewShownKey, false);
  showFromItem(actions.NMOverview, overview, kOverviewShownKey, false);
  // Closing the dock with its own button unmarks the item; a dock merely out of sight (the
  // window minimised) is not hidden itself.
  connect(overview, &QDockWidget::visibilityChanged, this, [this](bool visible) {
    if (!visible && overview->isHidden()) actions.NMOverview->setChecked(false);
  });
  const auto pick = [this](const std::string& listText) { fontDocument->pickText(listText); };
  bind(textPreview, &TextPreview::characterClicked, pick);
  bind(overview, &CharacterOverview::characterClicked, pick);
  overview->setMenu({actions.NMTransform, actions.NMCentre, actions.NMFitCell, actions.NMSetWidth,
                     nullptr, actions.NMDeleteCharacters, actions.NMRedraft, nullptr, actions.NMReviewed});
  ReviewList& review = overview->reviewList();
  bind(actions.NMReviewed, &QAction::triggered,
       [this, &review] { review.markSeen(fontDocument->selection()); });
  connect(&review, &ReviewList::note, RzStatusPane2, &QLabel::setText);
}
