#pragma once

#include <QString>

// Why the system refused a file operation, as a Czech message shows it in parentheses or after a
// colon: the reasons a learner meets and can act on in Czech (no permission, no space, a read-only
// medium, a missing folder), any other in the system's own words. Every message that shows a
// system reason takes it from here.
namespace DuvodSystemu {

// The reason for an error number (errno, std::error_code::value(), sqlite3_system_errno()).
QString Text(int cislo);

// The reason in a text of Qt's file classes (QFileDevice::errorString(), QLibrary::errorString()),
// which carry the system's own words: each of the reasons above inside it is given in Czech, the
// rest of the text is kept.
QString Text(const QString &textSystemu);

} // namespace DuvodSystemu
