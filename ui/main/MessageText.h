#pragma once
// Messages from core and deploy arrive as UTF-8 byte strings: project values were converted where
// they entered the message, host paths are UTF-8 already (core/MsgDlg.h).

#include "core/MsgDlg.h"

#include <QString>

#include <string>

namespace tv {

QString MessageToQString(const std::string& utf8);
// A message, progress line or count from core or deploy in the user's language, where its wording
// is one the window knows; otherwise as it is.
QString TranslatedMessage(const QString& text);

// The program's message dialog for a message from core or deploy (IDocumentUi, IBuildUi): the
// message is shown in the user's language where its wording is known to the window.
int ShowMessage(const std::string& text, TMsgDlgType type, unsigned buttons);
// The program's message dialog for a text the window composed (translated already).
int ShowMessage(const QString& text, TMsgDlgType type, unsigned buttons);

} // namespace tv
