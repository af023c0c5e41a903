#pragma once

#include <QString>

namespace Zarvo::Orb::Service::Feedback
{
class IFeedbackController
{
public:
    virtual ~IFeedbackController() = default;
    // Returns whether the feedback was accepted for delivery.
    virtual bool SendFeedback(const QString& text, const QString& source) = 0;
};
} // namespace Zarvo::Orb::Service::Feedback
