#include "services/update_reminder.h"

#include "services/calendar.h"
#include "services/platform.h"
#include "services/settings_store.h"
#include "services/web_pages.h"
#include "ui/msgbox.h"

void RemindToCheckForUpdate() {
  const QDate today = platform::Today();
  switch (DecideReminder(settings::ReadDuration(), today)) {
    case ReminderStep::StoreToday:
      settings::WriteDuration(calendar::ShortDateText(today));
      return;
    case ReminderStep::Nothing:
      return;
    case ReminderStep::Ask: {
      const ui::MsgAnswer answer = ui::MsgBox(
          QStringLiteral("There maybe an update to this software available\rDo you want to check for an update?"),
          ui::MsgStyle::YesNoInformation);
      settings::WriteDuration(calendar::ShortDateText(today));
      if (answer == ui::MsgAnswer::Yes) OpenDownloadWebPage();
      return;
    }
  }
}
