// The recent studies list and its submenu.
#include "app/recent_studies.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMenu>
#include <algorithm>

#include "app/study_commands.h"
#include "files/recovery_names.h"

namespace hl {

std::vector<std::string> WithRecent(std::vector<std::string> list, const std::string& path) {
    list = WithoutRecent(std::move(list), path);
    list.insert(list.begin(), path);
    if (list.size() > kRecentStudies)
        list.resize(kRecentStudies);
    return list;
}

std::vector<std::string> WithoutRecent(std::vector<std::string> list, const std::string& path) {
    list.erase(std::remove(list.begin(), list.end(), path), list.end());
    return list;
}

RecentStudiesMenu::RecentStudiesMenu(QMenu* menu, AppContext& context)
    : QObject(menu), menu_(menu), context_(context) {
    menu_->setObjectName("OpenRecent");
    menu_->menuAction()->setObjectName("OpenRecent");
    menu_->setToolTipsVisible(true);
    connect(menu_, &QMenu::aboutToShow, this, &RecentStudiesMenu::Fill);
    Fill();
}

std::vector<std::string> RecentStudiesMenu::List() const {
    std::vector<std::string> list = context_.services.SettingList(kRecentStudiesKey);
    if (list.size() > kRecentStudies)
        list.resize(kRecentStudies);
    return list;
}

void RecentStudiesMenu::Store(const std::vector<std::string>& list) {
    context_.services.SetSettingList(kRecentStudiesKey, list);
    Fill();
}

void RecentStudiesMenu::Note(const std::string& path) { Store(WithRecent(List(), path)); }

void RecentStudiesMenu::Fill() {
    // An item may be the one being chosen right now: it goes once its signal is over.
    for (QAction* old : menu_->actions()) {
        menu_->removeAction(old);
        old->setObjectName(QString());
        old->deleteLater();
    }
    const std::vector<std::string> list = List();
    for (std::size_t k = 0; k < list.size(); ++k) {
        const std::string& path = list[k];
        // "&1 house.mtg": the digit picks it from the keyboard.
        QAction* item = menu_->addAction(QString("&%1 %2").arg(k + 1).arg(
            QString::fromStdString(StudyTitle(path)).replace('&', "&&")));
        item->setObjectName(QString("Recent%1").arg(k + 1));
        item->setToolTip(QString::fromStdString(path));
        connect(item, &QAction::triggered, this, [this, path] { OpenEntry(path); });
    }
    menu_->menuAction()->setEnabled(!list.empty());
}

void RecentStudiesMenu::OpenEntry(std::string path) {
    if (!QFileInfo(QString::fromStdString(path)).isFile()) {
        context_.services.Beep();
        context_.services.Tell(
            QCoreApplication::translate("hl::RecentStudiesMenu", "Mtge Error Trap").toStdString(),
            QCoreApplication::translate("hl::RecentStudiesMenu",
                                        "The study %1 no longer exists.\rIt was taken off the list "
                                        "of recent studies; the current study was left as it was.")
                .arg(QString::fromStdString(path))
                .toStdString());
        Store(WithoutRecent(List(), path));
        return;
    }
    if (MayDiscardForOpen(context_))
        OpenStudyFile(context_, path);
}

} // namespace hl
