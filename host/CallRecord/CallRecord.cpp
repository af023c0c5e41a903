#include "CallRecord/CallRecord.h"

#include <stdexcept>

namespace Zarvo::Host
{
CallRecord& CallRecord::Instance()
{
    static CallRecord record;
    return record;
}

void CallRecord::Add(const QString& call)
{
    auto& record = Instance();
    for (int index = 0; index < record.failures.size(); ++index)
    {
        Failure& failure = record.failures[index];
        if (call.startsWith(failure.prefix) && failure.skip-- == 0)
        {
            record.failures.removeAt(index);
            throw std::runtime_error("host service failed: " + call.toStdString());
        }
    }
    record.calls.append(call);
    emit record.CallAdded(call);
}

QStringList CallRecord::Calls()
{
    return Instance().calls;
}

void CallRecord::Clear()
{
    Instance().calls.clear();
    Instance().failures.clear();
}

void CallRecord::FailNext(const QString& prefix, int skip)
{
    Instance().failures.append({prefix, skip});
}

bool CallRecord::HasPendingFailures()
{
    return !Instance().failures.isEmpty();
}

QStringList CallRecord::CallsStartingWith(const QString& prefix)
{
    QStringList result;
    for (const auto& call : Instance().calls)
    {
        if (call.startsWith(prefix))
        {
            result.append(call);
        }
    }
    return result;
}
} // namespace Zarvo::Host
