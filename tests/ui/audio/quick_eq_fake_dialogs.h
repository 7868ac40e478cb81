#pragma once
// Answers the quick EQ controls' questions in code, in place of the dialogs, and records them.

#include "ui/audio/quick_eq_dialogs.h"

#include <QString>
#include <QStringList>

namespace zel::test {

class FakeQuickEqDialogs : public ui::QuickEqDialogs {
public:
    QString askSavePath(QWidget*, const QString& folder, const QString& proposed) override
    {
        askedFolder = folder;
        proposedName = proposed;
        ++saveDialogs;
        return savePath;
    }
    bool confirm(QWidget*, const QString& question) override
    {
        questions << question;
        return answer;
    }
    void showError(QWidget*, const QString& message) override { errors << message; }

    QString savePath;
    bool answer = true;
    int saveDialogs = 0;
    QString askedFolder;
    QString proposedName;
    QStringList questions;
    QStringList errors;
};

} // namespace zel::test
