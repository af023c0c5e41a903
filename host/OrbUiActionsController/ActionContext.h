#pragma once

#include <QKeySequence>
#include <QString>

#include <functional>

namespace Zarvo::Orb::UI::Action
{
// One named action: its id, a getter for its (translated) text and its default shortcut.
struct ActionContext
{
    QString id;
    std::function<QString()> text;
    QKeySequence shortcut;
};
} // namespace Zarvo::Orb::UI::Action
