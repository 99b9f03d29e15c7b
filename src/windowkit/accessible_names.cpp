#include "windowkit/accessible_names.h"

#include <QRegularExpression>
#include <QWidget>

namespace hl {

QString CaptionName(const QString& caption) {
    QString name = caption;
    if (const qsizetype colon = name.indexOf(QLatin1Char(':')); colon >= 0)
        name.truncate(colon);
    // "(eg. 11.5)", and "(ex. 11.5)" or "(p. ex. 11.5)" as French captions give it.
    static const QRegularExpression example(QStringLiteral("\\(\\s*(eg|ex|p\\.\\s*ex)\\.[^)]*\\)"),
                                            QRegularExpression::CaseInsensitiveOption);
    name.remove(example);
    // "&&" stands for one "&"; a single "&" marks the shortcut letter.
    name.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    name.remove(QLatin1Char('&'));
    name.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return name.simplified();
}

void NameAfterCaption(QWidget* box, const QString& caption) {
    box->setAccessibleName(CaptionName(caption));
}

} // namespace hl
