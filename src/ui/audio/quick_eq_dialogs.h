#pragma once
// The questions the quick EQ preset controls ask the user. Behind an interface so that tests
// answer them without showing a modal dialog.

#include <QString>

class QWidget;

namespace zel::ui {

class QuickEqDialogs {
public:
    virtual ~QuickEqDialogs() = default;
    // The path to save a curve to, starting in `folder` with `proposedName`; empty if cancelled.
    virtual QString askSavePath(QWidget* parent, const QString& folder,
                                const QString& proposedName) = 0;
    // An OK/Cancel question; true for OK.
    virtual bool confirm(QWidget* parent, const QString& question) = 0;
    virtual void showError(QWidget* parent, const QString& message) = 0;
};

// The real dialogs: a save-file dialog and message boxes.
class NativeQuickEqDialogs : public QuickEqDialogs {
public:
    QString askSavePath(QWidget* parent, const QString& folder,
                        const QString& proposedName) override;
    bool confirm(QWidget* parent, const QString& question) override;
    void showError(QWidget* parent, const QString& message) override;
};

} // namespace zel::ui
