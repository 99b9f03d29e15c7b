// The status bar at the foot of the main window: the study's file name and whether it has
// unsaved changes.
#pragma once

#include <QStatusBar>

class QLabel;

namespace hl {

struct Session;

class StatusStrip : public QStatusBar {
  public:
    explicit StatusStrip(QWidget* parent = nullptr);

    /// Shows the session's study name ("Untitled" without a file) and "Unsaved changes" while
    /// the flag is set.
    void Show(const Session& session);

    QLabel* StudyName;   ///< the study's file name, its path as the tip
    QLabel* UnsavedNote; ///< "Unsaved changes", shown while the flag is set
};

} // namespace hl
