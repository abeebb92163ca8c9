#include "shell/common_menu.h"

#include <QAction>
#include <QHBoxLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QStackedLayout>

#include "services/web_pages.h"
#include "shell/frm_about.h"
#include "ui/controls.h"

namespace shell {
namespace {
// One item of a menu: its name, caption ("-" for a separator) and whether it shows.
struct Item {
  QString name;
  QString caption;
  bool visible = true;
};

// A window's row of the menu table.
struct MenuRow {
  QString fileMenu;  // the name of the "&File" menu
  QList<Item> fileItems;
  QString helpMenu;
  QList<Item> helpItems;
  QList<Item> topItems;  // top-level items without a submenu, after "&Help"
};

Item sep(const QString& name) { return {name, QStringLiteral("-")}; }

// The shared Help menu: online help, visit, separator, update item, separator, about.
QList<Item> help(const QString& sep1, const QString& updateCaption, const QString& sep2,
                 const QString& updateName = QStringLiteral("mnuUpdate")) {
  return {{QStringLiteral("mnuOnline"), QStringLiteral("&Online Help")},
          {QStringLiteral("mnuVisit"), QStringLiteral("&Visit Us Online")},
          sep(sep1),
          {updateName, updateCaption},
          sep(sep2),
          {QStringLiteral("mnuAbout"), QStringLiteral("&About Software")}};
}

QList<Item> tops(const QString& makeMoneyName) {
  return {{QStringLiteral("mnuDonate"), QStringLiteral("&Donate")},
          {makeMoneyName, QStringLiteral("Make Money &Online"), false}};
}

const QString kCheck1 = QStringLiteral("&Check for Software Update");
const QString kCheck2 = QStringLiteral("Check for Software &Update");

QHash<QString, MenuRow> buildTable() {
  const Item exit{QStringLiteral("mnuExit"), QStringLiteral("E&xit")};
  const QString sep1 = QStringLiteral("mnuFileSep1"), sep2 = QStringLiteral("mnuFileSep2");
  const QString visitSite = QStringLiteral("&Visit ") + SiteDomain;
  QHash<QString, MenuRow> t;
  t.insert("frmMain", {"nuFile", {{"mnuNext", "&Next", false}, exit}, "mnuHelp", help(sep1, kCheck1, sep2),
                       tops("mnumakemoney")});
  t.insert("frmChineseNumerologyMain",
           {"mnuFile",
            {{"mnuCalculate", "Calculate My &Favourable Number", false}, {"mnuSep1", "-", false}, exit},
            "mnuHelp", help("mnuSep2", kCheck2, "mnuSep3"), tops("mnuMakeMoney")});
  t.insert("frmChineseNumerologyDisplay", {"mnuFile", {{"mnuBack", "&Back"}, sep("mnuFile1"), exit}, "mnuHelp",
                                           help("mnuHelp1", kCheck2, "mnuHelp2"), tops("mnuMakeMoney")});
  t.insert("frmIChingNumerologyMain", {"nuFile", {exit}, "mnuHelp", help(sep1, kCheck1, sep2), tops("mnuMakeMoney")});
  t.insert("frmKabbalahNumerologyMain", {"nuFile", {{"mnuNext", "Get My &Interpretation"}, exit}, "mnuHelp",
                                         help(sep1, kCheck1, sep2), tops("mkmoney")});
  t.insert("frmKabbalahNumerologyDisplay",
           {"nuFile", {{"mnuPrint", "Print"}, {"mnuBack", "&Back"}, {"mnuExit", "Exit"}}, "mnuHelp",
            help(sep1, kCheck1, sep2), tops("mkmoney")});
  t.insert("frmNumerologyProMain", {"nuFile", {{"mnuNext", "&Next"}, exit}, "mnuHelp", help(sep1, kCheck1, sep2),
                                    tops("mnuMakeMoney")});
  t.insert("frmNumerologyProResult", {"mnuFile", {{"mnuBack", "&Back", false}, exit}, "mnuHelp",
                                      help(sep1, kCheck2, sep2), tops("mnuMakeMoney")});
  t.insert("MDI", {"mnuFile", {{"mnuUpdate", "&Update"}, sep(sep1), exit}, "mnuHelp",
                   help("mnuHelpSep1", kCheck2, "mnuHelpSep2", "mnuUpdateSoftware"), tops("mnuMakeMoney")});
  t.insert("frmNumerologySoftwareOne",
           {"mnuFile",
            {{"mnuCalc", "&Calculate"}, {"mnuClr", "C&lear"}, sep("mnuBl"), {"mnuVOS", visitSite}, sep("mnuS"), exit},
            "mnuHelp",
            {{"mnuhp", "&Onlline Help Pages"},
             {"mnuUpdates", "Check For Updates"},
             sep("mnuhps"),
             {"mnuAbt", "&About Software"},
             {"mnuVS", visitSite}},
            {{"mnuDonate", "Donate"}}});
  return t;
}

const QHash<QString, MenuRow>& table() {
  static const QHash<QString, MenuRow> t = buildTable();
  return t;
}

// The shared items' actions; a window's own actions take precedence.
std::function<void()> sharedAction(const QString& windowClass, const QString& name) {
  const bool ownVariant = windowClass == QLatin1String("frmNumerologySoftwareOne");
  if (name == QLatin1String("mnuOnline")) return OpenHelpWebPage;
  if (name == QLatin1String("mnuVisit")) return OpenHomePage;
  if (name == QLatin1String("mnuUpdateSoftware") || name == QLatin1String("mnuUpdates")) return OpenDownloadWebPage;
  if (name == QLatin1String("mnuUpdate") && windowClass != QLatin1String("MDI")) return OpenDownloadWebPage;
  if (name == QLatin1String("mnuAbout") || name == QLatin1String("mnuAbt")) return [] { frmAbout::instance().ShowModal(); };
  if (name == QLatin1String("mnuDonate") && !ownVariant) return OpenDonatePage;
  if (name == QLatin1String("mnuMakeMoney") || name == QLatin1String("mkmoney") || name == QLatin1String("mnumakemoney"))
    return OpenFullyBrandedPage;
  return {};
}

QAction* makeAction(QObject* parent, const QString& windowClass, const Item& item,
                    const QHash<QString, std::function<void()>>& own) {
  auto* action = new QAction(item.caption == QLatin1String("-") ? QString() : item.caption, parent);
  action->setObjectName(item.name);
  action->setSeparator(item.caption == QLatin1String("-"));
  action->setVisible(item.visible);
  std::function<void()> handler = own.value(item.name);
  if (!handler) handler = sharedAction(windowClass, item.name);
  if (handler) QObject::connect(action, &QAction::triggered, parent, [handler] { handler(); });
  return action;
}
}  // namespace

void CommonMenuSet(QMainWindow* window, const QString& windowClass,
                   const QHash<QString, std::function<void()>>& own) {
  const auto it = table().constFind(windowClass);
  if (it == table().constEnd()) return;
  const MenuRow& row = *it;
  QMenuBar* bar = window->menuBar();
  bar->setObjectName(QStringLiteral("menuBar"));
  bar->setNativeMenuBar(false);

  QMenu* file = bar->addMenu(QStringLiteral("&File"));
  file->setObjectName(row.fileMenu);
  file->menuAction()->setObjectName(row.fileMenu);
  for (const Item& item : row.fileItems) file->addAction(makeAction(window, windowClass, item, own));

  QMenu* helpMenu = bar->addMenu(QStringLiteral("&Help"));
  helpMenu->setObjectName(row.helpMenu);
  helpMenu->menuAction()->setObjectName(row.helpMenu);
  for (const Item& item : row.helpItems) helpMenu->addAction(makeAction(window, windowClass, item, own));

  // A hidden top-level item stays with the window, off the bar: the bar claims the access key
  // of every item it holds, shown or not, and would take it from the window's own buttons.
  for (const Item& item : row.topItems) {
    QAction* action = makeAction(window, windowClass, item, own);
    if (item.visible) bar->addAction(action);
  }
}

namespace {
const char* kCobrandText =
    "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site's name &&  link "
    "here. See \"Help\" for details.    Click Here for more info on co-branding.";
const char* kFullBrandText =
    "Home Business Opportunity. Start your own Internet business and make money online. Get this software fully "
    "branded for your website. Click here for more details.";

QWidget* holderOf(QWidget* promotion) {
  if (auto* holder = promotion->findChild<QWidget*>(QStringLiteral("promotionHolder"))) return holder;
  return promotion;
}
}  // namespace

QWidget* PromotionLabels(QWidget* parent, PromoFront front, bool inFrame) {
  QWidget* outer = nullptr;
  QWidget* holder = nullptr;
  if (inFrame) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(QStringLiteral("fraFullBrand"));
    frame->setFrameShape(QFrame::StyledPanel);
    auto* layout = new QHBoxLayout(frame);
    layout->setContentsMargins(6, 4, 6, 4);
    holder = new QWidget(frame);
    layout->addWidget(holder);
    outer = frame;
  } else {
    holder = new QWidget(parent);
    outer = holder;
  }
  holder->setObjectName(QStringLiteral("promotionHolder"));
  auto* stack = new QStackedLayout(holder);
  stack->setStackingMode(QStackedLayout::StackAll);
  stack->setContentsMargins(0, 0, 0, 0);

