#include "dictionary/frame_widgets.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <algorithm>

namespace dictionary {
PanelStrip::PanelStrip(QWidget* parent) : QWidget(parent) {
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

void PanelStrip::addPanel(QWidget* panel) {
  panel->setParent(this);
  panels_.append(panel);
  updateGeometry();
}

QSize PanelStrip::sizeHint() const {
  int width = 0, height = 0;
  for (QWidget* panel : panels_) {
    const QSize hint = panel->sizeHint();
    width += hint.width();
    height = std::max(height, hint.height());
  }
  return {width, height};
}

QSize PanelStrip::minimumSizeHint() const { return {0, sizeHint().height()}; }

void PanelStrip::arrange() {
  int x = 0;
  bool fits = true;
  for (QWidget* panel : panels_) {
    const QSize hint = panel->sizeHint();
    fits = fits && x + hint.width() <= width();
    if (fits) {
      panel->setGeometry(x, (height() - hint.height()) / 2, hint.width(), hint.height());
      x += hint.width();
    }
    panel->setVisible(fits);
  }
}

void KeyList::setHeader(QHeaderView* header) {
  header_ = header;
  header->setParent(this);
  setViewportMargins(0, header->height(), 0, 0);
}

void KeyList::mouseReleaseEvent(QMouseEvent* event) {
  QListView::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && viewport()->rect().contains(event->position().toPoint()) && onClick)
    onClick();
}

void KeyList::mouseDoubleClickEvent(QMouseEvent* event) {
  QListView::mouseDoubleClickEvent(event);
  if (event->button() == Qt::LeftButton && onDoubleClick) onDoubleClick();
}

void KeyList::resizeEvent(QResizeEvent* event) {
  QListView::resizeEvent(event);
  if (header_) {
    const QRect r = viewport()->geometry();
    header_->setGeometry(r.left(), r.top() - header_->height(), r.width(), header_->height());
  }
}
}  // namespace dictionary
