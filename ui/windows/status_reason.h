#pragma once

#include <QByteArray>
#include <QString>

#include "core/io/status.h"

namespace vorna::ui {

// The system's own words on what went wrong with a file, as a further line of
// a message: CR LF and the reason, or nothing when there is none.
inline QString reason_line(const Status& status) {
    if (status.ok() || status.reason().empty())
        return {};
    return QStringLiteral("\r\n") +
           QString::fromLocal8Bit(QByteArray::fromStdString(status.reason()));
}

}  // namespace vorna::ui
