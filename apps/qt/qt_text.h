#pragma once
#include <QIcon>
#include <QString>
#include <string>

namespace pultara::qt {

// The core's strings are UTF-8.
inline QString ToQt(const std::string& text) {
    return QString::fromUtf8(text);
}
inline std::string FromQt(const QString& text) {
    return text.toUtf8().toStdString();
}

// The program's icon (from the resources).
QIcon ApplicationIcon();

}  // namespace pultara::qt
