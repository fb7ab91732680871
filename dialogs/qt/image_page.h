#pragma once

#include <QWidget>

namespace tolvan {

// A page of a settings dialog that holds values only while on screen: it reads
// them from the image every time it is shown and writes them back every time
// it is hidden (another tab chosen, or the dialog closed).
class ImagePage : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    virtual void load() = 0;
    virtual void store() = 0;

protected:
    // Minimising and restoring the window are not page changes.
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
};

} // namespace tolvan
