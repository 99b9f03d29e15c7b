// A study file dropped on the main window opens as File > Open would open it.
#pragma once

#include <QObject>
#include <functional>
#include <optional>
#include <string>

class QMimeData;

namespace hl {

/// The one local ".mtg" file a drag carries, nothing for anything else.
std::optional<std::string> DroppedStudy(const QMimeData* data);

/// Watches a window's drops and hands the study file on.
class StudyDrop : public QObject {
  public:
    StudyDrop(QWidget* window, std::function<void(const std::string&)> open);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::function<void(const std::string&)> open_;
};

} // namespace hl
