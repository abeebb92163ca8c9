#include "ui/rich_text_box.h"

#include "services/file_io.h"

#include <QAbstractTextDocumentLayout>
#include <QtMath>
#include <QPainter>
#include <QPrinter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <array>
#include <memory>

namespace ui {
namespace {
constexpr std::array<QRgb, 16> kPalette = {
    qRgb(0, 0, 0),       qRgb(0, 0, 128),   qRgb(0, 128, 0),   qRgb(0, 128, 128),
    qRgb(128, 0, 0),     qRgb(128, 0, 128), qRgb(128, 128, 0), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(0, 0, 255),   qRgb(0, 255, 0),   qRgb(0, 255, 255),
    qRgb(255, 0, 0),     qRgb(255, 0, 255), qRgb(255, 255, 0), qRgb(255, 255, 255)};

QString normaliseBreaks(QString text) {
  text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return text;
}

// A paragraph with a word longer than this keeps to one line (the box scrolls sideways): Qt
// wraps an overlong word by measuring all the rest of it again for every line it fills, which
// takes seconds for the longest names a box takes.
constexpr int kLongestWrappedWord = 4000;

bool hasOverlongWord(const QString& text) {
  int run = 0;
  for (QChar c : text) {
    run = c.isSpace() ? 0 : run + 1;
    if (run > kLongestWrappedWord) return true;
  }
  return false;
}

// Inserts text at the cursor. Where a paragraph gets or loses an overlong word, the insertion and
// the paragraph's wrapping are one edit, so that the document is laid out once, after both.
void insertText(QTextCursor& c, const QString& text, const QTextCharFormat& format) {
  if (!hasOverlongWord(text) && !c.blockFormat().nonBreakableLines()) {
    c.insertText(text, format);
    return;
  }
  c.beginEditBlock();
  const int from = c.selectionStart();
  c.insertText(text, format);
  const QTextBlock last = c.block();
  for (QTextBlock block = c.document()->findBlock(from); block.isValid(); block = block.next()) {
    const bool oneLine = hasOverlongWord(block.text());
    if (block.blockFormat().nonBreakableLines() != oneLine) {
      QTextBlockFormat wrapping;
      wrapping.setNonBreakableLines(oneLine);
      QTextCursor(block).mergeBlockFormat(wrapping);
    }
    if (block == last) break;
  }
  c.endEditBlock();
}
}  // namespace

QColor PaletteColor(int index) {
  if (index < 0 || index >= 16) return QColor(kPalette[0]);
  return QColor(kPalette[index]);
}

int PaletteIndex(const QColor& color) {
  for (int i = 0; i < 16; ++i)
    if (kPalette[i] == color.rgb()) return i;
  return -1;
}

RichTextBox::RichTextBox(QWidget* parent) : QTextEdit(parent) {
  setAcceptRichText(false);
  setUndoRedoEnabled(false);
  setTabChangesFocus(true);  // Tab moves on, also from an editable box
  pending_ = currentCharFormat();
}

QString RichTextBox::Text() const { return toPlainText(); }

void RichTextBox::SetText(const QString& text) {
  clear();
  pending_ = QTextCharFormat();
  QTextCursor c(document());
  QTextCharFormat format = c.charFormat();
  format.clearProperty(QTextFormat::ObjectType);
  insertText(c, normaliseBreaks(text), format);
  c.movePosition(QTextCursor::Start);
  setTextCursor(c);
}

int RichTextBox::SelStart() const { return textCursor().selectionStart(); }

void RichTextBox::SetSelStart(int position) {
  QTextCursor c = textCursor();
  QTextCursor end(document());
  end.movePosition(QTextCursor::End);
  c.setPosition(qBound(0, position, end.position()));
  setTextCursor(c);
  pending_ = c.charFormat();
}

int RichTextBox::SelLength() const {
  const QTextCursor c = textCursor();
  return c.selectionEnd() - c.selectionStart();
}

void RichTextBox::SetSelLength(int length) {
  QTextCursor c = textCursor();
  const int start = c.selectionStart();
  QTextCursor end(document());
  end.movePosition(QTextCursor::End);
  c.setPosition(start);
  c.setPosition(qBound(start, start + qMax(0, length), end.position()), QTextCursor::KeepAnchor);
  setTextCursor(c);
}

QString RichTextBox::SelText() const { return textCursor().selection().toPlainText(); }

void RichTextBox::SetSelText(const QString& text) {
  QTextCursor c = textCursor();
  insertText(c, normaliseBreaks(text), pending_);
  setTextCursor(c);
}

void RichTextBox::applyToSelection(const QTextCharFormat& change) {
  pending_.merge(change);
  QTextCursor c = textCursor();
  if (c.hasSelection()) c.mergeCharFormat(change);
}

void RichTextBox::SetSelBold(bool bold) {
  QTextCharFormat f;
  f.setFontWeight(bold ? QFont::Bold : QFont::Normal);
  applyToSelection(f);
}

void RichTextBox::SetSelColor(int paletteIndex) {
  QTextCharFormat f;
  f.setForeground(PaletteColor(paletteIndex));
  applyToSelection(f);
}

void RichTextBox::SetSelFontSize(int points) {
  QTextCharFormat f;
  f.setFontPointSize(points);
  applyToSelection(f);
}

void RichTextBox::AppendText(const QString& text, bool bold, int paletteIndex) {
  SetSelStart(document()->characterCount());
  SetSelBold(bold);
  SetSelColor(paletteIndex);
  SetSelText(text);
}

QByteArray RichTextBox::ToRtf() const { return DocumentToRtf(*document()); }

bool RichTextBox::SaveFile(const QString& path, QString* error) { return WriteWholeFile(path, ToRtf(), error); }

void RichTextBox::SelPrint(QPrinter* printer) {
  if (!printer) return;
  // Print queues and PDF printers name the job after the window that prints it.
  if (printer->docName().isEmpty()) printer->setDocName(window()->windowTitle());
  const QTextCursor c = textCursor();
  if (!c.hasSelection()) {
    PrintDocument(*document(), printer);
    return;
  }
  QTextDocument part;
  part.setDefaultFont(document()->defaultFont());
  QTextCursor(&part).insertFragment(c.selection());
  PrintDocument(part, printer);
}

void PrintDocument(const QTextDocument& document, QPrinter* printer) {
  QPainter painter;
  if (!printer || !painter.begin(printer)) return;
  // The content 2 cm from the paper's edges (the printer's own margin part of it), never outside
  // what the printer can print. The painter's origin is the printable area's top left corner.
  const QRectF paper = printer->paperRect(QPrinter::DevicePixel);
  const QRectF printable = printer->pageRect(QPrinter::DevicePixel);
  const qreal marginX = printer->logicalDpiX() * 2 / 2.54;
  const qreal marginY = printer->logicalDpiY() * 2 / 2.54;
  QRectF body = paper.adjusted(marginX, marginY, -marginX, -marginY).intersected(printable);
  if (body.isEmpty()) body = printable;
  body.translate(-printable.topLeft());

  // A copy laid out at the printer's resolution on pages of the body's size: a line that would
  // cross a page's foot starts the next page.
  const std::unique_ptr<QTextDocument> pages(document.clone());
  pages->setDocumentMargin(0);
  pages->documentLayout()->setPaintDevice(printer);
  pages->setPageSize(body.size());
  const qreal height = body.height();
  const int count = pages->pageCount();
  // Each line is drawn on the page its top lies on, and only there. (The layout's own drawing of
  // a page draws again, out of sight, the line before a paragraph's page break: a PDF reader
  // would find it twice.) The box's content is paragraphs in the document's root frame.
  for (int page = 0; page < count; ++page) {
    if (page > 0 && !printer->newPage()) return;
    painter.save();
    painter.translate(body.left(), body.top() - page * height);
    painter.setClipRect(QRectF(0, page * height, body.width(), height));
    painter.setPen(Qt::black);
    for (QTextBlock block = pages->begin(); block.isValid(); block = block.next()) {
      const QTextLayout* lines = block.layout();
      if (!block.isVisible() || !lines) continue;
      const QPointF at = lines->position();
      for (int i = 0; i < lines->lineCount(); ++i) {
        const QTextLine line = lines->lineAt(i);
        // A device pixel's leeway: a page's first line starts at its head.
        if (qFloor((at.y() + line.y() + 1) / height) == page) line.draw(&painter, at);
      }
    }
    painter.restore();
  }
}
}  // namespace ui
