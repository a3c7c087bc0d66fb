// Qt's own dialogs (file chooser, printing, message boxes) in French: the
// translations Debian ships with Qt, the few of its texts they lack, and
// the French locale for the dates and numbers those dialogs write.
#pragma once

class QCoreApplication;

namespace orvane::gui
{

/// Before the application object: a session that names no language
/// (LANG unset, "C", "C.UTF-8" or "POSIX", no LC_ALL) takes French, so that the
/// dialogs write dates the French way.
void choisit_langue_francaise();

/// Loads Qt's French translations into `application` and makes French the
/// default locale; the numbers of the computations keep the decimal point
/// whatever the session's locale. False when the translations are not
/// installed (the dialogs then stay in English; the program works on).
bool installe_traductions_qt(QCoreApplication& application);

} // namespace orvane::gui
