#pragma once

#include "ZarvoWidget/AbstractLayoutController.h"

#include <QFrame>

// A plain frame for style sheets to draw; the building block of every window.
class ZFrame : public QFrame, public AbstractLayoutController
{
    Q_OBJECT
public:
    explicit ZFrame(QWidget* parent = nullptr, Qt::WindowFlags f = {});
    ~ZFrame() override;

protected:
    QLayout* getLayout() const override;
};
