#pragma once

class QLayout;

// Common base of the kit's containers: each can hand out the layout it arranges.
class AbstractLayoutController
{
public:
    virtual ~AbstractLayoutController() = default;

protected:
    virtual QLayout* getLayout() const = 0;
};
