# One INTERFACE target carries the warnings and build flags every target of the project shares.
add_library(orv_common INTERFACE)
target_compile_options(orv_common INTERFACE -Wall -Wextra -Wpedantic)
target_compile_definitions(orv_common INTERFACE
  QT_NO_KEYWORDS QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_NARROWING_CONVERSIONS_IN_CONNECT)

if(ORV_SANITIZE)
  target_compile_options(orv_common INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer
    -fno-sanitize-recover=all)
  target_link_options(orv_common INTERFACE -fsanitize=address,undefined)
endif()

if(ORV_FUZZ)
  target_compile_options(orv_common INTERFACE -fsanitize=fuzzer-no-link,address,undefined
    -fno-omit-frame-pointer)
  target_link_options(orv_common INTERFACE -fsanitize=address,undefined)
endif()
