#pragma once

#include <QKeySequence>
#include <QMetaType>
#include <QString>

namespace Zarvo::App
{
// A system-wide hotkey as the hotkey manager reports it when it fires.
class GlobalHotkey
{
public:
    GlobalHotkey() = default;
    GlobalHotkey(const QString& id, const QKeySequence& sequence = {})
        : id(id)
        , sequence(sequence)
    {
    }

    QString GetId() const { return id; }
    QKeySequence GetSequence() const { return sequence; }

private:
    QString id;
    QKeySequence sequence;
};
} // namespace Zarvo::App

Q_DECLARE_METATYPE(Zarvo::App::GlobalHotkey)
