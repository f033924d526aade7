// Lays the user manual (Markdown) out on A4 pages and writes it as a PDF:
//   kelvane_make_manual manual.md 用户手册.pdf
// Pictures are named relative to the manual's folder.
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPdfWriter>
#include <QTextDocument>
#include <QUrl>
#include <cstdio>

int main(int argc, char* argv[]) {
  QGuiApplication application(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: kelvane_make_manual manual.md manual.pdf\n");
    return 2;
  }
  QFile source(QString::fromLocal8Bit(argv[1]));
  if (!source.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "kelvane_make_manual: cannot read %s\n", argv[1]);
    return 1;
  }
  QTextDocument manual;
  manual.setDefaultFont(QFont(QStringLiteral("WenQuanYi Micro Hei"), 10));
  manual.setBaseUrl(QUrl::fromLocalFile(QFileInfo(source).absolutePath() + QLatin1Char('/')));
  manual.setMarkdown(QString::fromUtf8(source.readAll()));

  QPdfWriter pdf(QString::fromLocal8Bit(argv[2]));
  pdf.setTitle(QStringLiteral("Kelvane 用户手册"));
  pdf.setCreator(QStringLiteral("Kelvane"));
  pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                QMarginsF(18, 18, 18, 18), QPageLayout::Millimeter));
  manual.print(&pdf);
  return 0;
}
