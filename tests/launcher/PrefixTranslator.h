#pragma once

#include <QCoreApplication>
#include <QStringList>
#include <QTranslator>

namespace LauncherTest
{
// Translates every text of the given contexts to prefix + source text, so a test sees which
// texts were looked up again after a language change.
class PrefixTranslator : public QTranslator
{
public:
    PrefixTranslator(const QString& prefix, const QStringList& contexts)
        : prefix(prefix)
        , contexts(contexts)
    {
    }

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

// Installed for the scope's life.
class ScopedTranslator
{
public:
    ScopedTranslator(const QString& prefix, const QStringList& contexts)
        : translator(prefix, contexts)
    {
        QCoreApplication::installTranslator(&translator);
    }
    ~ScopedTranslator() { QCoreApplication::removeTranslator(&translator); }

private:
    PrefixTranslator translator;
};
} // namespace LauncherTest
