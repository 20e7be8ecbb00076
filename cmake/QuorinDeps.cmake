# Third-party libraries.  Natively they come from Debian's -dev packages; for
# Windows, scripts/setup.sh cross-builds them into a cache outside the
# checkout.  Its install prefix is QUORIN_DEPS_PREFIX: taken from the cache
# variable, else from the environment (QUORIN_DEPS_PREFIX, or
# QUORIN_DEPS_CACHE/prefix-ARCH), else setup.sh's default location.
if(WIN32)
  if(NOT QUORIN_DEPS_PREFIX)
    if(NOT "$ENV{QUORIN_DEPS_PREFIX}" STREQUAL "")
      set(_quorin_prefix "$ENV{QUORIN_DEPS_PREFIX}")
    elseif(NOT "$ENV{QUORIN_DEPS_CACHE}" STREQUAL "")
      set(_quorin_prefix "$ENV{QUORIN_DEPS_CACHE}/prefix-${CMAKE_SYSTEM_PROCESSOR}")
    else()
      set(_quorin_prefix "$ENV{HOME}/.cache/quorin-deps/prefix-${CMAKE_SYSTEM_PROCESSOR}")
    endif()
    set(QUORIN_DEPS_PREFIX "${_quorin_prefix}" CACHE PATH "Install prefix of the Windows libraries" FORCE)
  endif()
  set(_quorin_libs libcjson.a libssl.a libcrypto.a)
  if(QUORIN_TESTS)
    list(APPEND _quorin_libs libgtest.a)
  endif()
  foreach(_lib IN LISTS _quorin_libs)
    if(NOT EXISTS "${QUORIN_DEPS_PREFIX}/lib/${_lib}")
      message(FATAL_ERROR "${QUORIN_DEPS_PREFIX}/lib/${_lib} is missing: run scripts/setup.sh first")
    endif()
  endforeach()
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
