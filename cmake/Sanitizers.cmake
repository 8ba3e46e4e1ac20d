# klondar_sanitize(<target>)
#
# When KLONDAR_SANITIZE is ON, builds and links <target> with AddressSanitizer
# and UndefinedBehaviorSanitizer. Any report aborts the process, so a test that
# trips a sanitizer fails instead of just printing a diagnostic.
#
# The options are PUBLIC on libraries: whatever links a sanitized library is
# instrumented and linked against the sanitizer runtimes as well, which keeps
# mixed instrumented/uninstrumented code (and its false positives) out of the
# test binaries. With the option OFF this function does nothing.
include_guard(GLOBAL)

function(klondar_sanitize target)
  if(NOT TARGET ${target})
    message(FATAL_ERROR "klondar_sanitize: '${target}' is not a target")
  endif()
  if(NOT KLONDAR_SANITIZE)
    return()
  endif()
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    message(FATAL_ERROR "KLONDAR_SANITIZE needs GCC or Clang, not ${CMAKE_CXX_COMPILER_ID}")
  endif()

  set(flags
    -fsanitize=address,undefined
    -fno-sanitize-recover=all
    -fno-omit-frame-pointer)

  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    set(scope INTERFACE)
  else()
    set(scope PUBLIC)
  endif()

  target_compile_options(${target} ${scope} ${flags})
  target_link_options(${target} ${scope} ${flags})
endfunction()
