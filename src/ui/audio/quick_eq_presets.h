#pragma once
// PC quick EQ preset files: small ".eq" text files, ten lines of band levels
// (band 1 first) written with their sign reversed, each line ended by CR LF. This file holds the
// file side only (listing, reading, writing); where the files are kept is quick_eq_library.h,
// the boxes and buttons that use them quick_eq_panel.h.

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>

#include <array>
#include <vector>

#include "model/config_model.h"

namespace zel::ui {

constexpr int kQuickEqMinLevel = -10;
constexpr int kQuickEqMaxLevel = 10;
// A quick EQ file holds ten short lines; reading stops here so that a huge file cannot stall
// the window. Only complete lines within this many bytes are read.
constexpr qsizetype kQuickEqReadLimit = 64 * 1024;

inline constexpr char kQuickEqSuffix[] = "eq";
// The file dialog's filter, translated where shown.
inline constexpr char kQuickEqFilter[] = QT_TRANSLATE_NOOP("Audio", "EQ files (*.eq)");

using BandLevels = std::array<int, model::kBands>;

// One quick EQ preset file found in a preset folder.
struct QuickEqEntry {
    QString name;     // shown in the boxes: the file name up to the first ".eq" (any case)
    QString fileName; // the file name exactly as listed, so that "Rock.EQ" is found again
    QString path;     // the folder and the file name
};

// The ".eq" files of `folder` (extension in any letter case; folders and hidden files skipped),
// sorted by entry name without regard to letter case. An unreadable folder gives what could be
// listed, possibly nothing.
QList<QuickEqEntry> listQuickEqFiles(const QString& folder);

// Sorts entries by name without regard to letter case, then by file name.
void sortQuickEqEntries(QList<QuickEqEntry>& entries);

// The levels a quick EQ file's content gives bands 1, 2, ... in turn: each line's number with
// its sign reversed, clamped to -10..10. Reading stops quietly at the first missing line or
// line that is not a decimal integer, so the result holds 0 to 10 levels.
std::vector<int> parseQuickEqLevels(const QByteArray& content);

// Reads a quick EQ file; an unreadable file gives no levels.
std::vector<int> readQuickEqFile(const QString& path);

// The file content for ten band levels: each level with its sign reversed, CR LF after each.
QByteArray formatQuickEqLevels(const BandLevels& levels);

// Writes `content` to `path` atomically (an earlier file stays intact if writing fails). On
// failure returns false and sets `error` to the system's reason.
bool writeQuickEqFile(const QString& path, const QByteArray& content, QString* error);

// `path` with ".eq" added when its file name has no extension.
QString withQuickEqSuffix(const QString& path);

} // namespace zel::ui
