# klondar_warnings(<target>)
#
# Enables the project's compiler warnings on <target>. The flags stay private
# to the target so they are not forced onto code that merely links to it.
include_guard(GLOBAL)

function(klondar_warnings target)
  if(NOT TARGET ${target})
    message(FATAL_ERROR "klondar_warnings: '${target}' is not a target")
  endif()

  if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    set(flags -Wall -Wextra -Wpedantic)
  else()
    message(WARNING "klondar_warnings: no warning flags known for ${CMAKE_CXX_COMPILER_ID}")
    return()
  endif()

  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_compile_options(${target} INTERFACE ${flags})
  else()
    target_compile_options(${target} PRIVATE ${flags})
  endif()
endfunction()
