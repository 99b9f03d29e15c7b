// File > Open Recent: the last studies opened or saved, newest first, kept in the user's settings.
#pragma once

#include <QObject>
#include <string>
#include <vector>

#include "windowkit/app_context.h"

class QMenu;

namespace hl {

inline constexpr std::size_t kRecentStudies = 8;
inline constexpr const char* kRecentStudiesKey = "recentStudies";

/// `list` with `path` put first, once, and no more than kRecentStudies entries.
std::vector<std::string> WithRecent(std::vector<std::string> list, const std::string& path);
/// `list` without `path`.
std::vector<std::string> WithoutRecent(std::vector<std::string> list, const std::string& path);

/// The "Open Recent" submenu (objectName "OpenRecent"): items "Recent1".."Recent8" with the
/// paths as tips, filled each time it opens.
class RecentStudiesMenu : public QObject {
  public:
    RecentStudiesMenu(QMenu* menu, AppContext& context);

    /// Puts the study first in the list (it was just opened or saved).
    void Note(const std::string& path);
    /// Opens the entry, as Open does; one that no longer exists says so and leaves the list.
    void OpenEntry(std::string path);

  private:
    void Fill();
    std::vector<std::string> List() const;
    void Store(const std::vector<std::string>& list);

    QMenu* menu_;
    AppContext& context_;
};

} // namespace hl
