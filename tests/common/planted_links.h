#pragma once
// Symbolic links for tests of the saves: a shared folder like /tmp (sticky, writable by
// everyone) and links in it that belong to another user, as a stranger would plant them.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>

#include <functional>

#include <sys/stat.h>
#include <unistd.h>

#include "common/test_support.h"

namespace qztest {
// The user every test plants links for: "nobody".
constexpr uid_t kStranger = 65534;

// Only root can give a link to another user.
inline bool CanPlantStrangersLinks() { return ::geteuid() == 0; }
inline const char* kNeedsRootToPlant = "giving a link to another user (lchown) needs root";

// Makes path a symbolic link to target, owned by owner (the user running the test by default).
inline bool PlantLink(const QString& target, const QString& path, uid_t owner = ::geteuid()) {
  QFile::remove(path);
  const QByteArray name = QFile::encodeName(path);
  if (::symlink(QFile::encodeName(target).constData(), name.constData()) != 0) return false;
  return owner == ::geteuid() || ::lchown(name.constData(), owner, owner) == 0;
}

// A folder of the test's own holding a shared folder ("shared", mode 1777) and a private one
// ("home", holding the victim's files).
class SharedFolder {
 public:
  SharedFolder() {
    ok_ = dir_.isValid() && QDir(dir_.path()).mkpath(QStringLiteral("shared")) &&
          QDir(dir_.path()).mkpath(QStringLiteral("home")) &&
          ::chmod(QFile::encodeName(shared()).constData(), 01777) == 0;
  }
  bool ok() const { return ok_; }
  QString shared(const QString& name = QString()) const { return join(QStringLiteral("shared"), name); }
  QString home(const QString& name = QString()) const { return join(QStringLiteral("home"), name); }

 private:
  QString join(const QString& folder, const QString& name) const {
    const QString path = QDir(dir_.path()).filePath(folder);
    return name.isEmpty() ? path : path + QLatin1Char('/') + name;
  }
  QTemporaryDir dir_;
  bool ok_ = false;
};

// Saves through a window, save(path) answering its file dialog with path, to a link to
// nothing and then to a stranger's link to the user's file in a shared folder: each is
// refused with one error message naming the link, and nothing is written where it points.
// The stranger's case is skipped where links cannot be given to another user.
inline void ExpectSavesRefuseUnsafeLinks(const std::function<void(const QString&)>& save, const QString& name) {
  const SharedFolder folders;
  ASSERT_TRUE(folders.ok());
  const auto refused = [&](const QString& link) {
    seams().messages.clear();
    save(link);
    ASSERT_EQ(seams().messages.size(), 1u);
    EXPECT_EQ(seams().messages[0].style, ui::MsgStyle::Critical);
    EXPECT_TRUE(seams().messages[0].prompt.contains(link)) << seams().messages[0].prompt.toStdString();
    EXPECT_TRUE(QFileInfo(link).isSymLink());
  };
  const QString nowhere = folders.home(QStringLiteral("autostart.desktop"));
  ASSERT_TRUE(PlantLink(nowhere, folders.shared(name)));
  refused(folders.shared(name));
  EXPECT_FALSE(QFile::exists(nowhere));

  if (!CanPlantStrangersLinks()) GTEST_SKIP() << kNeedsRootToPlant;
  const QString diary = folders.home(QStringLiteral("diary.txt"));
  QFile file(diary);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("the user's own file\n") > 0);
  file.close();
  ASSERT_TRUE(PlantLink(diary, folders.shared(name), kStranger));
  refused(folders.shared(name));
  EXPECT_EQ(ReadAll(diary), QByteArray("the user's own file\n"));
}
}  // namespace qztest
