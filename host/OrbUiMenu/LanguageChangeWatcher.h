#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

#include <functional>

namespace Zarvo::Orb::UI
{
// Runs a callback whenever the application's translators change. Filters on the application
// object, which sees LanguageChange once per change before it is forwarded to every widget.
class LanguageChangeWatcher : public QObject
{
public:
    explicit LanguageChangeWatcher(std::function<void()> onChange)
        : onChange(std::move(onChange))
    {
        if (auto* application = QCoreApplication::instance())
        {
            application->installEventFilter(this);
        }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::LanguageChange && watched == QCoreApplication::instance())
        {
            onChange();
        }
        return false;
    }

private:
    std::function<void()> onChange;
};
} // namespace Zarvo::Orb::UI
