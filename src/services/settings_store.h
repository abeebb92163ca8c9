#pragma once
// The suite's one per-user setting, "Duration", kept encoded under the application name
// (the executable's base name) in the section "Settings".
#include <QDate>
#include <QString>

namespace settings {
QString ApplicationName();
QString ReadDuration();                       // decoded value, "" when there is none
void WriteDuration(const QString& dateText);  // stores it encoded, replacing the old value
void RemoveDuration();
QString FilePath();  // where the setting lives
}  // namespace settings

enum class ReminderStep {
  StoreToday,  // nothing stored yet: store today, ask nothing
  Nothing,     // within fourteen days, or unreadable: leave everything as it is
  Ask,         // ask the question, then store today
};

// What the update reminder does for a stored date text on the given day.
ReminderStep DecideReminder(const QString& stored, const QDate& today);
