#include "editor/column_widths.h"

namespace tolvan {

double columnWidthFactor(Column column)
{
    switch (column) {
    case Column::Channel:
        return 0.6;
    case Column::Receive:
    case Column::Transmit:
        return 1.2;
    case Column::RxTone:
    case Column::TxTone:
    case Column::Bandwidth:
    case Column::Scan:
    case Column::Power:
    case Column::Busy:
        return 0.8333333333333334;
    case Column::Signal:
    case Column::PttId:
    case Column::Name:
    case Column::More:
        return 1.0;
    }
    return 1.0;
}

} // namespace tolvan
