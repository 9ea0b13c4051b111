# Third-party code, built from the sources that scripts/setup.sh fetched or that
# Debian installed, with this project's toolchain. Nothing here is committed.

foreach(f sqlite3/sqlite3.c minizip-src/unzip.c)
  if(NOT EXISTS ${TARVEL_DEPS_DIR}/${f})
    message(FATAL_ERROR "${TARVEL_DEPS_DIR}/${f} is missing: run scripts/setup.sh first")
  endif()
endforeach()

# SQLite3 Multiple Ciphers: SQLite with sqlite3_key. The library runs every
# operation on its own connection, so the key derivation is kept at its minimum;
# the key text is a constant inside Datavane and more rounds would protect nothing.
# Every connection may cache up to 32 MiB of pages: a grouped query that walks an
# index fetches the table's rows out of order, and with the default 2 MiB each
# page is read and decrypted again many times over (memory is taken only as
# pages are read, and goes with the connection).
add_library(sqlite3mc STATIC ${TARVEL_DEPS_DIR}/sqlite3/sqlite3.c)
target_include_directories(sqlite3mc SYSTEM PUBLIC ${TARVEL_DEPS_DIR}/sqlite3)
target_compile_definitions(sqlite3mc PUBLIC SQLITE_HAS_CODEC=1 PRIVATE
  SQLITE_THREADSAFE=1 SQLITE_OMIT_LOAD_EXTENSION SQLITE_DEFAULT_FOREIGN_KEYS=0
  SQLITE_TEMP_STORE=2 SQLITE_ENABLE_FTS5=0 SQLITE_DEFAULT_CACHE_SIZE=-32768 SQLITE_DEFAULT_MEMSTATUS=0
  CODEC_TYPE=CODEC_TYPE_CHACHA20 SQLITE3MC_USE_RAND_S=1)
target_compile_options(sqlite3mc PRIVATE -O2 -w)

# zlib from Debian's mingw-w64 package, linked statically.
find_library(MINGW_ZLIB NAMES libz.a z REQUIRED)
find_path(MINGW_ZLIB_INCLUDE zlib.h REQUIRED)

# minizip (unzip side, plus the zip writer that tests use to make archives).
add_library(minizip STATIC
  ${TARVEL_DEPS_DIR}/minizip-src/unzip.c
  ${TARVEL_DEPS_DIR}/minizip-src/zip.c
  ${TARVEL_DEPS_DIR}/minizip-src/ioapi.c)
target_include_directories(minizip SYSTEM PUBLIC ${TARVEL_DEPS_DIR}/minizip-src ${MINGW_ZLIB_INCLUDE})
target_compile_definitions(minizip PRIVATE NOCRYPT NOUNCRYPT USE_FILE32API)
target_compile_options(minizip PRIVATE -O2 -w)
target_link_libraries(minizip PUBLIC ${MINGW_ZLIB})

# stb_image, header only, from Debian's libstb-dev (the header lives outside the
# cross compiler's sysroot, so it gets a folder of its own).
find_path(STB_IMAGE_DIR stb_image.h PATHS /usr/include/stb NO_CMAKE_FIND_ROOT_PATH REQUIRED)
add_library(stb_image INTERFACE)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/stb_include)
configure_file(${STB_IMAGE_DIR}/stb_image.h ${CMAKE_BINARY_DIR}/stb_include/stb_image.h COPYONLY)
target_include_directories(stb_image SYSTEM INTERFACE ${CMAKE_BINARY_DIR}/stb_include)

# GoogleTest from Debian's source package.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
