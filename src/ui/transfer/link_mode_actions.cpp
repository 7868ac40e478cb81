#include "ui/transfer/link_mode_actions.h"

#include "ui/common/user_prompts.h"

#include <QAction>
#include <QActionGroup>

namespace zel::ui {

using link::LinkMode;

LinkModeActions::LinkModeActions(UserPrompts& prompts, QObject* parent)
    : QObject(parent), m_prompts(&prompts)
{
    // Link handling may leave no mode checked, so the group keeps the items exclusive without
    // forcing one of them on.
    m_group = new QActionGroup(this);
    m_group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    m_fileModeAction = new QAction(tr("File &Mode"), this);
    m_serialModeAction = new QAction(tr("&Serial Mode"), this);
    m_telnetModeAction = new QAction(tr("&Telnet Mode"), this);
    for (QAction* mode : {m_fileModeAction, m_serialModeAction, m_telnetModeAction}) {
        mode->setCheckable(true);
        m_group->addAction(mode);
    }
    m_fileModeAction->setChecked(true);
    connect(m_fileModeAction, &QAction::triggered, this, &LinkModeActions::chooseFileMode);
    connect(m_serialModeAction, &QAction::triggered, this, &LinkModeActions::chooseSerialMode);
    connect(m_telnetModeAction, &QAction::triggered, this, &LinkModeActions::chooseTelnetMode);
}

LinkMode LinkModeActions::linkMode() const
{
    if (m_fileModeAction->isChecked())
        return LinkMode::File;
    if (m_serialModeAction->isChecked())
        return LinkMode::Serial;
    if (m_telnetModeAction->isChecked())
        return LinkMode::Telnet;
    return LinkMode::None;
}

void LinkModeActions::checkOnly(QAction* mode)
{
    // Set outright: a click on the item already checked would otherwise clear it.
    for (QAction* item : m_group->actions())
        item->setChecked(item == mode);
}

void LinkModeActions::chooseFileMode()
{
    emit aboutToChoose();
    checkOnly(m_fileModeAction);
    emit modeChosen(LinkMode::File);
}

void LinkModeActions::chooseSerialMode()
{
    emit aboutToChoose();
    checkOnly(m_serialModeAction);
    emit modeChosen(LinkMode::Serial);
}

void LinkModeActions::chooseTelnetMode()
{
    emit aboutToChoose();
    checkOnly(m_telnetModeAction);
    emit modeChosen(LinkMode::Telnet);
    const std::optional<QString> host = m_prompts->inputQuery(tr("Enter the address for the ZEL"),
                                                              tr("Hostname or IP Address: "), {});
    if (host && !host->isEmpty()) {
        m_host = *host; // as typed, blanks included
        emit logLine(tr("Using host: %1").arg(m_host));
    } else {
        m_telnetModeAction->setChecked(false);
        emit logLine(tr("No host entered.  Telnet disabled."));
    }
}

void LinkModeActions::useTelnetHost(const QString& host)
{
    checkOnly(m_telnetModeAction);
    emit modeChosen(LinkMode::Telnet);
    m_host = host;
    emit logLine(tr("Using host: %1").arg(m_host));
}

} // namespace zel::ui
