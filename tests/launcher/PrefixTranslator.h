#pragma once

#include <QCoreApplication>
#include <QStringList>
#include <QTranslator>

namespace LauncherTest
{
// Installed for the scope's life, translates every text of the given contexts to prefix + source
// text, so a test sees which texts were looked up again after a language change.
class ScopedTranslator : public QTranslator
{
public:
    ScopedTranslator(const QString& prefix, const QStringList& contexts)
        : prefix(prefix)
        , contexts(contexts)
    {
        QCoreApplication::installTranslator(this);
    }
    ~ScopedTranslator() override { QCoreApplication::removeTranslator(this); }

    // An empty translator is installed without a LanguageChange event.
    bool isEmpty() const override { return false; }

    QString translate(const char* context, const char* sourceText, const char* = nullptr, int = -1) const override
    {
        return contexts.contains(QLatin1String(context)) ? prefix + QString::fromUtf8(sourceText) : QString();
    }

private:
    QString prefix;
    QStringList contexts;
};
} // namespace LauncherTest
