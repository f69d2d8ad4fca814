# Warnings for every target of the project (third-party headers come in as system headers).
# clang (the fuzz build) spells GCC's -Wshadow=local differently.
add_compile_options(-Wall -Wextra -Wpedantic -Wnon-virtual-dtor
    $<IF:$<CXX_COMPILER_ID:GNU>,-Wshadow=local,-Wshadow-uncaptured-local>)
