# Hashes the sources of the machine's art into artversion.h, so that kept
# pictures painted by other sources are never read back:
#   cmake -DOUT=artversion.h -DSOURCES=a;b;c -P artversion.cmake
set(all "")
foreach(f IN LISTS SOURCES)
  file(SHA1 "${f}" h)
  string(APPEND all "${h}")
endforeach()
string(SHA1 hash "${all}")
set(text "#pragma once\n#define TALVERN_ART_SOURCES_HASH \"${hash}\"\n")
if(EXISTS "${OUT}")
  file(READ "${OUT}" old)
endif()
if(NOT "${old}" STREQUAL "${text}")
  file(WRITE "${OUT}" "${text}")
endif()
