#include <gtest/gtest.h>

#include <QAbstractFileIconProvider>
#include <QAbstractItemView>
#include <QApplication>
#include <QCloseEvent>
#include <QCompleter>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <QVBoxLayout>

#include <sys/inotify.h>
#include <unistd.h>

#include "common/non_regular_files.h"
#include "common/test_support.h"
#include "ui/common_dialog.h"
#include "ui/form.h"

namespace {
class frmProbe : public ui::FormOf<frmProbe> {
 public:
  frmProbe() : FormOf("frmProbe") {}
  int Counter = 0;  // a class variable: survives unload
  int loads = 0;
  int unloads = 0;
  std::function<void()> onUnload;

 protected:
  void CreateControls(QMainWindow* w) override {
    auto* central = new QWidget(w);
    w->setCentralWidget(central);
    auto* layout = new QVBoxLayout(central);
    auto* box = new QLineEdit(QStringLiteral("design"), central);
    box->setObjectName(QStringLiteral("txtValue"));
    layout->addWidget(box);
  }
  void Form_Load() override { ++loads; }
  void Form_Unload() override {
    ++unloads;
    if (onUnload) onUnload();
  }
};

// A window whose size comes from its load handler, or from a long wrapped text at a fixed width.
class frmSized : public ui::FormOf<frmSized> {
 public:
  frmSized() : FormOf("frmSized") {}
  QSize loadSize;       // set by the load handler when valid
  int textWidth = 300;  // the window's fixed width

 protected:
  void CreateControls(QMainWindow* w) override {
    auto* central = new QWidget(w);
    w->setCentralWidget(central);
    central->setFixedWidth(textWidth);
    auto* layout = new QVBoxLayout(central);
    auto* text = new QLabel(QString(40, QLatin1Char('x')).replace(QLatin1String("xxxx"), QLatin1String("word ")).repeated(12),
                            central);
    text->setObjectName(QStringLiteral("lblText"));
    text->setWordWrap(true);
    layout->addWidget(text);
    auto* box = new QLineEdit(central);
    box->setObjectName(QStringLiteral("txtBelow"));
    layout->addWidget(box);
  }
  void Form_Load() override {
    if (loadSize.isValid()) window()->resize(loadSize);
  }
};

class frmOther : public ui::FormOf<frmOther> {
 public:
  frmOther() : FormOf("frmOther") {}

 protected:
  void CreateControls(QMainWindow* w) override { w->setCentralWidget(new QWidget(w)); }
};
}  // namespace

class FormLifecycle : public qztest::SeamTest {
 protected:
  void TearDown() override {
    frmProbe::instance().onUnload = nullptr;
    frmProbe::instance().Unload();
    frmOther::instance().Unload();
    frmSized::instance().Unload();
  }
};

TEST_F(FormLifecycle, TouchLoadsAndUnloadKeepsVariablesButNotControls) {
  frmProbe& f = frmProbe::instance();
  EXPECT_FALSE(f.IsLoaded());
  const int loadsBefore = f.loads;
  f.control<QLineEdit>(QStringLiteral("txtValue"))->setText(QStringLiteral("typed"));  // touching loads
  EXPECT_TRUE(f.IsLoaded());
  EXPECT_FALSE(f.IsVisible());
  EXPECT_EQ(f.loads, loadsBefore + 1);
  f.Counter = 42;
  f.Unload();
  EXPECT_FALSE(f.IsLoaded());
  EXPECT_EQ(f.Counter, 42);
  EXPECT_EQ(f.control<QLineEdit>(QStringLiteral("txtValue"))->text(), QStringLiteral("design"));
  EXPECT_EQ(f.loads, loadsBefore + 2);
  EXPECT_EQ(&frmProbe::instance(), &f);
}

