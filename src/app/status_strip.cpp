// The status bar's two labels.
#include "app/status_strip.h"

#include <QCoreApplication>
#include <QLabel>

#include "app/study_commands.h"
#include "scenario/session.h"

namespace hl {

StatusStrip::StatusStrip(QWidget* parent) : QStatusBar(parent) {
    setObjectName("StatusBar");
    setSizeGripEnabled(false);
    StudyName = new QLabel(this);
    StudyName->setObjectName("StudyName");
    UnsavedNote =
        new QLabel(QCoreApplication::translate("hl::StatusStrip", "Unsaved changes"), this);
    UnsavedNote->setObjectName("UnsavedNote");
    addWidget(StudyName, 1);
    addPermanentWidget(UnsavedNote);
}

void StatusStrip::Show(const Session& session) {
    StudyName->setText(QString::fromStdString(ShownStudyTitle(session.studyPath)));
    StudyName->setToolTip(QString::fromStdString(session.studyPath));
    UnsavedNote->setVisible(session.Unsaved());
}

} // namespace hl
