#include "ZarvoWidget/ZFrame.h"

ZFrame::ZFrame(QWidget* parent, Qt::WindowFlags f)
    : QFrame(parent, f)
{
}

ZFrame::~ZFrame() = default;

QLayout* ZFrame::getLayout() const
{
    return layout();
}
