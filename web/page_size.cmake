# Fails the build, taking the page away, when eurolire.html is over its
# budget: 150 KB, 64 KB gzipped (gzip's default level, as servers send it).
# cmake -DPAGE=eurolire.html -P page_size.cmake
set(raw_budget 153600)
set(gzipped_budget 65536)
file(SIZE ${PAGE} raw)
set(gzipped_file ${PAGE}.gz)
file(ARCHIVE_CREATE OUTPUT ${gzipped_file} PATHS ${PAGE} FORMAT raw
     COMPRESSION GZip)
file(SIZE ${gzipped_file} gzipped)
file(REMOVE ${gzipped_file})
message(STATUS "eurolire.html: ${raw} bytes, ${gzipped} gzipped")
if(raw GREATER raw_budget OR gzipped GREATER gzipped_budget)
  file(REMOVE ${PAGE})
  message(FATAL_ERROR "eurolire.html is over its budget of ${raw_budget} "
                      "bytes, ${gzipped_budget} gzipped")
endif()
