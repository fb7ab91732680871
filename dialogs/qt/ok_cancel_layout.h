#pragma once

#include <string>

class QDialog;
class QLayout;

namespace tolvan {

// A settings dialog's layout: its controls, then OK (the default button, which
// accepts) and Cancel (which rejects) below them.
void setOkCancelLayout(QDialog* dialog, QLayout* controls, const std::string& ok, const std::string& cancel);

} // namespace tolvan
