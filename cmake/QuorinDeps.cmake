# Third-party libraries.  Natively they come from Debian's -dev packages; for
# Windows, scripts/setup.sh cross-builds them into a cache whose install prefix
# is passed as QUORIN_DEPS_PREFIX.
if(WIN32)
  if(NOT QUORIN_DEPS_PREFIX)
    message(FATAL_ERROR "QUORIN_DEPS_PREFIX is not set: run scripts/setup.sh first")
  endif()
  list(PREPEND CMAKE_FIND_ROOT_PATH ${QUORIN_DEPS_PREFIX})
  list(PREPEND CMAKE_PREFIX_PATH ${QUORIN_DEPS_PREFIX})
endif()

find_path(CJSON_INCLUDE_DIR cjson/cJSON.h REQUIRED)
find_library(CJSON_LIBRARY NAMES cjson libcjson REQUIRED)
add_library(quorin_cjson INTERFACE)
target_include_directories(quorin_cjson INTERFACE ${CJSON_INCLUDE_DIR})
target_link_libraries(quorin_cjson INTERFACE ${CJSON_LIBRARY})

set(OPENSSL_USE_STATIC_LIBS ${WIN32})
if(WIN32)
  set(OPENSSL_ROOT_DIR ${QUORIN_DEPS_PREFIX})
endif()
find_package(OpenSSL REQUIRED)

if(QUORIN_TESTS)
  find_package(GTest REQUIRED)
endif()
