# Options for the WebAssembly build (emcmake cmake ...): the core and its
# tests compiled to WebAssembly and run under node.

# The core throws and catches: C++ exceptions are off unless asked for, at
# compile and at link time alike.
add_compile_options(-fexceptions)
add_link_options(-fexceptions)
# The WebAssembly inside the JavaScript file: node 18 and later would fetch
# a separate .wasm by a path, which fetch does not take. Memory grows on
# demand rather than stopping at the 16 MiB fixed at link time.
add_link_options(-sSINGLE_FILE=1 -sALLOW_MEMORY_GROWTH=1)
