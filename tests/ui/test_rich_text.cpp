#include <gtest/gtest.h>

#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QTextBlock>

#include "common/test_support.h"
#include "ui/rich_text_box.h"

namespace {
QString runUnrtf(const QString& mode, const QString& path) {
  QProcess p;
  p.start(QStringLiteral("unrtf"), {mode, path});
  p.waitForFinished(30000);
  return QString::fromUtf8(p.readAllStandardOutput());
}

void fill(ui::RichTextBox& box) {
  box.SetSelStart(0);
  box.SetSelBold(true);
  box.SetSelColor(12);
  box.SetSelText(QStringLiteral("Heading {1}\r\n"));
  box.SetSelBold(false);
  box.SetSelColor(1);
  box.SetSelText(QStringLiteral("Caf\u00e9 \u03a9 back\\slash\r\n"));
  box.SetSelFontSize(16);
  box.SetSelText(QStringLiteral("Large"));
}
}  // namespace

TEST(RichTextBox, SelectionFormattingAppliesToTheTextInsertedNext) {
  ui::RichTextBox box;
  fill(box);
  EXPECT_EQ(box.Text(), QStringLiteral("Heading {1}\nCaf\u00e9 \u03a9 back\\slash\nLarge"));
  EXPECT_EQ(box.SelLength(), 0);
  EXPECT_EQ(box.SelStart(), box.Text().size());
  const QTextBlock first = box.document()->begin();
  const QTextCharFormat heading = first.begin().fragment().charFormat();
  EXPECT_EQ(heading.fontWeight(), QFont::Bold);
  EXPECT_EQ(heading.foreground().color(), ui::PaletteColor(12));
  const QTextCharFormat body = first.next().begin().fragment().charFormat();
  EXPECT_NE(body.fontWeight(), QFont::Bold);
  EXPECT_EQ(body.foreground().color(), QColor(0, 0, 128));
  // Selecting and reading back.
  box.SetSelStart(0);
  box.SetSelLength(7);
  EXPECT_EQ(box.SelText(), QStringLiteral("Heading"));
}

TEST(RichTextBox, AParagraphWithAnOverlongWordKeepsToOneLineAndItsText) {
  const QString name = QString(32767, QLatin1Char('M'));
  const QString header = "Name: " + name + " " + name + "\r\nDate of Birth: May 1, 1990\r\n";
  const QString reading = "The rest of the reading wraps as usual.\r\n";
  ui::RichTextBox appended;
  appended.AppendText(header, false, 0);
  appended.AppendText(reading, true, 1);
  // Text inserted into that paragraph later, with a break, leaves the new paragraph wrapping.
  appended.SetSelStart(6);
  appended.SetSelText("A\r\n");
  ui::RichTextBox set;
  set.SetText(header + reading);
  for (ui::RichTextBox* box : {&appended, &set}) {
    QStringList paragraphs;
    QList<bool> oneLine;
    for (QTextBlock b = box->document()->begin(); b.isValid(); b = b.next()) {
      paragraphs << b.text().left(12);
      oneLine << b.blockFormat().nonBreakableLines();
    }
    if (box == &appended) {
      EXPECT_EQ(box->Text(), "Name: A\n" + name + " " + name + "\nDate of Birth: May 1, 1990\nThe rest of the reading wraps as usual.\n");
      EXPECT_EQ(paragraphs, QStringList({"Name: A", name.left(12), "Date of Birt", "The rest of ", ""}));
      EXPECT_EQ(oneLine, QList<bool>({false, true, false, false, false}));
    } else {
      EXPECT_EQ(box->Text(), QString(header + reading).replace("\r\n", "\n"));
      EXPECT_EQ(oneLine, QList<bool>({true, false, false, false}));
    }
  }
  // The saved report holds the whole name.
  EXPECT_TRUE(QString::fromLatin1(set.ToRtf()).contains(name + " " + name));
}

TEST(RichTextBox, PaletteHasSixteenColours) {
  EXPECT_EQ(ui::PaletteColor(3), QColor(0, 128, 128));
  EXPECT_EQ(ui::PaletteColor(4), QColor(128, 0, 0));
  EXPECT_EQ(ui::PaletteColor(10), QColor(0, 255, 0));
  EXPECT_EQ(ui::PaletteColor(15), QColor(255, 255, 255));
  EXPECT_EQ(ui::PaletteIndex(QColor(192, 192, 192)), 7);
}

