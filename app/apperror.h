#pragma once
// An error that ends the running event handler and is shown in the
// application's error box. The message is CP932 text.

#include <stdexcept>
#include <string>

class AppError : public std::runtime_error {
public:
    explicit AppError(const std::string& cp932Message) : std::runtime_error(cp932Message) {}
};
