#include "CallRecord/CallRecord.h"

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
