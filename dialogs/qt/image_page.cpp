#include "dialogs/qt/image_page.h"

#include <QShowEvent>

namespace tolvan {

void ImagePage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        load();
}

void ImagePage::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    if (!event->spontaneous())
        store();
}

} // namespace tolvan
