// The JSON of the driver's answers and of the texts in its drawing files, written by Qt's JSON classes.
#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <string>
#include <vector>

namespace px {

// An answer: the object in compact form, one line (its members in the order of their names).
std::string jsonLine(const QJsonObject& object);
// Strings as a JSON array.
QJsonArray jsonArray(const std::vector<std::string>& items);
// A string as a JSON string literal.
std::string jsonString(const std::string& text);

}  // namespace px
