#include "report/html_text.h"

#include "model/printable_text.h"

namespace zel::report {

QString htmlOfBytes(std::string_view bytes)
{
    const std::string printable = model::escapeControlBytes(bytes);
    return htmlOf(QString::fromLatin1(printable.data(), static_cast<qsizetype>(printable.size())));
}

QString htmlOf(const QString& text)
{
    // toHtmlEscaped() leaves the single quote as it is; attributes here use double quotes, but a
    // name stays inert wherever it lands.
    return text.toHtmlEscaped().replace(QLatin1Char('\''), QLatin1String("&#39;"));
}

QString nameCell(std::string_view name)
{
    return name.empty() ? QStringLiteral("<span class=\"none\">(no name)</span>")
                        : htmlOfBytes(name);
}

QString signedLevel(int level)
{
    return level > 0 ? QStringLiteral("+%1").arg(level) : QString::number(level);
}

} // namespace zel::report
