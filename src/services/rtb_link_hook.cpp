#include "services/rtb_link_hook.h"

#include <QAbstractTextDocumentLayout>
#include <QEvent>
#include <QHash>
#include <QMouseEvent>
#include <QPointer>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>

#include "services/platform.h"
#include "ui/rich_text_box.h"

namespace {
constexpr int kLinkBuffer = 1024;  // the longest link opened is one character less

// Watches the box for presses on addresses; every event goes on to the box.
class LinkWatcher : public QObject {
 public:
  explicit LinkWatcher(ui::RichTextBox* box) : QObject(box), box_(box) {
    box->viewport()->installEventFilter(this);
    connect(box, &QTextEdit::textChanged, this, &LinkWatcher::markLinks);
    markLinks();
  }
  ~LinkWatcher() override {
    if (box_) {
      box_->viewport()->removeEventFilter(this);
      box_->setExtraSelections({});
    }
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::MouseButtonPress || !box_) return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton) return false;
    const QString link = linkAt(mouse->position().toPoint());
    if (!link.isEmpty()) platform::ShellOpen(link);
    return false;
  }

 private:
  QPointer<ui::RichTextBox> box_;

  QString linkAt(const QPoint& point) const {
    const int position = box_->document()->documentLayout()->hitTest(
        point + QPoint(box_->horizontalScrollBar()->value(), box_->verticalScrollBar()->value()), Qt::ExactHit);
    if (position < 0) return {};
    const QTextBlock block = box_->document()->findBlock(position);
    const int offset = position - block.position();
    for (const auto& [start, length] : FindWebAddresses(block.text()))
      if (offset >= start && offset < start + length) return CutLink(block.text().mid(start, length));
    return {};
  }

  void markLinks() {
    QList<QTextEdit::ExtraSelection> marks;
    for (QTextBlock block = box_->document()->begin(); block.isValid(); block = block.next()) {
      for (const auto& [start, length] : FindWebAddresses(block.text())) {
        QTextEdit::ExtraSelection mark;
        mark.cursor = QTextCursor(box_->document());
        mark.cursor.setPosition(block.position() + start);
        mark.cursor.setPosition(block.position() + start + length, QTextCursor::KeepAnchor);
        mark.format.setFontUnderline(true);
        marks << mark;
      }
    }
    box_->setExtraSelections(marks);
  }
};

struct HookRecord {
  QPointer<QWidget> form;
  QPointer<ui::RichTextBox> box;
  QPointer<LinkWatcher> watcher;
};

QHash<const QWidget*, HookRecord>& records() {
  static QHash<const QWidget*, HookRecord> table;
  return table;
}
}  // namespace

QList<std::pair<int, int>> FindWebAddresses(const QString& text) {
  static const QRegularExpression address(QStringLiteral(R"((?:https?://|www\.)[^\s<>"]+)"),
                                          QRegularExpression::CaseInsensitiveOption);
  QList<std::pair<int, int>> found;
  auto it = address.globalMatch(text);
  while (it.hasNext()) {
    const QRegularExpressionMatch m = it.next();
    // Letters, digits and the address characters that need a character after them.
    if (m.capturedStart() > 0 && text[m.capturedStart() - 1].isLetterOrNumber()) continue;
    QString link = m.captured();
    while (!link.isEmpty() && QStringLiteral(".,;:!?)]}'").contains(link.back())) link.chop(1);
    if (link.compare(QStringLiteral("www."), Qt::CaseInsensitive) == 0 || link.endsWith(QStringLiteral("://")))
      continue;
    found.append({static_cast<int>(m.capturedStart()), static_cast<int>(link.size())});
  }
  return found;
}

QString CutLink(const QString& link) {
  QString cut = link.left(kLinkBuffer - 1);
  // Never half a character: a cut through a surrogate pair ends before the pair.
  if (cut.size() < link.size() && !cut.isEmpty() && cut.back().isHighSurrogate()) cut.chop(1);
  return cut;
}

void HookRTBLinks(ui::RichTextBox* box, QWidget* form) {
  if (!box || !form) return;
  UnhookRTBLinks(form);
  records().insert(form, HookRecord{form, box, new LinkWatcher(box)});
}

void UnhookRTBLinks(QWidget* form) {
  auto it = records().find(form);
  if (it == records().end()) return;
  delete it->watcher.data();
  records().erase(it);
}

bool IsRTBHooked(const QWidget* form) { return records().contains(form); }
int RTBHookCount() { return static_cast<int>(records().size()); }
