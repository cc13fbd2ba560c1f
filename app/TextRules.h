#pragma once

#include <QString>

namespace kivo {

// Removes leading and trailing space characters (code 32) only. Tabs and line
// breaks are content: the entry checks and the form's placeholder rules treat
// them as typed text.
QString TrimSpaces(const QString& text);

}  // namespace kivo
