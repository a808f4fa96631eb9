# Compile settings shared by every target of the project.
add_library(tessivar_options INTERFACE)
target_compile_options(tessivar_options INTERFACE -Wall -Wextra -Wpedantic)
# Every conversion between bytes and QString goes through text/: no CP932 byte
# string can be read as UTF-8 by accident.
target_compile_definitions(tessivar_options INTERFACE
  QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_CAST_FROM_BYTEARRAY
  QT_NO_URL_CAST_FROM_STRING)
if(TESSIVAR_SANITIZE)
  target_compile_options(tessivar_options INTERFACE
    -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(tessivar_options INTERFACE -fsanitize=address,undefined)
endif()
