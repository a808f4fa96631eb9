#pragma once
// The program's version, as the title bar and the companion tool show it.

inline constexpr char kVersionText[] = "1.08";
