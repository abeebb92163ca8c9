#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QLineEdit>
#include <QVBoxLayout>

#include "common_dialog.h"
#include "form.h"
#include "test_support.h"

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

TEST(CommonDialog, FiltersAndDefaultExtension) {
  qztest::seams().reset();
  ui::CommonDialog d;
  d.Filter = QStringLiteral("All Files (*.*)|*.*|Numerology Files | *.num ");
  EXPECT_EQ(d.QtFilters(), (QStringList{"All Files (*.*) (*.*)", "Numerology Files (*.num)"}));
  d.DefaultExt = QStringLiteral("num");
  d.FileName = QStringLiteral("keep");
  qztest::seams().fileAnswers.push_back(std::nullopt);
  EXPECT_FALSE(d.ShowSave());
  EXPECT_EQ(d.FileName, QStringLiteral("keep"));  // Cancel leaves it as it was
  qztest::seams().fileAnswers.push_back(QStringLiteral("/tmp/reading"));
  EXPECT_TRUE(d.ShowSave());
  EXPECT_EQ(d.FileName, QStringLiteral("/tmp/reading.num"));
  ASSERT_EQ(qztest::seams().fileRequests.size(), 2u);
  EXPECT_EQ(qztest::seams().fileRequests[1].kind, ui::FileDialogKind::Save);
}
