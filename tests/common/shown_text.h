#pragma once
// What a label or tool tip shows of a text, as the user reads it.
#include <QApplication>
#include <QString>
#include <QTextDocument>
#include <QWidget>

namespace qztest {
// The text a label or tool tip of this format shows: Qt takes an AutoText for rich text when
// Qt::mightBeRichText says so.
inline QString ShownText(const QString& text, Qt::TextFormat format) {
  const bool rich = format == Qt::RichText || (format == Qt::AutoText && Qt::mightBeRichText(text));
  if (!rich) return text;
  QTextDocument document;
  document.setHtml(text);
  return document.toPlainText();
}

// The tool tip on the screen, or null.
inline QWidget* ShownToolTip() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->inherits("QTipLabel") && w->isVisible()) return w;
  return nullptr;
}
}  // namespace qztest
