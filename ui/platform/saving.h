// Saving what the user asked to save: where (a file dialog, which tests stand in for) and how
// (all or nothing, with a message titled 提示 when the disk refuses).
#pragma once

#include <QByteArrayView>
#include <QString>
#include <functional>

#include "belvik/result_commands.h"
#include "belvik/window_design.h"
#include "message_box.h"

class QIODevice;

namespace belvik::ui {

// Asks where to save: the dialog's caption, the suggested path and the file-type filter. Returns
// the chosen path, or an empty string when the user cancels.
using FileChooserFn = std::function<QString(const QString& caption, const QString& suggestedPath,
                                            const QString& filter)>;

// The real one: the platform's save dialog over the active window.
QString AskSaveFileName(const QString& caption, const QString& suggestedPath,
                        const QString& filter);

// A file dialog's entry for files of `kind`: CSV 文件 (*.csv).
QString FileFilter(const design::FileKind& kind);

// Asks `chooseFile` where to save a file of `kind` holding a result of `pane`; empty when the
// user cancels.
QString ChooseFile(const FileChooserFn& chooseFile, const design::FileKind& kind,
                   const design::PaneDescription& pane);

// The user's documents folder and a name from the pane and today's date, such as
// 定投计算-20261208.csv.
QString SuggestedPath(const design::PaneDescription& pane, const QString& extension);

// Writes `path` through `write` into a temporary file that replaces `path` only once `write`
// has returned true and everything reached the disk, so a failure leaves no partial file. On a
// failure other than `write` returning false, tells the user why; returns whether it saved.
bool SaveAtomically(const QString& path, const std::function<bool(QIODevice&)>& write,
                    const MessageBoxFn& messageBox);

// SaveAtomically for content that is ready in memory.
bool SaveBytes(const QString& path, QByteArrayView bytes, const MessageBoxFn& messageBox);

}  // namespace belvik::ui