TEST_F(FormLifecycle, ShowHideAndTheRegistryOfLoadedWindows) {
  frmProbe& f = frmProbe::instance();
  f.Hide();  // hiding an unloaded window loads it and leaves it hidden
  EXPECT_TRUE(f.IsLoaded());
  EXPECT_FALSE(f.IsVisible());
  f.Show();
  EXPECT_TRUE(f.IsVisible());
  frmOther::instance().Show();
  const QList<ui::Form*> loaded = ui::Form::LoadedForms();
  EXPECT_LT(loaded.indexOf(&f), loaded.indexOf(&frmOther::instance()));
  f.Unload();
  EXPECT_FALSE(ui::Form::LoadedForms().contains(&f));
}

TEST_F(FormLifecycle, CloseBoxUnloadsAndUnloadHandlersMayShowOtherWindows) {
  frmProbe& f = frmProbe::instance();
  f.onUnload = [] { frmOther::instance().Show(); };
  f.Show();
  const int unloads = f.unloads;
  f.window()->close();
  EXPECT_FALSE(f.IsLoaded());
  EXPECT_EQ(f.unloads, unloads + 1);
  EXPECT_TRUE(frmOther::instance().IsVisible());
  f.Unload();  // unloading an unloaded window does nothing
  EXPECT_EQ(f.unloads, unloads + 1);
}

TEST_F(FormLifecycle, WindowsTakeWhatTheirControlsNeedAndKeepALoadHandlersSize) {
  frmSized& f = frmSized::instance();
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  // Larger than two thirds of the screen, as a load handler sets it: kept.
  f.loadSize = QSize(screen.width() * 9 / 10, screen.height() * 9 / 10);
  f.Show();
  EXPECT_EQ(f.window()->size(), f.loadSize);
  EXPECT_GE(f.window()->x(), screen.x());
  EXPECT_GE(f.window()->y(), screen.y());
  f.Unload();

  // A narrow wrapped text of many lines, taller than two thirds of the screen: every line shows
  // and the box below keeps its height.
  f.loadSize = QSize();
  f.textWidth = 120;
  f.Show();
  auto* text = f.control<QLabel>(QStringLiteral("lblText"));
  auto* box = f.control<QLineEdit>(QStringLiteral("txtBelow"));
  EXPECT_GT(text->heightForWidth(text->width()), screen.height() * 2 / 3);
  EXPECT_GE(text->height(), text->heightForWidth(text->width()));
  EXPECT_GE(box->height(), box->minimumSizeHint().height());
  EXPECT_TRUE(f.window()->rect().contains(QRect(box->mapTo(f.window(), QPoint(0, 0)), box->size())));
  f.Unload();
}

TEST_F(FormLifecycle, ModalShowGoesThroughTheSeam) {
  frmProbe& f = frmProbe::instance();
  bool modalSeen = false;
  qztest::seams().onModal = [&](ui::Form& form) {
    modalSeen = &form == &f && form.IsModal() && form.IsVisible();
    form.Hide();
  };
  f.ShowModal();
  EXPECT_TRUE(modalSeen);
  EXPECT_FALSE(f.IsVisible());
  EXPECT_FALSE(f.IsModal());
}

TEST(CommonDialog, Filters) {
  // A description that already names its pattern is shown once; one without gets it appended.
  const struct {
    const char* filter;
    QStringList shown;
  } filters[] = {
      {"All Files (*.*)|*.*|Numerology Files | *.num ", {"All Files (*.*)", "Numerology Files (*.num)"}},
      {"QZ Chinese Numerology (*.cnu)|*.cnu", {"QZ Chinese Numerology (*.cnu)"}},
      {"Pictures|*.jpg;*.png", {"Pictures (*.jpg *.png)"}},
      {"Pictures (*.jpg *.png)|*.jpg;*.png", {"Pictures (*.jpg *.png)"}},
      {"Readings (*.num)|*.qzs", {"Readings (*.num) (*.qzs)"}},  // names another pattern
      {"", {}},
  };
  for (const auto& f : filters) EXPECT_EQ(ui::QtFilters(QString::fromLatin1(f.filter)), f.shown) << f.filter;
  EXPECT_EQ(ui::OfferedFilters(QString()), QStringList({"All files (*)"}));
}

