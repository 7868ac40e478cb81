#pragma once
// Configuration text is 8-bit: each byte is the Latin-1 character of the same code, so every
// byte survives the way into a QString and back. The one conversion between the model's
// std::string and Qt's QString.

#include <QString>
#include <QStringList>

#include <string>
#include <string_view>
#include <vector>

namespace zel::text {

inline QString fromLatin1(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

inline QStringList fromLatin1(const std::vector<std::string>& texts)
{
    QStringList out;
    for (const std::string& text : texts)
        out << fromLatin1(text);
    return out;
}

// Characters outside Latin-1 have no byte; the pages refuse them before they get here.
inline std::string toLatin1(const QString& text)
{
    return text.toLatin1().toStdString();
}

} // namespace zel::text
