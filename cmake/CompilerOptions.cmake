# Warning and sanitizer flags shared by every target of the project.
add_library(ksl_compiler_options INTERFACE)
target_compile_options(ksl_compiler_options INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wconversion)
if(KSL_WARNINGS_AS_ERRORS)
    target_compile_options(ksl_compiler_options INTERFACE -Werror)
endif()
if(KSL_SANITIZE)
    target_compile_options(ksl_compiler_options INTERFACE
        -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(ksl_compiler_options INTERFACE -fsanitize=address,undefined)
endif()
