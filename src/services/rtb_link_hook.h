#pragma once
// Makes web addresses inside a rich text box clickable: a left-button press on one opens
// it in the default browser. One record per hooked window; any number hooked at once.
#include <QList>
#include <QString>
#include <utility>

class QWidget;
namespace ui {
class RichTextBox;
}

void HookRTBLinks(ui::RichTextBox* box, QWidget* form);
void UnhookRTBLinks(QWidget* form);
bool IsRTBHooked(const QWidget* form);
int RTBHookCount();

// The text of a link that is opened: its first 1,023 characters, one less where the last of
// them would be the first half of a pair.
QString CutLink(const QString& link);

// Web addresses (http, https, or beginning with "www.") in a text: start and length of each.
QList<std::pair<int, int>> FindWebAddresses(const QString& text);
