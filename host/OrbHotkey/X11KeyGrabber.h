#pragma once

#include <QAbstractNativeEventFilter>
#include <QKeySequence>
#include <QString>

#include <functional>
#include <memory>

namespace Zarvo::Orb
{
// Key combinations grabbed system-wide on an X11 display: each on the root window, with and
// without Caps Lock and Num Lock, reported through a native event filter of the application.
class X11KeyGrabber : public QAbstractNativeEventFilter
{
public:
    enum class Result
    {
        Grabbed,
        // Another program (or another id of ours) holds the combination.
        Taken,
        // The keyboard has no key for it, or it is not one plain combination.
        NoSuchKey,
    };

    // Null where the application does not run on X11 or was built without it.
    static std::unique_ptr<X11KeyGrabber> Create(std::function<void(const QString& id)> pressed);
    ~X11KeyGrabber() override;

    // Releases what id held, then grabs keys for it; an empty sequence only releases.
    Result Grab(const QString& id, const QKeySequence& keys);

    bool nativeEventFilter(const QByteArray& eventType, void* message, long* result) override;

private:
    X11KeyGrabber();

    struct Impl;
    std::unique_ptr<Impl> d;
};
} // namespace Zarvo::Orb
