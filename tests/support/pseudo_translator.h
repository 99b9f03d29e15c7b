// A translation for window tests that needs no translation file: every text comes back marked
// ("Mortgage Amount:" gives "‹Mortgage Amount:›"), or as the test's own text for the sources it
// names, so that a test sees which texts went through the translation and how a window copes
// with captions of another length. Plain code's texts (TrText) answer through it too, as the
// program's own translation makes them.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QTranslator>

#include <map>

#include "core/translate.h"

namespace hl::test {

class PseudoTranslator : public QTranslator {
  public:
    /// `fixed` maps source texts to the translations the test wants; the others come back marked.
    explicit PseudoTranslator(std::map<QString, QString> fixed = {}) : fixed_(std::move(fixed)) {
        QCoreApplication::installTranslator(this);
        SetTranslator([](const char* context, const char* text) {
            return QCoreApplication::translate(context, text).toStdString();
        });
    }
    ~PseudoTranslator() override {
        SetTranslator({});
        QCoreApplication::removeTranslator(this);
    }
    PseudoTranslator(const PseudoTranslator&) = delete;
    PseudoTranslator& operator=(const PseudoTranslator&) = delete;

    /// The mark a text gets.
    static QString Marked(const QString& source) {
        return QStringLiteral("\u2039") + source + QStringLiteral("\u203A");
    }

    QString translate(const char* /*context*/, const char* source, const char* /*disambiguation*/,
                      int /*n*/) const override {
        const QString text = QString::fromUtf8(source);
        if (text.isEmpty())
            return {};
        const auto it = fixed_.find(text);
        return it != fixed_.end() ? it->second : Marked(text);
    }
    bool isEmpty() const override { return false; }

  private:
    std::map<QString, QString> fixed_;
};

} // namespace hl::test
