#pragma once
// Answers the window's questions as a user who chose the unit and the file would, for the
// benchmarks that drive the window.

#include "ui/common/user_prompts.h"

#include <cstdio>

namespace zel::bench {

class BenchPrompts : public ui::UserPrompts {
public:
    // `unit`: the port or host chosen; `file`: the configuration file chosen to open.
    BenchPrompts(QString unit, QString file) : m_unit(std::move(unit)), m_file(std::move(file)) {}
    std::optional<QString> choosePort() override { return m_unit; }
    std::optional<QString> inputQuery(const QString&, const QString&, const QString&) override
    {
        return m_unit;
    }
    QString openFileName(const QString&) override { return m_file; }
    QString saveFileName(const QString&) override { return {}; }
    bool confirm(const QString&) override { return true; }
    QString quickEqSavePath(const QString&, const QString&) override { return {}; }
    bool confirmPresetFile(const QString&) override { return false; }
    QList<int> chooseItems(const QString&, const QString&, const QList<ui::TickableItem>&) override
    {
        return {};
    }
    std::optional<ui::ReportChoice> reportFile(const ui::ReportQuestion&) override
    {
        return std::nullopt;
    }
    ui::LiveSide chooseLiveSide(const QString&, const QStringList&, bool) override
    {
        return ui::LiveSide::SendEdited;
    }
    void showError(const QString& text) override
    {
        std::fprintf(stderr, "window error: %s\n", qPrintable(text));
    }

private:
    QString m_unit;
    QString m_file;
};

} // namespace zel::bench
