# What everything the WebAssembly build compiles shares (cmake --preset web,
# or emcmake cmake -S . -B build-web): the core, the page and the tests that
# run under node.
# emscripten's own options live here and in web/CMakeLists.txt only.

# Small over fast, the core included: the page must load quickly, a
# keystroke costs microseconds either way, and the suite under node runs the
# code the page ships. After the build type's -O3, so it wins. Optimised
# across files at link time too, which takes a tenth off the WebAssembly.
add_compile_options(-Oz -flto)
add_link_options(-flto)
# The core throws and catches: C++ exceptions are off unless asked for, at
# compile and at link time alike.
add_compile_options(-fexceptions)
add_link_options(-fexceptions)
# The WebAssembly inside the JavaScript file: node 18 and later would fetch
# a separate .wasm by a path, which fetch does not take. Memory grows on
# demand rather than stopping at the 16 MiB fixed at link time (a megabyte
# pasted into a field takes a few copies of it).
add_link_options(-sSINGLE_FILE=1 -sALLOW_MEMORY_GROWTH=1)

# emscripten's optimiser runs under node at link time and needs Debian's
# node modules (node-acorn): Debian's node looks for them under
# /usr/share/nodejs by itself, a newer node first on the PATH only when told.
if(IS_DIRECTORY /usr/share/nodejs/acorn)
  set(node_path /usr/share/nodejs)
  if(NOT "$ENV{NODE_PATH}" STREQUAL "")
    string(APPEND node_path ":$ENV{NODE_PATH}")
  endif()
  set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=${node_path})
endif()

# emcmake hands node an option for WebAssembly threads, which node has by
# default since version 16 and refuses since version 20.
list(REMOVE_ITEM CMAKE_CROSSCOMPILING_EMULATOR --experimental-wasm-threads)
