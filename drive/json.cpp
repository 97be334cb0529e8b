#include "json.h"

#include <QJsonDocument>
#include <QString>

namespace px {

std::string jsonLine(const QJsonObject& object) {
    return QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString();
}

QJsonArray jsonArray(const std::vector<std::string>& items) {
    QJsonArray out;
    for (const std::string& item : items)
        out.append(QString::fromStdString(item));
    return out;
}

std::string jsonString(const std::string& text) {
    // The one string of a one-element array, between its brackets.
    const std::string array =
        QJsonDocument(QJsonArray{QString::fromStdString(text)}).toJson(QJsonDocument::Compact).toStdString();
    return array.substr(1, array.size() - 2);
}

}  // namespace px
