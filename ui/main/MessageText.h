#pragma once
// Messages from core and build arrive as byte strings: host paths and our own texts are UTF-8,
// project values quoted in them are Windows-1252. This turns either into a QString.

#include "core/MsgDlg.h"

#include <QString>

#include <string>

namespace tv {

// UTF-8 when the bytes are valid UTF-8, Windows-1252 otherwise.
QString MessageToQString(const std::string& bytes);

// The program's message dialog for a message from core or deploy (IDocumentUi, IBuildUi).
int ShowMessage(const std::string& text, TMsgDlgType type, unsigned buttons);

} // namespace tv
