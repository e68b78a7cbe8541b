#pragma once
// Message dialog types, button sets and result codes shared by the GUI-free commands and the
// program's message dialog, and the helpers that compose message texts. No GUI types here: core/
// and deploy/ ask their questions with these.
//
// Message texts are UTF-8 markup ("/#" breaks the line). A project value enters one through
// AnsiToUtf8 (core/TextCodec.h), a host path as it is.

#include <cstddef>
#include <string>
#include <vector>

namespace tv {

enum class TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };

// Button bits; combine them with | for the buttons a message offers.
enum TMsgDlgBtn : unsigned {
    mbYes = 1,
    mbNo = 2,
    mbOK = 4,
    mbCancel = 8,
    mbAbort = 16,
    mbRetry = 32,
    mbIgnore = 64,
    mbAll = 128,
    mbHelp = 256,
};

// Result codes of a message dialog (the button that closed it).
enum TModalResult : int {
    mrNone = 0,
    mrOk = 1,
    mrCancel = 2,
    mrAbort = 3,
    mrRetry = 4,
    mrIgnore = 5,
    mrYes = 6,
    mrNo = 7,
    mrAll = 8,
};

// How many items a message lists before it counts the rest: a screenful at most, so that a long
// list cannot push the dialog's buttons off the screen.
constexpr std::size_t kMaxListedItems = 15;

// Wraps text so that the message shows it exactly as written: a host path ("/home/me/build/x")
// would otherwise read as markup ("/b" bold).
std::string MarkupLiteral(const std::string& text);
// A message as plain text for the console: "/#" becomes a new line, the literal brackets go.
std::string MarkupToPlain(const std::string& markup);
// head, then the first kMaxListedItems items each on a line of its own (shown literally), then
// "... and N more" when there are more.
std::string MarkupList(const std::string& head, const std::vector<std::string>& items);

} // namespace tv