  auto* cobrand = new ui::Label(QString::fromUtf8(kCobrandText), holder);
  cobrand->setObjectName(QStringLiteral("lblCobrand"));
  auto* fullBrand = new ui::Label(QString::fromUtf8(kFullBrandText), holder);
  fullBrand->setObjectName(QStringLiteral("lblFullBrand"));
  for (ui::Label* label : {cobrand, fullBrand}) {
    label->setLinkStyle();
    label->setAutoFillBackground(true);
    label->setAlignment(Qt::AlignCenter);
    label->setLook(QColor(0x1a, 0x3c, 0x8c));
    stack->addWidget(label);
  }
  QObject::connect(cobrand, &ui::Label::clicked, cobrand, [] { OpenCoBrandPage(); });
  QObject::connect(fullBrand, &ui::Label::clicked, fullBrand, [] { OpenFullyBrandedPage(); });
  BringToFront(outer, front);
  return outer;
}

void BringToFront(QWidget* promotion, PromoFront front) {
  QWidget* holder = holderOf(promotion);
  auto* stack = qobject_cast<QStackedLayout*>(holder->layout());
  auto* label = holder->findChild<QWidget*>(front == PromoFront::CoBrand ? QStringLiteral("lblCobrand")
                                                                         : QStringLiteral("lblFullBrand"));
  if (!stack || !label) return;
  stack->setCurrentWidget(label);
  label->raise();
}

PromoFront FrontOf(QWidget* promotion) {
  QWidget* holder = holderOf(promotion);
  auto* stack = qobject_cast<QStackedLayout*>(holder->layout());
  if (stack && stack->currentWidget() && stack->currentWidget()->objectName() == QLatin1String("lblFullBrand"))
    return PromoFront::FullBrand;
  return PromoFront::CoBrand;
}

QString ForumBannerText() {
  return QStringLiteral("Join the friendliest numerology forum on the web: free discussions of numbers, names and "
                        "destinies. Visit %1")
      .arg(SiteHost);
}

ui::Label* ForumBanner(QWidget* parent, const QString& name, bool clickable) {
  auto* banner = new ui::Label(ForumBannerText(), parent);
  banner->setObjectName(name);
  banner->setAlignment(Qt::AlignCenter);
  banner->setLook(QColor(0x8b, 0, 0), true);
  if (clickable) {
    banner->setLinkStyle();
    QObject::connect(banner, &ui::Label::clicked, banner, [] { OpenHomePage(); });
  }
  return banner;
}
}  // namespace shell
