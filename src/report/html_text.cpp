#include "report/html_text.h"

#include "model/command_language.h"
#include "model/config_model.h"
#include "model/printable_text.h"
#include "report/report_texts.h"

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
    return name.empty()
               ? QStringLiteral("<span class=\"none\">%1</span>").arg(ReportText::tr("(no name)"))
               : htmlOfBytes(name);
}

QString numberedCell(int number, std::string_view name)
{
    return QStringLiteral("%1 %2").arg(QString::number(number), nameCell(name));
}

QString nameText(std::string_view name)
{
    const std::string printable = model::escapeControlBytes(name);
    return QString::fromLatin1(printable.data(), static_cast<qsizetype>(printable.size()))
        .trimmed();
}

QString numberedName(const QString& kind, int number, std::string_view name)
{
    const QString text = nameText(name);
    const QString numbered = QStringLiteral("%1 %2").arg(kind).arg(number);
    return text.isEmpty() ? numbered : numbered + QLatin1Char(' ') + text;
}

QString signedLevel(int level)
{
    return level > 0 ? QStringLiteral("+%1").arg(level) : QString::number(level);
}

QString balanceText(int balance)
{
    if (balance == 0)
        return ReportText::tr("centre");
    return balance < 0 ? ReportText::tr("left %1 dB").arg(-balance)
                       : ReportText::tr("right %1 dB").arg(balance);
}

QString eqModeText(int mode)
{
    if (mode >= 0 && mode < static_cast<int>(model::kEqModeNames.size()))
        return QString::fromLatin1(model::kEqModeNames[static_cast<std::size_t>(mode)]);
    return mode < 0 ? ReportText::tr("none chosen") : ReportText::tr("unknown (%1)").arg(mode);
}

QString bandFrequency(int band)
{
    const std::string_view text = model::kBandFrequencies.at(static_cast<std::size_t>(band - 1));
    if (text.ends_with('K'))
        return ReportText::tr("%1 kHz").arg(
            QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size() - 1)));
    return ReportText::tr("%1 Hz").arg(
        QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
}

} // namespace zel::report
