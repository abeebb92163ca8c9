#pragma once
// A window holding a rich text box with a text, as the display and report windows do, for the
// tests of the link hook.
#include <QPoint>
#include <QString>
#include <QTextCursor>
#include <QTextDocument>
#include <QWidget>

#include "ui/rich_text_box.h"

namespace linktest {
struct LinkWindow {
  QWidget form;
  ui::RichTextBox* box;
  explicit LinkWindow(const QString& text) : box(new ui::RichTextBox(&form)) {
    form.resize(700, 300);
    box->setGeometry(0, 0, 700, 300);
    box->SetText(text);
    form.show();
  }
  // The viewport point over the character at position.
  QPoint pointAt(int position) const {
    QTextCursor c(box->document());
    c.setPosition(position);
    return box->cursorRect(c).center() + QPoint(2, 0);
  }
  int find(const QString& s) const { return static_cast<int>(box->Text().indexOf(s)); }
};
}  // namespace linktest
