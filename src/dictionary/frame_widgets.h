#pragma once
// The dictionary frame's own widgets: the toolbar's strip of text panels and the keyword list.
#include <QList>
#include <QListView>
#include <QPointer>
#include <QWidget>
#include <functional>

class QHeaderView;

namespace dictionary {
// The toolbar's text panels side by side at their preferred widths. A narrow frame drops
// the panels that no longer fit, from the last one on, so the strip never pushes the
// toolbar into its extension menu.
class PanelStrip : public QWidget {
 public:
  explicit PanelStrip(QWidget* parent);
  void addPanel(QWidget* panel);
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void resizeEvent(QResizeEvent*) override { arrange(); }
  void showEvent(QShowEvent*) override { arrange(); }

 private:
  void arrange();
  QList<QWidget*> panels_;
};

// The keyword list with its column header inside the control. A click or double click
// anywhere in it, below the last keyword or on an empty list too, runs its handler.
class KeyList : public QListView {
 public:
  explicit KeyList(QWidget* parent) : QListView(parent) {}
  void setHeader(QHeaderView* header);
  std::function<void()> onClick, onDoubleClick;

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QPointer<QHeaderView> header_;
};
}  // namespace dictionary
