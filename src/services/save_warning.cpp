#include "services/save_warning.h"

#include <QStringList>

#include "services/text_codec.h"
#include "ui/msgbox.h"

bool ConfirmSavingWithout(const QString& lostCharacters, const QString& fileDescription) {
  if (lostCharacters.isEmpty()) return true;
  QStringList shown;
  // Each character whole, also one outside the basic plane (two UTF-16 units).
  for (const char32_t c : CodePoints(lostCharacters)) shown << CharacterText(c);
  const QString prompt = QStringLiteral("The %1 cannot hold these characters of the name: ").arg(fileDescription) +
                         shown.join(QLatin1Char(' ')) +
                         QStringLiteral("\r\nThey will not be saved, and the reading of the saved file may differ."
                                        "\r\nDo you want to save the reading anyway?");
  return ui::MsgBox(prompt, ui::MsgStyle::YesNoInformation) == ui::MsgAnswer::Yes;
}
