# Warnings on everywhere, and clean: the product build treats them as errors.
add_compile_options(-Wall -Wextra -Wno-unused-parameter)
if(KX_WINDOWS)
  add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0501 WINVER=0x0501 STRICT)
  add_compile_options(-Wno-cast-function-type)
endif()
option(KX_WERROR "Treat warnings as errors" ON)
if(KX_WERROR)
  add_compile_options(-Werror)
endif()

# Host build sanitizers: -DKX_SANITIZE=ON turns on address and undefined
# behaviour checks for everything built natively.
option(KX_SANITIZE "Build host code with ASan and UBSan" OFF)
if(KX_HOST AND KX_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
endif()
