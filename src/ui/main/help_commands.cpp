#include <QAction>
#include <QCoreApplication>

#include "platform/version_info.h"
#include "ui/main/main_window.h"

void TFmMain::connectHelpCommands() {
  for (QAction* item : {NMReadme, BtnHelpAction})
    bind(item, &QAction::triggered, [this] { NMReadmeClick(); });
  bind(NMAbout, &QAction::triggered, [this] { NMAboutClick(); });
}

// The manual lies beside the program; the desktop's viewer opens it, in that directory.
// Whether it is there is the viewer's business.
void TFmMain::NMReadmeClick() {
  const QString directory = QCoreApplication::applicationDirPath() + QLatin1Char('/');
  prompts->openDocument(directory + QStringLiteral("用户手册.pdf"), directory);
}

void TFmMain::NMAboutClick() { prompts->showAbout(VersionInfo::ofProgram()); }
