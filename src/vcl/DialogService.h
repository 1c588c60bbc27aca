// Message boxes behind one hook, so tests can answer them without a modal loop. The default hook shows a
// QMessageBox; a test installs a function that returns the answer it wants.
#pragma once

#include <QString>
#include <functional>

namespace DialogService
{

enum class Kind { Warning, Error, Information, Confirmation };

// Buttons, combinable.
enum Button : unsigned { Yes = 1, No = 2, Ok = 4, Cancel = 8, Abort = 16, Retry = 32, Ignore = 64 };

// Modal results, the numbers of the class library's mr... constants.
enum Result : int { mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5, mrYes = 6, mrNo = 7 };

using Hook = std::function<int(const QString &text, Kind kind, unsigned buttons)>;

// Shows the question and returns the modal result of the button pressed (mrCancel when the box is closed).
int Ask(const QString &text, Kind kind, unsigned buttons);
// An error message with an OK button (the default handler of an exception).
void ShowError(const QString &text);
// Installs a hook and returns the previous one; an empty hook restores the message box.
Hook SetHook(Hook hook);

} // namespace DialogService
