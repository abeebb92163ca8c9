#pragma once
// The menu bar, promotion labels and forum banner that most windows carry.
#include <QHash>
#include <QString>
#include <functional>

class QMainWindow;
class QWidget;
namespace ui {
class Label;
}

namespace shell {
// Builds the window's menu bar from its row of the menu table (keyed by the window's
// class name, e.g. "frmMain"). `own` gives the actions of the window's own items by
// item name ("mnuNext", "mnuExit", ...); the shared items (online help, visit, update,
// about, donate, make money) act by themselves. Hidden items stay hidden.
void CommonMenuSet(QMainWindow* window, const QString& windowClass,
                   const QHash<QString, std::function<void()>>& own = {});

enum class PromoFront { CoBrand, FullBrand };
// The two promotion labels on one spot ("lblCobrand", "lblFullBrand"), the given one in
// front. With inFrame they stand in a frame without caption named "fraFullBrand".
// Returns the widget to place (the frame, or the holder of the two labels).
QWidget* PromotionLabels(QWidget* parent, PromoFront front, bool inFrame);
// Brings one of the pair to the front (the launcher's draw).
void BringToFront(QWidget* promotion, PromoFront front);
// Which of the pair is in front.
PromoFront FrontOf(QWidget* promotion);

// The forum banner: a label that praises the forum and invites a visit to the site.
// clickable: a click opens the home page.
ui::Label* ForumBanner(QWidget* parent, const QString& name, bool clickable = true);
QString ForumBannerText();
}  // namespace shell
