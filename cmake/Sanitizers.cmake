# The sanitizer build stops at the first report, so a test cannot pass over undefined behaviour.
if(VELLORAN_SANITIZE)
    set(_velloran_san -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_compile_options(${_velloran_san})
    add_link_options(${_velloran_san})
endif()
