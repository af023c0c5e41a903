#pragma once

#include <QObject>
#include <QStringList>

namespace Zarvo::Host
{
// One ordered record of every call the module makes on the host stand-ins.
// Entries read "Class::Operation" or "Class::Operation(arg, arg)".
// Tests read and clear it; the demo host shows it live through CallAdded.
class CallRecord : public QObject
{
    Q_OBJECT
public:
    static CallRecord& Instance();

    static void Add(const QString& call);
    static QStringList Calls();
    static void Clear();

    // Calls that start with the given prefix, in order ("CaptureTrayIcon::" say).
    static QStringList CallsStartingWith(const QString& prefix);

    // The next call that starts with the prefix, after `skip` such calls went through, throws
    // std::runtime_error instead of being recorded or taking effect: a host service failing
    // once. Clear drops pending failures too.
    static void FailNext(const QString& prefix, int skip = 0);
    static bool HasPendingFailures();

signals:
    void CallAdded(const QString& call);

private:
    CallRecord() = default;
    QStringList calls;
    struct Failure
    {
        QString prefix;
        int skip;
    };
    QList<Failure> failures;
};
} // namespace Zarvo::Host
