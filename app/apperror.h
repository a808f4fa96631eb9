#pragma once
// An error that ends the running event handler and is shown in the
// application's error box. The message is CP932 text.

#include "text/cp932_codec.h"

#include <stdexcept>
#include <string>

class AppError : public std::runtime_error {
public:
    explicit AppError(const std::string& cp932Message) : std::runtime_error(cp932Message) {}
};

// "ファイル %s は開けません": a file that exists but cannot be read.
inline AppError CannotOpenError(const std::string& path) {
    return AppError(text::Utf8ToCp932("ファイル ") + path + text::Utf8ToCp932(" は開けません"));
}
