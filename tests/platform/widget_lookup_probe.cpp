// Looks up a control that is not there, so that a test can see the lookup stop the run.
#include <QCoreApplication>
#include <QObject>

#include "support/widget_lookup.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QObject form;
    form.setObjectName("Form2");
    auto* text1 = new QObject(&form);
    text1->setObjectName("Text1");
    // argv[1] picks the failure: a name that is missing, or a name on the wrong type.
    const bool wrongType = argc > 1 && QByteArray(argv[1]) == "wrong-type";
    if (wrongType)
        hl::test::Child<QCoreApplication>(&form, "Text1");
    else
        hl::test::Child<QObject>(&form, "Text9");
    return 0;
}
