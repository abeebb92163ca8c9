#pragma once
// One running copy per user and machine, through a lock file that the running copy holds.
// The lock lives in one place whatever the environment: a folder of the user's own under
// /tmp, named after the user id (XDG_RUNTIME_DIR, TMPDIR and HOME differ between a desktop
// session, a terminal, sudo and cron, and a copy must see the lock of every other).
#include <QString>

enum class InstanceClaim {
  First,           // the lock is ours for the rest of the run
  AlreadyRunning,  // a live copy holds it
  NoLock,          // no lock could be made: the program runs without one
};

// Takes the lock once; later calls give the first call's answer.
InstanceClaim ClaimSingleInstance();

// /tmp/qz-orbalinth-<user id>
QString DefaultInstanceLockFolder();
// Tests: another folder for the lock (empty: the default). Before the first claim.
void SetInstanceLockFolder(const QString& folder);
QString InstanceLockFolder();

// Makes the folder (mode 0700) when it is missing, and tells whether it can hold the lock: a
// real folder (not a link) owned by this user that no one else may write into. A folder that
// another user made first is not used.
bool PrepareLockFolder(const QString& folder);