TEST(RichTextBox, SavesRichTextFormatThatUnrtfReadsBack) {
  ui::RichTextBox box;
  fill(box);
  const QString path = qztest::TempPath(QStringLiteral("report.rtf"));
  ASSERT_TRUE(box.SaveFile(path));
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QByteArray rtf = f.readAll();
  EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252"));
  EXPECT_TRUE(rtf.contains("\\red255\\green0\\blue0;"));
  EXPECT_TRUE(rtf.contains("Heading \\{1\\}"));
  EXPECT_TRUE(rtf.contains("Caf\\'e9"));
  EXPECT_TRUE(rtf.contains("\\u937?"));
  EXPECT_TRUE(rtf.contains("\\fs32"));

  const QString text = runUnrtf(QStringLiteral("--text"), path);
  EXPECT_TRUE(text.contains(QStringLiteral("Heading {1}"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("back\\slash"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("Large")));
  const QString html = runUnrtf(QStringLiteral("--html"), path);
  EXPECT_TRUE(html.contains(QStringLiteral("<b>"))) << html.toStdString();
  EXPECT_TRUE(html.contains(QStringLiteral("#ff0000"), Qt::CaseInsensitive)) << html.toStdString();
}

TEST(RichTextBox, SaveIntoAMissingFolderFailsAndWritesNothing) {
  ui::RichTextBox box;
  fill(box);
  EXPECT_FALSE(box.SaveFile(QStringLiteral("/nonexistent-folder/report.rtf")));
  EXPECT_FALSE(box.SaveFile(QStringLiteral("/dev/full")));
}

TEST(RichTextBox, PrintsAllOrTheSelectionToPdf) {
  ui::RichTextBox box;
  fill(box);
  QPrinter printer;
  printer.setOutputFormat(QPrinter::PdfFormat);
  const QString all = qztest::TempPath(QStringLiteral("all.pdf"));
  printer.setOutputFileName(all);
  box.SetSelStart(0);
  box.SelPrint(&printer);
  const QString allText = qztest::PdfText(all);
  EXPECT_TRUE(allText.contains(QStringLiteral("Heading {1}")));
  EXPECT_TRUE(allText.contains(QStringLiteral("Large")));

  const QString part = qztest::TempPath(QStringLiteral("part.pdf"));
  printer.setOutputFileName(part);
  box.SetSelStart(0);
  box.SetSelLength(7);
  box.SelPrint(&printer);
  const QString partText = qztest::PdfText(part);
  EXPECT_TRUE(partText.contains(QStringLiteral("Heading")));
  EXPECT_FALSE(partText.contains(QStringLiteral("Large")));
}

// Content over several pages: every line once, whole, in order, and no page number at a foot.
TEST(RichTextBox, PrintsContentOverSeveralPagesAndNothingElse) {
  ui::RichTextBox box;
  QString text;
  for (int line = 1; line <= 150; ++line) text += QStringLiteral("Line %1 of the printout\r\n").arg(line);
  box.SetSelStart(0);
  box.SetSelFontSize(16);
  box.SetSelText(text);
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  for (const char* name : {"pages.pdf", "pages-selection.pdf"}) {
    SCOPED_TRACE(name);
    const QString pdf = qztest::TempPath(QString::fromLatin1(name));
    printer.setOutputFileName(pdf);
    box.SelPrint(&printer);
    EXPECT_EQ(qztest::PrintoutFaults(pdf, box.SelLength() ? box.SelText() : box.Text()).toStdString(), "");
    const QStringList pages = qztest::PdfPages(pdf);
    EXPECT_GE(pages.size(), 3);
    const int last = box.SelLength() == 0 ? 150 : 120;
    for (int line = 1; line <= last; ++line)
      EXPECT_EQ(pages.join(QString()).count(QStringLiteral("Line %1 of").arg(line)), 1) << line;
    // The second round prints a selection of 120 lines.
    box.SetSelStart(0);
    box.SetSelLength(static_cast<int>(box.Text().indexOf(QStringLiteral("Line 121 "))));
  }
}