TEST(CommonDialog, SaveAddsTheDefaultExtensionToANameWithout) {
  qztest::seams().reset();
  qztest::seams().fileAnswers = {std::nullopt, QStringLiteral("/tmp/reading"), QStringLiteral("/tmp/reading.txt")};
  EXPECT_EQ(ui::AskSaveFile(ui::FileKind::Reading), std::nullopt);  // Cancel
  EXPECT_EQ(ui::AskSaveFile(ui::FileKind::Reading), QStringLiteral("/tmp/reading.num"));
  EXPECT_EQ(ui::AskSaveFile(ui::FileKind::Reading), QStringLiteral("/tmp/reading.txt"));
  ASSERT_EQ(qztest::seams().fileRequests.size(), 3u);
  EXPECT_EQ(qztest::seams().fileRequests[1].kind, ui::FileDialogKind::Save);
}

// The real dialog each kind of file shows: its title, the filter it offers, whether an open
// takes only an existing file and a save asks before replacing one.
TEST(CommonDialog, TheRealDialogOfEachUse) {
  qztest::seams().reset();
  const QString select = QStringLiteral("Select the source file");
  const struct Case {
    bool save;
    ui::FileKind kind;
    QString title;
    QString shownFilter;
    QString suffix;  // a save's default extension
  } cases[] = {
      {false, ui::FileKind::Reading, select, "RI Voze Ravudevede Rod (*.num)", ""},
      {false, ui::FileKind::ChineseReading, select, "QZ Chinese Numerology (*.cnu)", ""},
      {false, ui::FileKind::SavedReading, select, "QZ Saved Reading (*.qzs)", ""},
      {false, ui::FileKind::AnyFile, "Open", "All files (*)", ""},  // no title set: the dialog's own
      {true, ui::FileKind::Reading, "Save Your Vidovuzovo Zed Result ....", "Rich Text Format (*.num)", "num"},
      {true, ui::FileKind::ChineseReading, "QZ Chinese Numerology", "QZ Chinese Numerology (*.cnu)", "cnu"},
      {true, ui::FileKind::Report, "QZ Orbalinth", "Rich Text Format (*.rtf)", "rtf"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE((c.save ? "save " : "open ") + c.shownFilter.toStdString());
    bool shown = false;
    ui::SetDialogDriver([&](QDialog& dialog) {
      auto* d = qobject_cast<QFileDialog*>(&dialog);
      ASSERT_TRUE(d);
      shown = true;
      EXPECT_EQ(d->windowTitle(), c.title);
      EXPECT_EQ(d->nameFilters(), QStringList{c.shownFilter});
      EXPECT_EQ(d->selectedNameFilter(), c.shownFilter);
      EXPECT_EQ(d->acceptMode(), c.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
      EXPECT_EQ(d->defaultSuffix(), c.suffix);
      if (c.save) {
        EXPECT_FALSE(d->testOption(QFileDialog::DontConfirmOverwrite));
      } else {
        const bool anyName = c.kind == ui::FileKind::AnyFile;
        EXPECT_EQ(d->fileMode(), anyName ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
      }
    });
    const std::optional<QString> chosen = c.save ? ui::AskSaveFile(c.kind) : ui::AskOpenFile(c.kind);
    EXPECT_TRUE(shown);
    EXPECT_EQ(chosen, std::nullopt);  // the dialog left open is cancelled
  }
  ui::SetDialogDriver(nullptr);
}

namespace {
// The files of a folder that were opened while the watch lasted (inotify's reports).
class OpenWatch {
 public:
  explicit OpenWatch(const QString& folder)
      : fd_(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC)),
        ok_(fd_ >= 0 && ::inotify_add_watch(fd_, QFile::encodeName(folder).constData(), IN_OPEN) >= 0) {}
  ~OpenWatch() {
    if (fd_ >= 0) ::close(fd_);
  }
  OpenWatch(const OpenWatch&) = delete;
  OpenWatch& operator=(const OpenWatch&) = delete;
  bool ok() const { return ok_; }
  QStringList opened() {
    alignas(inotify_event) char buffer[8192];
    ssize_t length;
    while ((length = ::read(fd_, buffer, sizeof buffer)) > 0) {
      for (char* at = buffer; at < buffer + length;) {
        const auto* event = reinterpret_cast<const inotify_event*>(at);
        if (event->len > 0 && !(event->mask & IN_ISDIR)) names_ << QFile::decodeName(event->name);
        at += sizeof(inotify_event) + event->len;
      }
    }
    names_.removeDuplicates();
    return names_;
  }

 private:
  int fd_;
  bool ok_;
  QStringList names_;
};
}  // namespace

// A folder typed into the name box of the real dialog is listed by names and kinds: no file in
// it is opened to guess its type (an open of a FIFO, or a read of /proc/kmsg as root, waits for
// ever), whatever its content.
TEST(CommonDialog, ListsAFolderWithoutOpeningItsFiles) {
  const QString folder = qztest::TempPath(QStringLiteral("listed-folder"));
  ASSERT_TRUE(QDir().mkpath(folder));
  const QString fifo = folder + QStringLiteral("/pipe.num");
  ASSERT_TRUE(qztest::MakeFifo(fifo));
  const QString saved = folder + QStringLiteral("/saved.num");
  const QString blank = folder + QStringLiteral("/blank.num");
  for (const QString& path : {saved, blank}) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    if (path == saved) file.write("%PDF-1.4\n");  // a content that names a type of its own
  }
  OpenWatch watch(folder);
  ASSERT_TRUE(watch.ok());
  bool listed = false;
  {
    qztest::FifoGuard guard(fifo);
    ui::SetDialogDriver([&](QDialog& dialog) {
      auto* d = qobject_cast<QFileDialog*>(&dialog);
      ASSERT_TRUE(d);
      auto* name = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
      ASSERT_NE(name, nullptr);
      QTest::keyClicks(name, folder + QStringLiteral("/"));  // the box offers the folder's files
      auto* model = d->findChild<QFileSystemModel*>();
      ASSERT_NE(model, nullptr);
      listed = QTest::qWaitFor(
          [&] {
            for (const QString& path : {fifo, saved, blank})
              if (model->type(model->index(path)).isEmpty()) return false;
            return true;
          },
          3000);
      EXPECT_TRUE(listed) << "the folder's files were not listed";
      // What the views show of them, their icons among it.
      for (QAbstractItemView* view : d->findChildren<QAbstractItemView*>())
        if (view->isVisible()) (void)view->grab();
      if (QCompleter* completer = name->completer()) (void)completer->popup()->grab();
      EXPECT_EQ(model->type(model->index(saved)), model->type(model->index(blank))) << "a type read from content";
      // The dialog's icon provider, asked of the FIFO itself (the guard ends a wait on it).
      QAbstractFileIconProvider* icons = d->iconProvider();
      ASSERT_NE(icons, nullptr);
      EXPECT_FALSE(icons->icon(QFileInfo(fifo)).isNull());
      EXPECT_FALSE(icons->type(QFileInfo(fifo)).isEmpty());
      EXPECT_FALSE(icons->icon(QFileInfo(folder)).isNull());
      EXPECT_EQ(icons->type(QFileInfo(folder)), "Folder");
    });
    EXPECT_EQ(ui::AskOpenFile(ui::FileKind::Reading), std::nullopt);
    ui::SetDialogDriver(nullptr);
  }
  EXPECT_EQ(watch.opened(), QStringList());
}
