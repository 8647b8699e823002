# Bit-for-bit reproducible builds, as scripts/release makes them: the same
# commit gives the same bytes wherever it is built and whenever. On when
# SOURCE_DATE_EPOCH (the commit's time, in seconds) is set as CMake
# configures; a build without it is left exactly as it was.
#
# Here are the settings the build itself passes. The tools that read
# SOURCE_DATE_EPOCH on their own as they run -- Qt's rcc (the times of the
# compiled-in resources), MinGW's ld (the PE time stamp), CPack (every time
# in the .deb) -- need it exported for `cmake --build` and cpack as well:
# scripts/release exports it for all of them.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(reproducible_default ON)
else()
  set(reproducible_default OFF)
endif()
option(EUROLIRE_REPRODUCIBLE
       "Build the same bytes from the same commit (needs SOURCE_DATE_EPOCH)"
       ${reproducible_default})
if(NOT EUROLIRE_REPRODUCIBLE)
  return()
endif()
if(NOT "$ENV{SOURCE_DATE_EPOCH}" MATCHES "^[0-9]+$")
  message(FATAL_ERROR "EUROLIRE_REPRODUCIBLE needs SOURCE_DATE_EPOCH, the "
                      "commit's time in seconds: git log -1 --format=%ct")
endif()

# No path of the machine in what is built (__FILE__, debug information, and
# so the ELF build id, a hash of it all): the sources read as ".", the build
# folder as "build". A build folder inside the sources is the more specific
# prefix, so it comes last, the one GCC tries first.
add_compile_options(
  $<$<COMPILE_LANGUAGE:CXX>:-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.>
  $<$<COMPILE_LANGUAGE:CXX>:-ffile-prefix-map=${PROJECT_BINARY_DIR}=build>)

# NSIS stores each packed file's modification time, here the time
# eurolire.exe was linked; the installed files take the time of the install
# instead (installer.nsi).
set(EUROLIRE_NSIS_DEFINES -DREPRODUCIBLE)
