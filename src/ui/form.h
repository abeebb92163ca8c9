#pragma once
// The window layer: every window class has one instance for the life of the process.
// Its window and controls exist while it is loaded; the class's own member variables
// survive an unload, while the controls come back with their design values at the next load.
//
//   class frmExample : public ui::FormOf<frmExample> {
//    public:
//     frmExample() : FormOf("frmExample") {}
//    protected:
//     void CreateControls(QMainWindow* w) override;  // build controls, set objectNames
//     void Form_Load() override;                      // the load handler
//     void Form_Unload() override;                    // the unload handler
//   };
//   frmExample::instance().Show();
//
// Touching a window loads it: window() and control() load first. Handlers that another
// window calls should call Load() (or window()) before reaching for controls.
#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <functional>

class QEventLoop;

namespace ui {
class Form;

// The top-level window of a form. Its close box unloads the form.
class FormWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit FormWindow(Form* form);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  Form* form_;
};

class Form {
 public:
  explicit Form(QString className);
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  const QString& className() const { return className_; }
  bool IsLoaded() const { return window_ != nullptr; }
  bool IsVisible() const;
  bool IsModal() const { return modalDepth_ > 0; }

  QMainWindow* window();  // loads first
  void Load();
  void Show();       // modeless; returns at once
  void ShowModal();  // returns when the window is hidden or unloaded
  void Hide();       // loads first when needed
  void Unload();     // unload handler, then the controls are destroyed

  template <class T = QWidget>
  T* control(const QString& name) {
    return window()->findChild<T*>(name);
  }

  // Loaded windows, in the order they were loaded.
  static QList<Form*> LoadedForms();

 protected:
  virtual void CreateControls(QMainWindow* window) = 0;
  virtual void Form_Load() {}
  virtual void Form_Unload() {}
  // The window that holds the controls; a form may give its own kind.
  virtual QMainWindow* CreateWindow();

 private:
  friend class FormWindow;
  QString className_;
  QPointer<QMainWindow> window_;
  QList<QEventLoop*> modalLoops_;
  int modalDepth_ = 0;
  bool unloading_ = false;
  bool loading_ = false;
  void quitModalLoops();
};

// Records how to release a window's one instance (see ForgetAllForms).
void KeepInstance(std::function<void()> release);

// The one instance of a window class, made by `make` on first use and kept for the life of the
// process (tests may release it, see ForgetAllForms).
template <class T, class Make>
T& SingleInstance(Make make) {
  static T* self = nullptr;
  if (!self) {
    self = make();
    KeepInstance([] {
      delete self;
      self = nullptr;
    });
  }
  return *self;
}

// One instance per class, made on first use (see SingleInstance).
template <class T>
class FormOf : public Form {
 public:
  static T& instance() {
    return SingleInstance<T>([] { return new T(); });
  }

 protected:
  using Form::Form;
};

// Tests: unloads every window, then releases every window's instance, so that each is made
// afresh at its next use with its members as its constructor sets them.
void ForgetAllForms();

// Tests: a modal show calls this in place of waiting for the window to be hidden.
// The handler may press buttons of the window; the window stays as the handler leaves it.
void SetModalHandler(std::function<void(Form&)> handler);

// Ends the process at once, without running any unload handler.
[[noreturn]] void EndProcessNow(int code);
void EndProcess(int code = 0);
// Tests: called in place of ending the process; EndProcess then returns.
void SetEndProcessHandler(std::function<void(int)> handler);
}  // namespace ui
