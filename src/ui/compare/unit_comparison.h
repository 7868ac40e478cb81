#pragma once
// "Compare with Unit": the text that came from the unit (or a file) is read into a configuration
// of its own, compared with the configuration being edited, and shown in the compare dialog by
// the page where each member is edited, in the window's tab order. Nothing being edited is
// touched; choosing a row brings its page to the front with the record concerned chosen.

#include <QList>
#include <QObject>
#include <QString>

#include <vector>

class QTabWidget;
class QWidget;

namespace zel::model {
class ConfigModel;
enum class DiffSubject;
struct Difference;
} // namespace zel::model

namespace zel::ui {

class CompareDialog;
class EditorPage;
class UserPrompts;

class UnitComparison : public QObject {
    Q_OBJECT
public:
    // Where the configuration being edited stands.
    struct Standing {
        bool exportedSinceLoad = false; // to the unit compared with
        bool editedSinceDelivered = false;
        bool afterSend = false; // the fetch again that follows a Send Selected
    };

    // `pages` in tab order; the dialog opens over `window`.
    UnitComparison(QTabWidget* tabs, QList<EditorPage*> pages, QWidget* window);

    // Compares `edited` with `text` from `source` ("host: H", "file: P"), which did not come
    // whole when `incompleteReason` says why; shows the differences, or tells `prompts` when
    // the text sets nothing. Returns the status line's text.
    // Rows can be chosen and sent when `sendable` (a fetch from a unit).
    QString compare(const model::ConfigModel& edited, const QString& text, const QString& source,
                    const QString& incompleteReason, Standing standing, UserPrompts& prompts,
                    bool sendable = false);

    // The dialog of the last comparison; null before the first.
    CompareDialog* dialog() const { return m_dialog; }

signals:
    // "Send Selected" in the dialog, with the checked rows' differences.
    void sendRequested(const std::vector<zel::model::Difference>& chosen);

private:
    void showMember(const model::Difference& difference);
    EditorPage* pageEditing(model::DiffSubject subject) const;

    QTabWidget* m_tabs;
    QList<EditorPage*> m_pages;
    QWidget* m_window;
    CompareDialog* m_dialog = nullptr;
};

} // namespace zel::ui
