// Qt's own dialogs (file chooser, printing, message boxes) in French: the
// translations Debian ships with Qt, and the French locale for numbers and
// dates of those dialogs.
#pragma once

class QCoreApplication;

namespace orvane::gui
{

/// Loads Qt's French translations into `application` and makes French the
/// default locale. False when the translations are not installed (the
/// dialogs then stay in English; the program works on).
bool installe_traductions_qt(QCoreApplication& application);

} // namespace orvane::gui
