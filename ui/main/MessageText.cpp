#include "ui/main/MessageText.h"

namespace tv {

QString MessageToQString(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

} // namespace tv
