// The Port menu: the four COM ports, the adapters found, the virtual radio.

#include "app/qt/main_frame.h"

#include "app/qt/main_frame_parts.h"
#include "editor/qt/tol_view.h"
#include "link/port_names.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

#include <algorithm>

namespace tolvan {

using namespace frame_parts;

void CMainFrame::choosePort(const std::string& port)
{
    view_->setPortName(port);
    refreshPortChecks();
}

void CMainFrame::refreshAdapters()
{
    if (!portMenu_)
        return;
    for (QAction* a : adapterActions_) {
        portActions_.erase(std::find(portActions_.begin(), portActions_.end(), a));
        delete a;
    }
    adapterActions_.clear();
    // The adapters follow their separator.
    const QList<QAction*> items = portMenu_->actions();
    const qsizetype at = items.indexOf(adapterSeparator_);
    QAction* before = at >= 0 && at + 1 < items.size() ? items[at + 1] : nullptr;
    for (const std::string& device : listSerialAdapters()) {
        const QString path = QString::fromStdString(device);
        QString caption = path;
        if (const std::string description = serialAdapterDescription(device); !description.empty())
            caption += " (" + QString::fromStdString(description) + ")";
        auto* a = new QAction(caption, this);
        a->setData(path);
        a->setCheckable(true);
        a->setEnabled(!view_->transferRunning());
        connect(a, &QAction::triggered, this, [this, path] { choosePort(path.toStdString()); });
        portMenu_->insertAction(before, a);
        portGroup_->addAction(a);
        portActions_.push_back(a);
        adapterActions_.push_back(a);
    }
    adapterSeparator_->setVisible(!adapterActions_.empty());
    refreshPortChecks();
}

void CMainFrame::refreshPortChecks()
{
    // Exactly the item whose name equals the port name carries the check mark.
    const QString port = qs(view_->portName());
    bool found = false;
    for (QAction* a : portActions_) {
        const bool on = a->data().toString() == port;
        a->setChecked(on);
        found |= on;
    }
    if (!found) {  // a typed device path that no item names
        if (QAction* checked = portGroup_->checkedAction())
            checked->setChecked(false);
    }
}

} // namespace tolvan
