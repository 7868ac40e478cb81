#pragma once
// The three link items of the "File" menu: "File Mode", "Serial Mode" and "Telnet Mode". The
// checked one is the link mode; none is checked when the telnet host prompt ends without a host.
// Choosing telnet asks for the host; what the other modes need (the serial port) is left to
// whoever hears modeChosen().

#include "link/link_mode.h"

#include <QObject>
#include <QString>

class QAction;
class QActionGroup;

namespace zel::ui {

class UserPrompts;

class LinkModeActions : public QObject {
    Q_OBJECT
public:
    // `prompts` must outlive the items, or be replaced with setPrompts().
    explicit LinkModeActions(UserPrompts& prompts, QObject* parent = nullptr);

    void setPrompts(UserPrompts& prompts) { m_prompts = &prompts; }

    QAction* fileModeAction() const { return m_fileModeAction; }
    QAction* serialModeAction() const { return m_serialModeAction; }
    QAction* telnetModeAction() const { return m_telnetModeAction; }
    // Holds the three items. At most one is checked.
    QActionGroup* group() const { return m_group; }

    // The checked item, or None when no item is checked.
    link::LinkMode linkMode() const;
    // The telnet host as typed, blanks included.
    QString host() const { return m_host; }

public slots:
    void chooseFileMode();
    void chooseSerialMode();
    void chooseTelnetMode();
    // Telnet Mode with `host`, without asking for it: a unit picked from a list.
    void useTelnetHost(const QString& host);

signals:
    // A mode item was chosen: before anything of the mode changes (whoever holds the link ends
    // its work with it).
    void aboutToChoose();
    // A mode item was chosen and is checked; for telnet, before the host is asked for.
    void modeChosen(zel::link::LinkMode mode);
    // For the log text box ("Using host: ...").
    void logLine(const QString& line);

private:
    void checkOnly(QAction* mode);

    UserPrompts* m_prompts;
    QString m_host;
    QActionGroup* m_group;
    QAction* m_fileModeAction;
    QAction* m_serialModeAction;
    QAction* m_telnetModeAction;
};

} // namespace zel::ui
