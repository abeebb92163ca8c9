#include "ui/rich_text_box.h"

#include "services/file_io.h"

#include <QPrinter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <array>

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
    document()->print(printer);
    return;
  }
  QTextDocument part;
  part.setDefaultFont(document()->defaultFont());
  QTextCursor(&part).insertFragment(c.selection());
  part.print(printer);
}
}  // namespace ui
