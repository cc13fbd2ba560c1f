#pragma once

#include <QString>

#include <string_view>

namespace kivo {

// Removes leading and trailing space characters (code 32) only. Tabs and line
// breaks are content: the entry checks and the form's placeholder rules treat
// them as typed text.
QString trimSpaces(const QString& text);

// A UTF-8 text of the engine's, such as a reading or a rating, for a label.
QString engineText(std::string_view utf8);

}  // namespace kivo
