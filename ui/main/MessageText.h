#pragma once
// Messages from core and deploy arrive as UTF-8 byte strings: project values were converted where
// they entered the message, host paths are UTF-8 already (core/MsgDlg.h).

#include <QString>

#include <string>

namespace tv {

QString MessageToQString(const std::string& utf8);

} // namespace tv
