#pragma once

#include <QBoxLayout>

// A box layout that installs itself on its parent widget and can be filled in one
// chained statement: new ZVBoxLayout(frame))->autoFill().addStretch();
class ZBoxLayout : public QBoxLayout
{
    Q_OBJECT
public:
    ZBoxLayout(Direction direction, QWidget* parent);
    ~ZBoxLayout() override;

    // Appends a stretch; hides QBoxLayout::addStretch so that calls chain.
    ZBoxLayout& addStretch(int stretch = 0);
    // Appends the parent's direct child widgets in creation order, skipping those
    // already in this layout and child windows.
    ZBoxLayout& autoFill();
};

class ZHBoxLayout : public ZBoxLayout
{
    Q_OBJECT
public:
    explicit ZHBoxLayout(QWidget* parent);
    ~ZHBoxLayout() override;
};

class ZVBoxLayout : public ZBoxLayout
{
    Q_OBJECT
public:
    explicit ZVBoxLayout(QWidget* parent);
    ~ZVBoxLayout() override;
};
