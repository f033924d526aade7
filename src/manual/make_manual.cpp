// Lays the user manual (Markdown) out on A4 pages and writes it as a PDF:
//   kelvane_make_manual manual.md 用户手册.pdf
// Pictures are named relative to the manual's folder; one wider than the page is shrunk to
// the page's width.
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>
#include <cstdio>

namespace {

// Every picture of the manual read from its folder into the document, at most `width` wide.
bool placePictures(QTextDocument& manual, const QString& folder, double width) {
  for (QTextBlock block = manual.begin(); block.isValid(); block = block.next()) {
    for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
      QTextImageFormat picture = fragment.fragment().charFormat().toImageFormat();
      if (!picture.isValid()) continue;
      const QImage image(folder + QLatin1Char('/') + picture.name());
      if (image.isNull()) {
        std::fprintf(stderr, "kelvane_make_manual: cannot read the picture %s\n",
                     qPrintable(picture.name()));
        return false;
      }
      manual.addResource(QTextDocument::ImageResource, QUrl(picture.name()), image);
      picture.setWidth(std::min<double>(width, image.width()));
      picture.setHeight(picture.width() * image.height() / image.width());
      QTextCursor cursor(&manual);
      cursor.setPosition(fragment.fragment().position());
      cursor.setPosition(fragment.fragment().position() + fragment.fragment().length(),
                         QTextCursor::KeepAnchor);
      cursor.setCharFormat(picture);
    }
  }
  return true;
}

}  // namespace

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
  manual.setMarkdown(QString::fromUtf8(source.readAll()));

  QPdfWriter pdf(QString::fromLocal8Bit(argv[2]));
  pdf.setTitle(QStringLiteral("Kelvane 用户手册"));
  pdf.setCreator(QStringLiteral("Kelvane"));
  pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                QMarginsF(18, 18, 18, 18), QPageLayout::Millimeter));
  // The text is laid out in points on the page's printable width.
  const double textWidth = pdf.pageLayout().paintRect(QPageLayout::Point).width();
  if (!placePictures(manual, QFileInfo(source).absolutePath(), textWidth)) return 1;
  manual.print(&pdf);
  return 0;
}
