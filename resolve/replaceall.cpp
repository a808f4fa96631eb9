#include "resolve/resolve.h"
#include "text/cp932.h"

std::string ReplaceAll(const std::string& text, const std::string& oldText,
                       const std::string& newText) {
    if (oldText.empty())
        return text;
    std::string result;
    std::size_t copied = 0;   // text before this is in `result`
    std::size_t boundary = 0; // next character start, walked forward only
    for (std::size_t hit = text.find(oldText); hit != std::string::npos;
         hit = text.find(oldText, copied)) {
        while (boundary < hit)
            boundary += text::CharLength(text, boundary);
        if (boundary != hit) { // starts on a trail byte: not an occurrence
            result.append(text, copied, hit + 1 - copied);
            copied = hit + 1;
            continue;
        }
        result.append(text, copied, hit - copied);
        result += newText;
        copied = hit + oldText.size();
    }
    if (copied == 0)
        return text;
    result.append(text, copied);
    return result;
}
