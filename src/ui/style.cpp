#include "ui/style.h"

#include <QApplication>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleOptionButton>
#include <algorithm>

namespace ui {
namespace {
class SuiteStyle : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;

  QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& contents,
                         const QWidget* widget) const override {
    QSize size = QProxyStyle::sizeFromContents(type, option, contents, widget);
    if (type != CT_PushButton) return size;
    const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
    if (!button || button->text.isEmpty()) return size;
    // The caption's width plus a margin on either side, whatever the base style gives.
    const int margin = option->fontMetrics.height() / 2 + pixelMetric(PM_DefaultFrameWidth, option, widget);
    size.setWidth(std::max(size.width(), contents.width() + 2 * margin));
    return size;
  }

  // A plain frame's border as four filled edges: a one-pixel line drawn at a fractional scale
  // of the screen (150 %) falls between device pixels and loses its top and left edges.
  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
    if (element != PE_Frame || (widget && widget->inherits("QComboBoxPrivateContainer"))) {
      QProxyStyle::drawPrimitive(element, option, painter, widget);
      return;
    }
    const QRect r = option->rect;
    const QColor edge = option->palette.window().color().darker(140).lighter(108);
    painter->fillRect(QRect(r.left(), r.top(), r.width(), 1), edge);
    painter->fillRect(QRect(r.left(), r.bottom(), r.width(), 1), edge);
    painter->fillRect(QRect(r.left(), r.top(), 1, r.height()), edge);
    painter->fillRect(QRect(r.right(), r.top(), 1, r.height()), edge);
  }
};
}  // namespace

void SetOwnStyleSheet(QWidget* widget, const QString& declarations) {
  Q_ASSERT(!widget->objectName().isEmpty());
  widget->setStyleSheet(QStringLiteral("#%1 { %2 }").arg(widget->objectName(), declarations));
}

void EnsureSuiteStyle() {
  if (dynamic_cast<SuiteStyle*>(QApplication::style())) return;
  QApplication::setStyle(new SuiteStyle(QApplication::style()->name()));
}
}  // namespace ui
