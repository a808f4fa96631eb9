#pragma once
// What the open dialog's preview panel shows of a file's first bytes.

#include <cstdint>
#include <string>
#include <string_view>

// How many leading bytes decide whether a file is text.
inline constexpr std::int32_t kTextProbeLength = 100;

// True unless a NUL is among the first min(length, kTextProbeLength) bytes.
// Control characters and bytes that are no CP932 character count as text.
bool IsTextFile(const char* buffer, std::int32_t length);

// The preview of CP932 bytes: cut before the first NUL, every line end (CR,
// LF or CR LF) one "\n".
std::string PreviewText(std::string_view bytes);
