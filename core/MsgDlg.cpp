#include "core/MsgDlg.h"

namespace tv {

std::string MarkupLiteral(const std::string& text) {
    return "/{" + text + "/}";
}

std::string MarkupToPlain(const std::string& markup) {
    std::string plain;
    bool literal = false;
    for (std::size_t i = 0; i < markup.size(); ++i) {
        const char c = markup[i];
        const char next = i + 1 < markup.size() ? markup[i + 1] : '\0';
        if (c == '/' && next == '{') {
            literal = true;
            ++i;
        } else if (c == '/' && next == '}') {
            literal = false;
            ++i;
        } else if (c == '/' && next == '#' && !literal) {
            plain += '\n';
            ++i;
        } else {
            plain += c;
        }
    }
    return plain;
}

std::string MarkupList(const std::string& head, const std::vector<std::string>& items) {
    std::string text = head;
    for (std::size_t i = 0; i < items.size() && i < kMaxListedItems; ++i)
        text += "/#" + MarkupLiteral(items[i]);
    if (items.size() > kMaxListedItems)
        text += "/#... and " + std::to_string(items.size() - kMaxListedItems) + " more";
    return text;
}

} // namespace tv
